#include "textures/TextureUsage.h"

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

}  // namespace tessmoor
