#include "textures/TextureUsage.h"

#include <algorithm>

#include "textures/TextureTable.h"

namespace tessmoor {

TextureUsage CountTextureUsage(const MapDocument& document, int texture) {
  TextureUsage usage;
  if (!IsTextureInTable(document, texture)) return usage;
  for (const MapCell& cell : document.cells) {
    bool counted = false;
    for (int layer = 0; layer < SurfaceCount; ++layer) {
      if (cell.texture[layer] != texture) continue;
      ++usage.layerCells[static_cast<size_t>(layer)];
      if (!counted) ++usage.cells;
      counted = true;
    }
  }
  return usage;
}

std::vector<TextureUsage> CountEveryTextureUsage(const MapDocument& document) {
  std::vector<TextureUsage> usage(static_cast<size_t>(std::clamp(document.textureCount, 0, MaxTextures)));
  const size_t size = usage.size();
  for (const MapCell& cell : document.cells) {
    for (int layer = 0; layer < SurfaceCount; ++layer) {
      const uint16_t texture = cell.texture[layer];
      if (texture >= size) continue;
      TextureUsage& entry = usage[texture];
      ++entry.layerCells[static_cast<size_t>(layer)];
      // A cell counts once for a texture it shows on several layers.
      bool counted = false;
      for (int before = 0; before < layer && !counted; ++before) counted = cell.texture[before] == texture;
      if (!counted) ++entry.cells;
    }
  }
  return usage;
}

}  // namespace tessmoor
