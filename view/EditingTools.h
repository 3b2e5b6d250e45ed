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
#include "io/CoreMessage.h"
#include "view/MapView.h"
#include "view/Measurement.h"
#include "view/PaintStroke.h"

namespace tessmoor {

enum class MouseButton { Left, Right, Middle };

struct PointerInput {
  MouseButton button = MouseButton::Left;  // the button pressed (mouse down only)
  bool shift = false;
  bool leftHeld = false;  // for moves: the left button is down
  int32_t x = 0;          // view pixels
  int32_t y = 0;
};

// What the properties window edits: a grid cell by its coordinates, a palette
// slot by its number or a rectangle of grid cells, never a reference into the record.
struct CellBinding {
  enum class Target { None, GridCell, PaletteSlot, GridRange };
  Target target = Target::None;
  GridPoint cell;                 // for GridCell
  int32_t slot = 0;               // for PaletteSlot
  CellRange range{0, 0, -1, -1};  // for GridRange, in order and inside the grid

  static CellBinding Grid(GridPoint cell) { return {Target::GridCell, cell, 0}; }
  static CellBinding Palette(int32_t slot) { return {Target::PaletteSlot, {}, slot}; }
  static CellBinding Range(CellRange range) { return {Target::GridRange, {range.x1, range.y1}, 0, range}; }
  bool operator==(const CellBinding& other) const {
    return target == other.target && cell == other.cell && slot == other.slot && range.x1 == other.range.x1 &&
           range.y1 == other.range.y1 && range.x2 == other.range.x2 && range.y2 == other.range.y2;
  }
};

// The bound cell as it is now (for a range its first cell); nullptr for no
// binding or a cell off the grid.
const MapCell* BoundCell(const DocumentModel& model, const CellBinding& binding);
// The grid cells a change must touch to concern the binding.
bool ChangeTouchesBinding(const DocumentChange& change, const CellBinding& binding);
// Apply in the properties window: a grid cell changes as one undoable step; a
// palette slot is tool state and changes at once. A range is edited field by
// field (edit/CellFieldEdit.h), never here.
void ApplyToBoundCell(DocumentModel& model, const CellBinding& binding, const MapCell& value);

// The session's state as an event leaves it: the tools only work it out, and
// the editor makes it so through its editing interface, which tells whoever
// follows the selection, the tool or the slot. An empty part stays as it is.
struct SessionChange {
  std::optional<Selection> selection;
  std::optional<ToolMode> toolMode;
  std::optional<int32_t> slot;
};

// What the windows must do after an event, beyond what the document's change
// notification already tells them.
struct ToolResponse {
  SessionChange session;
  // The view's own state, which the view keeps: the cell under the pointer,
  // and the origin an arrow key scrolled to.
  std::optional<GridPoint> hoverCell;
  std::optional<GridPoint> viewOrigin;
  bool redraw = false;  // the origin moved
  std::optional<CellBinding> bind;
  bool showProperties = false;
  std::optional<PositionLabel> positionLabel;
  std::optional<CoreMessage> message;  // a passing line for the tool bar
};

// A rectangle being dragged out with the left button, from the press to the
// release. Escape ends it early: the selection goes back to `before`, and moves
// with the button still held no longer select. In Rectangle mode the release
// paints the dragged rectangle; in Brush mode the press starts a stroke instead.
struct SelectionDrag {
  bool active = false;
  bool cancelled = false;
  Selection before;
  PaintStroke stroke;
};

ToolResponse ViewPortMouseDown(DocumentModel& model, const EditorState& editor, SelectionDrag& drag,
                               const ViewGeometry& view, const PointerInput& input);
ToolResponse ViewPortMouseMove(DocumentModel& model, const EditorState& editor, SelectionDrag& drag,
                               const ViewGeometry& view, const PointerInput& input);
// The button's release ends a selection drag or a stroke; in Rectangle mode it
// paints the dragged rectangle as one step, with the textures the slot brings.
// A slot that cannot paint leaves the map as it is and says why.
ToolResponse ViewPortMouseUp(DocumentModel& model, const EditorState& editor, SelectionDrag& drag);
// Escape in the map view: during a selection drag it ends the drag and brings
// back the selection from before the press; otherwise it does nothing and
// returns an empty response.
ToolResponse CancelSelectionDrag(const EditorState& editor, SelectionDrag& drag);

}  // namespace tessmoor
