#pragma once
// The editing rules of the map view, free of any user interface: a mouse event
// arrives as a small input record, map edits go to the document model as
// undoable steps, and what the windows must do beyond redrawing after a change
// of the document comes back as a ToolResponse.

#include <cstdint>
#include <optional>
#include <string>

#include "document/MapDocument.h"
#include "edit/DocumentModel.h"
#include "view/MapView.h"

enum class MouseButton { Left, Right, Middle };

struct PointerInput {
  MouseButton button = MouseButton::Left;  // the button pressed (mouse down only)
  bool shift = false;
  bool leftHeld = false;  // for moves: the left button is down
  int32_t x = 0;          // view pixels
  int32_t y = 0;
};

// What the properties window edits: a grid cell by its coordinates or a palette
// slot by its number, never a reference into the record.
struct CellBinding {
  enum class Target { None, GridCell, PaletteSlot };
  Target target = Target::None;
  GridPoint cell;    // for GridCell
  int32_t slot = 0;  // for PaletteSlot

  static CellBinding Grid(GridPoint cell) { return {Target::GridCell, cell, 0}; }
  static CellBinding Palette(int32_t slot) { return {Target::PaletteSlot, {}, slot}; }
  bool operator==(const CellBinding&) const = default;
};

// The bound cell as it is now; nullptr for no binding or a cell off the grid.
const MapCell* BoundCell(const DocumentModel& model, const CellBinding& binding);
// Apply in the properties window: a grid cell changes as one undoable step; a
// palette slot is tool state and changes at once. True when a slot changed (the
// view must redraw itself; document changes tell their observers).
bool ApplyToBoundCell(DocumentModel& model, const CellBinding& binding, const MapCell& value);

// What the windows must do after an event, beyond what the document's change
// notification already tells them.
struct ToolResponse {
  bool redraw = false;           // the view's own state changed: selection, tool mode, a slot
  bool toolModeChanged = false;  // the Select button follows editor.toolMode
  std::optional<CellBinding> bind;
  bool showProperties = false;
  std::optional<std::string> positionLabel;
};

ToolResponse SetToolMode(EditorState& editor, int32_t mode);

ToolResponse ViewPortMouseDown(DocumentModel& model, EditorState& editor, const ViewGeometry& view,
                               const PointerInput& input);
ToolResponse ViewPortMouseMove(EditorState& editor, const ViewGeometry& view, const PointerInput& input);

// The selection in order and held inside the grid.
CellRange SelectedCells(const Selection& selection);
// Fills the selection from the current palette slot, as one step.
void FillSelection(DocumentModel& model, const EditorState& editor);
// Copy the selection into the clipboard (replacing it).
void CopySelection(const MapDocument& document, EditorState& editor);
// Paste the clipboard at the selection's top-left cell, clipped at column and
// row 63, as one step; the selection becomes the pasted area. False (nothing
// changed) without a clipboard block.
bool PasteClipboard(DocumentModel& model, EditorState& editor);
