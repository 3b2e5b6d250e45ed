#pragma once
// The palette slots as templates that outlive the map: each can be told as a
// one-cell stamp, its textures by name and frames, and taken back into any
// map. Painting with a slot never writes a texture number the table does not
// mean: what the table lacks comes along as a stamp's textures do.

#include <memory>
#include <string>
#include <vector>

#include "document/MapDocument.h"
#include "document/Stamp.h"
#include "edit/BlockPlacement.h"
#include "edit/DocumentModel.h"

namespace tessmoor {

inline const CoreMessage EmptySlotMessage{CoreCode::EmptySlot, {}};

// The slot's cell with its textures by name and frames.
Stamp SlotStamp(const MapDocument& document, int slot);

// Fills the slot from `stamp`'s first cell: a texture the table holds by the
// same name and frames is used, any other leaves the slot waiting for it
// (PaletteSlot::missing).
void RestoreSlot(DocumentModel& model, int slot, const Stamp& stamp);

// What painting with the current slot writes into this map: its cell with
// every texture numbered for the table, and the entries the table gains for it
// (pictures from GFX/ below `programDirectory`). Not ok, with the message, for
// a slot never filled or a table that cannot take the textures.
struct SlotPaint {
  bool ok = false;
  CoreMessage message;
  MapCell cell{};
  std::vector<TextureEntry> addedTextures;
};
SlotPaint PrepareSlotPaint(const DocumentModel& model, const std::string& programDirectory);

// `cells`, a step that writes `paint.cell`, run as one step with the entries
// the paint brings; `paint` stays as it was, so the same paint can run again
// once the step is undone.
void ExecuteSlotPaint(DocumentModel& model, const SlotPaint& paint, std::unique_ptr<EditCommand> cells);

// Paints the current slot's cell at `cell` as one step, with the textures it
// brings. An empty slot paints nothing and says so in the message.
PlacementResult PaintWithSlot(DocumentModel& model, GridPoint cell, const std::string& programDirectory);

}  // namespace tessmoor
