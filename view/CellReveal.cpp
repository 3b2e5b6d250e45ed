#include "view/CellReveal.h"

#include <algorithm>

#include "view/Zoom.h"

namespace tessmoor {

namespace {

// The origin along one axis for `cells` whole cells in view.
int32_t Reveal(int32_t origin, int32_t cells, int32_t wanted) {
  cells = std::max(cells, 1);
  if (wanted >= origin && wanted < origin + cells) return origin;
  return std::clamp(wanted - (cells - 1) / 2, 0, std::max(0, GridSize - cells));
}

// The nearest origin along one axis that keeps `wanted` among `cells` whole cells.
int32_t Follow(int32_t origin, int32_t cells, int32_t wanted) {
  cells = std::max(cells, 1);
  if (wanted < origin) return std::max(wanted, 0);
  if (wanted >= origin + cells) return std::clamp(wanted - cells + 1, 0, std::max(0, GridSize - cells));
  return origin;
}

// Whole cells of the map area along each axis: a cell owns its picture and its
// left and top lines; the last cell also needs the closing line on its right.
GridPoint WholeCells(const ViewGeometry& view) {
  const ViewRect area = MapArea(view);
  const int32_t pitch = CellPitchAt(view.zoomLevel);
  return {(area.right - area.left) / pitch, (area.bottom - area.top) / pitch};
}

}  // namespace

GridPoint OriginFollowing(const EditorState& editor, const ViewGeometry& view, GridPoint cell) {
  const GridPoint cells = WholeCells(view);
  return {Follow(editor.viewOrigin.x, cells.x, cell.x), Follow(editor.viewOrigin.y, cells.y, cell.y)};
}

GridPoint OriginShowing(const EditorState& editor, const ViewGeometry& view, GridPoint cell) {
  const GridPoint cells = WholeCells(view);
  return {Reveal(editor.viewOrigin.x, cells.x, cell.x), Reveal(editor.viewOrigin.y, cells.y, cell.y)};
}

}  // namespace tessmoor
