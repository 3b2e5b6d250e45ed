#include "view/EditingTools.h"

#include <algorithm>

#include "view/HitTesting.h"

namespace {

PaletteSlot& CurrentSlot(MapDocument& document) {
  return document.paletteSlots[static_cast<size_t>(std::clamp(document.currentSlot, 0, PaletteSlotCount - 1))];
}

// A press on a palette slot makes it the paint source; the right button also
// opens the properties window on it.
void PressPaletteSlot(MapDocument& document, EditorState& editor, int32_t slot, const PointerInput& input,
                      ToolHost& host) {
  document.currentSlot = slot;
  SetToolMode(editor, Paint, host);
  host.BindCell(document.paletteSlots[static_cast<size_t>(slot)].cell, CellNotification::SlotEdited);
  if (input.button == MouseButton::Right) host.ShowPropertiesWindow();
}

void PressGridCell(MapDocument& document, EditorState& editor, GridPoint hit, const PointerInput& input,
                   ToolHost& host) {
  MapCell& cell = document.Cell(hit.x, hit.y);
  const bool left = input.button == MouseButton::Left;
  if (left && input.shift) {
    // Pick-up fills the template, not the map: modified stays as it is.
    CurrentSlot(document).cell = cell;
    host.BindCell(cell, CellNotification::CellEdited);
  } else if (left && editor.toolMode == Paint) {
    cell = CurrentSlot(document).cell;
    document.modified = true;
    host.BindCell(cell, CellNotification::CellEdited);
  } else if (left && editor.toolMode == Select) {
    editor.selection = {hit.x, hit.y, hit.x, hit.y};
    host.BindCell(cell, CellNotification::CellEdited);
  } else if (input.button == MouseButton::Right && editor.toolMode == Select) {
    editor.selection = {hit.x, hit.y, hit.x, hit.y};
    host.BindCell(cell, CellNotification::CellEdited);
    host.ShowPropertiesWindow();
  }
  host.RedrawView();
}

std::string PositionText(GridPoint cell) { return std::to_string(cell.x) + ": " + std::to_string(cell.y); }

}  // namespace

void SetToolMode(EditorState& editor, int32_t mode, ToolHost& host) {
  editor.toolMode = mode;
  host.SetSelectButtonDown(mode == Select);
  host.RedrawView();
}

void ViewPortMouseDown(MapDocument& document, EditorState& editor, const ViewGeometry& view,
                       const PointerInput& input, ToolHost& host) {
  if (input.button != MouseButton::Middle) {
    const int32_t slot = HitPaletteSlot(document, input.x, input.y);
    if (slot >= 0) return PressPaletteSlot(document, editor, slot, input, host);
  }
  if (input.button == MouseButton::Right && editor.toolMode == Paint && IsInsideMapArea(view, input.x, input.y)) {
    return SetToolMode(editor, Select, host);
  }
  // A miss does nothing; in particular it keeps the selection.
  if (const std::optional<GridPoint> hit = HitGridCell(editor, input.x, input.y)) {
    PressGridCell(document, editor, *hit, input, host);
  }
}

void ViewPortMouseMove(MapDocument& /*document*/, EditorState& editor, const ViewGeometry& view,
                       const PointerInput& input, ToolHost& host) {
  const GridPoint cell = PointerCell(editor, input.x, input.y);
  if (cell == editor.hoverCell) return;
  editor.hoverCell = cell;
  // Over the black part of the map area beyond column or row 63 there is no cell to name.
  const bool namesCell = IsInsideMapArea(view, input.x, input.y) && IsOnGrid(cell);
  host.SetPositionLabel(namesCell ? PositionText(cell) : std::string());
  if (editor.toolMode != Select || !input.leftHeld) return;
  // Fill, copy and paste index the grid with the selection, so a drag carried
  // past the grid's edge holds the end at that edge.
  const GridPoint end{std::clamp(cell.x, 0, GridSize - 1), std::clamp(cell.y, 0, GridSize - 1)};
  if (end.x == editor.selection.x2 && end.y == editor.selection.y2) return;
  editor.selection.x2 = end.x;
  editor.selection.y2 = end.y;
  host.RedrawView();
}

void EditFill(MapDocument& document, const EditorState& editor, ToolHost& host) {
  FillSelection(document, editor);
  host.RedrawView();
}

void EditPaste(MapDocument& document, EditorState& editor, ToolHost& host) {
  if (PasteClipboard(document, editor)) host.RedrawView();
}

void NotifySlotEdited(ToolHost& host) { host.RedrawView(); }

void NotifyCellEdited(MapDocument& document, ToolHost& host) {
  document.modified = true;
  host.RedrawView();
}
