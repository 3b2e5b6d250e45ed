#pragma once
// Fill, copy and paste: the edits of the selection and the cell clipboard.

#include "document/MapDocument.h"
#include "edit/BlockPlacement.h"
#include "edit/DocumentModel.h"

namespace tessmoor {

// The selection in order and held inside the grid.
CellRange SelectedCells(const Selection& selection);
// Fills the selection from the current palette slot, as one step.
void FillSelection(DocumentModel& model, const EditorState& editor);
// Copy the selection into the clipboard (replacing it), with what its textures are.
void CopySelection(const MapDocument& document, EditorState& editor);
// Paste the clipboard at the selection's top-left cell, clipped at column and
// row 63, as one step; the selection becomes the pasted area. Into the map it
// was copied from the block's records go as they are; into any other its
// textures come along (ClipboardTransfer.h), and a table that cannot take them
// refuses with the message. Not ok (nothing changed) without a clipboard block.
PlacementResult PasteClipboard(DocumentModel& model, EditorState& editor);
// The same paste, leaving the selection to the caller: the range pasted comes back in the result.
PlacementResult PasteAtSelection(DocumentModel& model, const EditorState& editor);

}  // namespace tessmoor
