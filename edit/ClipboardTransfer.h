#pragma once
// The cell clipboard between maps and between processes. A block carries what
// its textures are (name, animation, frame names), as a stamp does, so a map
// other than its own finds each by name and frames or appends it; its own map
// gets exactly its references back. Another process reads the block from the
// system clipboard's bytes, which this file writes and takes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "document/MapDocument.h"
#include "document/Stamp.h"
#include "edit/BlockPlacement.h"
#include "edit/DocumentModel.h"

namespace tessmoor {

// A number for a new block in any clipboard of this process, never reused.
uint64_t NextClipboardGeneration();

// Whether the block was copied from `map` as it is now (not from a map it replaced).
bool CopiedFrom(const CellClipboard& clipboard, const MapDocument& map);

// The block as an unnamed stamp: references renumbered by first use to the
// textures it names; one its copy did not describe (it pointed past the
// table) becomes NoTexture, since no other map can tell what it meant.
Stamp ClipboardStamp(const CellClipboard& clipboard);

// The block into a map it was not copied from, as one step: its textures as
// PlaceStamp brings a stamp's (pictures from GFX/ below `programDirectory`).
// Refused with the message, changing nothing, when the table cannot take them.
PlacementResult PasteIntoOtherMap(DocumentModel& model, const CellClipboard& clipboard, const Placement& placement,
                                  const std::string& programDirectory);

// What the system clipboard carries for the clipboard's block; empty without one.
std::vector<uint8_t> PublishedBlock(const CellClipboard& clipboard);

// Takes a block published elsewhere into `clipboard`: one another process
// copied, once (not again after it was taken), or one another clipboard of
// this process copied after the block `clipboard` holds; and only bytes that
// read as a whole block. True when `clipboard` now holds it.
bool TakePublishedBlock(CellClipboard& clipboard, const uint8_t* data, size_t size);

// Whether TakePublishedBlock would take these bytes, without reading the block.
bool IsForeignBlock(const CellClipboard& clipboard, const uint8_t* data, size_t size);

}  // namespace tessmoor
