#pragma once
// The picture of a block of cells as the map view draws its cells (the layer's
// first frame, the kind's symbol over it, black letting the black box show),
// with the view's one-pixel grid lines between cells. Stamps in the panel and
// the placement preview show it.

#include <cstdint>
#include <vector>

#include "document/MapDocument.h"
#include "document/Stamp.h"
#include "graphics/HiColorImage.h"

namespace tessmoor {

// `thumbnails[n]` is the first frame of the block's texture n (null or empty:
// none); `cellSize` is the side of one cell's picture, 8 to 64 pixels. The
// result has width * (cellSize + 1) + 1 by height * (cellSize + 1) + 1 pixels.
HiColorImage BlockPicture(const CellBlock& block, SurfaceKind layer, const std::vector<const HiColorImage*>& thumbnails,
                          const EditorState& editor, int32_t cellSize);

// The thumbnails of a block whose references number the map's table.
std::vector<const HiColorImage*> MapThumbnails(const MapDocument& document);

}  // namespace tessmoor
