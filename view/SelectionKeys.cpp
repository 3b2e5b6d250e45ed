#include "view/SelectionKeys.h"

#include <algorithm>

#include "edit/CellBlocks.h"
#include "view/CellReveal.h"
#include "view/Measurement.h"

namespace tessmoor {

namespace {

int32_t OnGridAxis(int32_t value) { return std::clamp(value, 0, GridSize - 1); }

// As under the pointer: a selection of more than one cell adds its size.
PositionLabel PositionText(GridPoint cell, const Selection& selection) {
  const CellRange range = SelectedCells(selection);
  return {cell, range.x2 - range.x1 + 1, range.y2 - range.y1 + 1};
}

}  // namespace

ToolResponse MoveSelectionByKey(const EditorState& editor, const ViewGeometry& view, CellStep step) {
  const Selection& from = editor.selection;
  // A selection made by a drag past the edge may hold its corner off the grid.
  const GridPoint end{OnGridAxis(OnGridAxis(from.x2) + step.dx), OnGridAxis(OnGridAxis(from.y2) + step.dy)};
  const Selection selection =
      step.grow ? Selection{from.x1, from.y1, end.x, end.y} : Selection{end.x, end.y, end.x, end.y};
  ToolResponse response;
  response.session.selection = selection;
  response.viewOrigin = OriginFollowing(editor, view, end);
  response.redraw = *response.viewOrigin != editor.viewOrigin;
  response.bind = CellBinding::Grid(end);
  response.positionLabel = PositionText(end, selection);
  return response;
}

}  // namespace tessmoor
