#include "view/Zoom.h"

#include <algorithm>

namespace tessmoor {

int32_t ClampZoomLevel(int32_t level) { return std::clamp(level, LargestZoomLevel, SmallestZoomLevel); }

int32_t CellPictureSizeAt(int32_t level) { return 128 >> ClampZoomLevel(level); }

int32_t CellPitchAt(int32_t level) { return CellPictureSizeAt(level) + 1; }

int32_t WholeGridZoomLevel(const ViewGeometry& view) {
  const ViewRect area = MapArea(view);
  const int32_t width = area.right - area.left + 1;
  const int32_t height = area.bottom - area.top + 1;
  for (int32_t level = LargestZoomLevel; level < SmallestZoomLevel; ++level) {
    // The grid's right and bottom edges are one more line past the last cell.
    const int32_t extent = GridSize * CellPitchAt(level) + 1;
    if (extent <= width && extent <= height) return level;
  }
  return SmallestZoomLevel;
}

int32_t ScrollMaximum(int32_t level, int32_t mapAreaExtent) {
  if (ClampZoomLevel(level) == DefaultZoomLevel) return GridSize - 1;
  const int32_t wholeCells = std::max(0, mapAreaExtent - 1) / CellPitchAt(level);
  return std::clamp(GridSize - wholeCells, 0, GridSize - 1);
}

int32_t ZoomedOrigin(int32_t origin, int32_t pixel, int32_t fromLevel, int32_t toLevel, int32_t scrollMaximum) {
  // Outside the map area there is no cell under the pointer; keep the corner cell.
  const int32_t offset = std::max(0, pixel);
  const int32_t cell = origin + offset / CellPitchAt(fromLevel);
  return std::clamp(cell - offset / CellPitchAt(toLevel), 0, std::max(0, scrollMaximum));
}

}  // namespace tessmoor
