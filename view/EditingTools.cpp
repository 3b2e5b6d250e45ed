#include "view/EditingTools.h"

#include <algorithm>

#include "edit/CellBlocks.h"
#include "edit/CellCommands.h"
#include "edit/SlotTemplates.h"
#include "view/HitTesting.h"
#include "view/Measurement.h"

namespace tessmoor {

namespace {

// A selection of more than one cell adds its size to the position.
PositionLabel PositionText(GridPoint cell, const Selection& selection) {
  const CellRange range = SelectedCells(selection);
  return {cell, range.x2 - range.x1 + 1, range.y2 - range.y1 + 1};
}

ToolResponse ToolChange(ToolMode mode) {
  ToolResponse response;
  response.session.toolMode = mode;
  return response;
}

// A press on a palette slot makes it the paint source; the right button also
// opens the properties window on it.
ToolResponse PressPaletteSlot(const EditorState& editor, int32_t slot, const PointerInput& input) {
  // A painting tool stays; choosing a slot in Select mode starts painting per click.
  ToolResponse response = ToolChange(PaintsFromSlot(editor.toolMode) ? editor.toolMode : ToolMode::Paint);
  response.session.slot = slot;
  response.bind = CellBinding::Palette(slot);
  response.showProperties = input.button == MouseButton::Right;
  return response;
}

ToolResponse PressGridCell(DocumentModel& model, const EditorState& editor, SelectionDrag& drag, GridPoint hit,
                           const PointerInput& input) {
  ToolResponse response;
  const bool left = input.button == MouseButton::Left;
  if (left && input.shift) {
    // Pick-up fills the template, not the map.
    model.SetSlotCell(model.Map().currentSlot, model.Map().Cell(hit.x, hit.y));
  } else if (left && editor.toolMode == ToolMode::Paint) {
    const PlacementResult painted = PaintWithSlot(model, hit, editor.programDirectory);
    if (!IsEmpty(painted.message)) response.message = painted.message;
    if (!CurrentSlot(model.Map()).filled) return response;
  } else if (left && editor.toolMode == ToolMode::Brush) {
    const PlacementResult painted = BeginStroke(model, drag.stroke, hit, editor.programDirectory);
    if (!IsEmpty(painted.message)) response.message = painted.message;
    if (!painted.ok) return response;
  } else if ((editor.toolMode == ToolMode::Select && (left || input.button == MouseButton::Right)) ||
             (left && editor.toolMode == ToolMode::Rectangle)) {
    // A rectangle to paint starts only on a cell.
    if (editor.toolMode == ToolMode::Rectangle) drag = {true, false, editor.selection, {}};
    response.session.selection = Selection{hit.x, hit.y, hit.x, hit.y};
    // The label's size belongs to the selection, and this one is a single cell.
    response.positionLabel = PositionText(hit, *response.session.selection);
    response.showProperties = !left;
  } else {
    return response;
  }
  response.bind = CellBinding::Grid(hit);
  return response;
}

}  // namespace

const MapCell* BoundCell(const DocumentModel& model, const CellBinding& binding) {
  switch (binding.target) {
    case CellBinding::Target::GridCell:
      if (!IsOnGrid(binding.cell)) return nullptr;
      return &model.Map().Cell(binding.cell.x, binding.cell.y);
    case CellBinding::Target::PaletteSlot:
      if (binding.slot < 0 || binding.slot >= PaletteSlotCount) return nullptr;
      return &model.Map().paletteSlots[static_cast<size_t>(binding.slot)].cell;
    case CellBinding::Target::GridRange:
      if (!IsOnGrid({binding.range.x1, binding.range.y1}) || !IsOnGrid({binding.range.x2, binding.range.y2}) ||
          binding.range.x1 > binding.range.x2 || binding.range.y1 > binding.range.y2)
        return nullptr;
      return &model.Map().Cell(binding.range.x1, binding.range.y1);
    case CellBinding::Target::None:
      break;
  }
  return nullptr;
}

bool ChangeTouchesBinding(const DocumentChange& change, const CellBinding& binding) {
  if (!change.Has(DocumentChangeFlag::CellsChanged)) return false;
  if (binding.target == CellBinding::Target::GridCell) return change.TouchesCell(binding.cell.x, binding.cell.y);
  if (binding.target != CellBinding::Target::GridRange) return false;
  const CellRange& a = change.cells;
  const CellRange& b = binding.range;
  return a.x1 <= b.x2 && b.x1 <= a.x2 && a.y1 <= b.y2 && b.y1 <= a.y2;
}

void ApplyToBoundCell(DocumentModel& model, const CellBinding& binding, const MapCell& value) {
  if (BoundCell(model, binding) == nullptr || binding.target == CellBinding::Target::GridRange) return;
  if (binding.target == CellBinding::Target::PaletteSlot) {
    model.SetSlotCell(binding.slot, value);
  } else {
    SetCell(model, binding.cell, value, PropertiesStepName);
  }
}

ToolResponse ViewPortMouseDown(DocumentModel& model, const EditorState& editor, SelectionDrag& drag,
                               const ViewGeometry& view, const PointerInput& input) {
  drag = {};
  if (input.button != MouseButton::Middle) {
    const int32_t slot = HitPaletteSlot(model.Map(), input.x, input.y);
    if (slot >= 0) return PressPaletteSlot(editor, slot, input);
  }
  // Whatever moves with the button held do to the selection from here, Escape takes back.
  if (input.button == MouseButton::Left && editor.toolMode == ToolMode::Select) {
    drag.active = true;
    drag.before = editor.selection;
  }
  if (input.button == MouseButton::Right && PaintsFromSlot(editor.toolMode) &&
      IsInsideMapArea(view, input.x, input.y)) {
    return ToolChange(ToolMode::Select);
  }
  // A miss does nothing; in particular it keeps the selection.
  if (const std::optional<GridPoint> hit = HitGridCell(editor, view, input.x, input.y)) {
    return PressGridCell(model, editor, drag, *hit, input);
  }
  return {};
}

ToolResponse ViewPortMouseMove(DocumentModel& model, const EditorState& editor, SelectionDrag& drag,
                               const ViewGeometry& view, const PointerInput& input) {
  ToolResponse response;
  // A release the view never saw (another window took the pointer) ends the drag here.
  if (!input.leftHeld) drag = {};
  const GridPoint cell = PointerCell(editor, view, input.x, input.y);
  ContinueStroke(model, drag.stroke, cell);
  if (cell == editor.hoverCell) return response;
  response.hoverCell = cell;
  // Over the black part of the map area beyond column or row 63 there is no cell to name.
  const bool namesCell = IsInsideMapArea(view, input.x, input.y) && IsOnGrid(cell);
  response.positionLabel = namesCell ? PositionText(cell, editor.selection) : PositionLabel();
  const bool drags = editor.toolMode == ToolMode::Select || (editor.toolMode == ToolMode::Rectangle && drag.active);
  if (!drags || !input.leftHeld || drag.cancelled) return response;
  // Fill, copy and paste index the grid with the selection, so a drag carried
  // past the grid's edge holds the end at that edge.
  const GridPoint end{std::clamp(cell.x, 0, GridSize - 1), std::clamp(cell.y, 0, GridSize - 1)};
  if (end.x == editor.selection.x2 && end.y == editor.selection.y2) return response;
  const Selection& dragged =
      response.session.selection.emplace(Selection{editor.selection.x1, editor.selection.y1, end.x, end.y});
  if (namesCell) response.positionLabel = PositionText(cell, dragged);
  return response;
}

ToolResponse ViewPortMouseUp(DocumentModel& model, const EditorState& editor, SelectionDrag& drag) {
  const bool paintsRectangle = drag.active && !drag.cancelled && editor.toolMode == ToolMode::Rectangle;
  drag = {};
  if (!paintsRectangle) return {};
  ToolResponse response;
  const SlotPaint paint = PrepareSlotPaint(model, editor.programDirectory);
  if (!paint.ok) {
    response.message = paint.message;
    return response;
  }
  const CellRange range = SelectedCells(editor.selection);
  ExecuteSlotPaint(model, paint,
                   std::make_unique<CellBlockCommand>(PaintStepName, range, UniformBlock(range, paint.cell)));
  return response;
}

ToolResponse CancelSelectionDrag(const EditorState& editor, SelectionDrag& drag) {
  if (!drag.active) return {};
  drag.active = false;
  drag.cancelled = true;
  ToolResponse response;
  response.session.selection = drag.before;
  if (IsOnGrid(editor.hoverCell)) response.positionLabel = PositionText(editor.hoverCell, drag.before);
  return response;
}

}  // namespace tessmoor
