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

}  // namespace

GridPoint OriginShowing(const EditorState& editor, const ViewGeometry& view, GridPoint cell) {
  const ViewRect area = MapArea(view);
  // A cell owns its picture and its left and top lines; the last cell also needs
  // the closing line on its right.
  const int32_t pitch = CellPitchAt(view.zoomLevel);
  const int32_t columns = (area.right - area.left) / pitch;
  const int32_t rows = (area.bottom - area.top) / pitch;
  return {Reveal(editor.viewOrigin.x, columns, cell.x), Reveal(editor.viewOrigin.y, rows, cell.y)};
}

}  // namespace tessmoor
