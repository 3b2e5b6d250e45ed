#pragma once
// The zoom levels of the map view: how large a cell's picture is, and the grid
// geometry that follows from it. Level 1 (64 pixels) is the view as it always was.

#include <cstdint>

#include "document/MapDocument.h"
#include "view/MapView.h"

namespace tessmoor {

constexpr int32_t ZoomLevelCount = 5;
constexpr int32_t DefaultZoomLevel = 1;
constexpr int32_t LargestZoomLevel = 0;
constexpr int32_t SmallestZoomLevel = ZoomLevelCount - 1;

// The level forced into 0..4; a stored setting may hold anything.
int32_t ClampZoomLevel(int32_t level);

// A cell's picture side at the level: 128, 64, 32, 16 or 8 pixels.
int32_t CellPictureSizeAt(int32_t level);
// The picture plus its one-pixel grid line.
int32_t CellPitchAt(int32_t level);

// The largest level at which all 64 x 64 cells and the closing grid lines fit
// inside the map area; the smallest level when none does.
int32_t WholeGridZoomLevel(const ViewGeometry& view);

// The last scroll position that still shows something new: at the default level
// the full 0..63 as always; elsewhere the origin at which column or row 63 is the
// last one drawn whole, so a view that holds the grid does not scroll at all.
int32_t ScrollMaximum(int32_t level, int32_t mapAreaExtent);

// The view origin along one axis after a zoom from `fromLevel` to `toLevel` with
// the pointer at `pixel` (view pixels from the map area's start): the cell under
// the pointer stays under it, as far as the scroll range allows.
int32_t ZoomedOrigin(int32_t origin, int32_t pixel, int32_t fromLevel, int32_t toLevel, int32_t scrollMaximum);

}  // namespace tessmoor
