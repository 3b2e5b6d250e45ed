#pragma once
// The cell clipboard's block on the desktop's clipboard, in a MIME type of its
// own, so that a second editor process can paste what this one copied.

#include "document/MapDocument.h"

namespace tessmoor {

// Puts the clipboard's block on the system clipboard (nothing without a block).
void PublishBlock(const CellClipboard& clipboard);

// Whether the system clipboard holds a block `clipboard` has not got: one
// another process (or another clipboard) copied since.
bool SystemHoldsForeignBlock(const CellClipboard& clipboard);

// Takes such a block into `clipboard`, which then pastes it as from another
// map; true when it did. Bytes that do not read as a block leave it as it was.
bool TakeBlockFromSystem(CellClipboard& clipboard);

}  // namespace tessmoor
