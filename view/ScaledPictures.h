#pragma once
// The cell pictures of the zoom levels other than the default: each texture
// frame's thumbnail and each kind symbol, scaled once per level so that a redraw
// only copies. The default level draws the document's own thumbnails.

#include <array>
#include <cstdint>
#include <vector>

#include "document/MapDocument.h"
#include "view/Zoom.h"

namespace tessmoor {

struct ScaledPictureCache {
  struct Level {
    bool built = false;
    std::vector<std::array<HiColorImage, MaxFrames>> frames;  // by texture index
    std::array<HiColorImage, CellTypeCount> symbols;
    // From 32 pixels down, each first frame with each symbol laid over it, at
    // (texture + 1) * CellTypeCount + type (texture -1: none): small cells are
    // dominated by the cost of each copy, so a cell gets one instead of two.
    std::vector<HiColorImage> cellPictures;
  };
  std::array<Level, ZoomLevelCount> levels;
  // Grows whenever a level is built or forgotten, so whoever keeps a picture
  // made from these can tell that its pixels may be stale.
  uint64_t revision = 0;
};

// Forgets every level. Call it whenever the texture table, a frame or the kind
// symbols change; the next PrepareScaledPictures builds afresh.
void InvalidateScaledPictures(ScaledPictureCache& cache);

// Builds the level's pictures unless they are built already. The 128-pixel level
// reads each frame's picture from GFX/ again, so it is sharp; a picture that can
// no longer be read shows its thumbnail enlarged. The smaller levels average the
// thumbnail down. The graphics error code is left as it was found.
void PrepareScaledPictures(ScaledPictureCache& cache, const MapDocument& document, const EditorState& editor,
                           int32_t level);

// The prepared picture, or null when the level is not built or has none for it.
const HiColorImage* ScaledThumbnail(const ScaledPictureCache& cache, int32_t level, int32_t texture, int32_t frame);
const HiColorImage* ScaledSymbol(const ScaledPictureCache& cache, int32_t level, int32_t type);
// True when the level holds the combined pictures; then ScaledCellPicture answers
// for every texture index the level knows (-1 for none) and every kind, with null
// where the combination shows nothing.
bool HasCellPictures(const ScaledPictureCache& cache, int32_t level);
const HiColorImage* ScaledCellPicture(const ScaledPictureCache& cache, int32_t level, int32_t texture, int32_t type);

// `source` scaled to width x height, each pixel the average of the source pixels
// it covers (a black, transparent pixel stays black only where all of them are).
// A non-positive size leaves `dest` empty.
void AverageScaleImage(const HiColorImage& source, int32_t width, int32_t height, HiColorImage& dest);

}  // namespace tessmoor
