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

namespace {

// Whether a layer below `layer` already names the same texture, so the cell is counted.
bool CountedBelow(const MapCell& cell, int layer) {
  for (int below = 0; below < layer; ++below) {
    if (cell.texture[below] == cell.texture[layer]) return true;
  }
  return false;
}

}  // namespace

std::vector<TextureUsage> CountEveryTextureUsage(const MapDocument& document) {
  const int count = std::clamp(document.textureCount, 0, MaxTextures);
  std::vector<TextureUsage> usage(static_cast<size_t>(count));
  for (const MapCell& cell : document.cells) {
    for (int layer = 0; layer < SurfaceCount; ++layer) {
      const int texture = cell.texture[layer];  // NoTexture lies beyond every table
      if (texture >= count) continue;
      TextureUsage& entry = usage[static_cast<size_t>(texture)];
      ++entry.layerCells[static_cast<size_t>(layer)];
      if (!CountedBelow(cell, layer)) ++entry.cells;
    }
  }
  return usage;
}

}  // namespace tessmoor
