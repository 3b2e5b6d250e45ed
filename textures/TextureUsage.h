#pragma once
// How much of the map a texture covers: the grid cells that refer to it, per
// surface layer. Palette slots and the clipboard are not part of the map and
// do not count.

#include <array>
#include <cstdint>
#include <vector>

#include "document/MapDocument.h"

namespace tessmoor {

struct TextureUsage {
  std::array<int, SurfaceCount> layerCells{};  // by SurfaceKind
  int cells = 0;                               // a cell using it on several layers counts once

  bool operator==(const TextureUsage&) const = default;
};

// The usage of `texture`; all zero for NoTexture or a position outside the table.
TextureUsage CountTextureUsage(const MapDocument& document, int texture);

// The usage of every texture of the table, entry n for table position n, in one
// pass over the grid: cheap enough to redo after every edit. References outside
// the table count nowhere.
std::vector<TextureUsage> CountEveryTextureUsage(const MapDocument& document);

}  // namespace tessmoor
