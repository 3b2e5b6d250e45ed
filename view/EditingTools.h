#pragma once
// The editing rules of the map view, free of any user interface: a mouse event
// arrives as a small input record, and what the windows must do in response
// goes through the ToolHost.

#include <cstdint>
#include <string>

#include "document/MapDocument.h"
#include "view/MapView.h"

enum class MouseButton { Left, Right, Middle };

struct PointerInput {
  MouseButton button = MouseButton::Left;  // the button pressed (mouse down only)
  bool shift = false;
  bool leftHeld = false;  // for moves: the left button is down
  int32_t x = 0;          // view pixels
  int32_t y = 0;
};

// Which change notification the properties window calls after an Apply.
enum class CellNotification { SlotEdited, CellEdited };

class ToolHost {
 public:
  virtual ~ToolHost() = default;
  virtual void RedrawView() = 0;
  virtual void SetSelectButtonDown(bool down) = 0;
  virtual void BindCell(MapCell& cell, CellNotification notification) = 0;
  virtual void ShowPropertiesWindow() = 0;
  virtual void SetPositionLabel(const std::string& text) = 0;
};

void SetToolMode(EditorState& editor, int32_t mode, ToolHost& host);

void ViewPortMouseDown(MapDocument& document, EditorState& editor, const ViewGeometry& view,
                       const PointerInput& input, ToolHost& host);
void ViewPortMouseMove(MapDocument& document, EditorState& editor, const ViewGeometry& view,
                       const PointerInput& input, ToolHost& host);

// Fill the selection from the current palette slot; sets modified.
void FillSelection(MapDocument& document, const EditorState& editor);
// Copy the selection into the clipboard (replacing it).
void CopySelection(const MapDocument& document, EditorState& editor);
// Paste the clipboard at the selection's top-left cell, clipped at column and
// row 63; the selection becomes the pasted area. False (nothing changed) without
// a clipboard block.
bool PasteClipboard(MapDocument& document, EditorState& editor);

// The Edit menu's fill and paste: the operation above, then the redraw. A paste
// without a clipboard block changes nothing and does not redraw.
void EditFill(MapDocument& document, const EditorState& editor, ToolHost& host);
void EditPaste(MapDocument& document, EditorState& editor, ToolHost& host);

// The two change notifications handed to the properties window.
void NotifySlotEdited(ToolHost& host);
void NotifyCellEdited(MapDocument& document, ToolHost& host);
