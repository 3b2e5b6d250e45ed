#pragma once
// The palette slots as templates that outlive the map: each can be told as a
// one-cell stamp, its textures by name and frames, and taken back into any
// map. Painting with a slot never writes a texture number the table does not
// mean: what the table lacks comes along as a stamp's textures do.

#include <string>

#include "document/MapDocument.h"
#include "document/Stamp.h"
#include "edit/BlockPlacement.h"
#include "edit/DocumentModel.h"

namespace tessmoor {

inline constexpr const char* EmptySlotMessage = "Die Vorlage ist leer: Umschalt+Klick auf eine Zelle übernimmt sie.";

// The slot's cell with its textures by name and frames.
Stamp SlotStamp(const MapDocument& document, int slot);

// Fills the slot from `stamp`'s first cell: a texture the table holds by the
// same name and frames is used, any other leaves the slot waiting for it
// (PaletteSlot::missing).
void RestoreSlot(DocumentModel& model, int slot, const Stamp& stamp);

// Paints the current slot's cell at `cell` as one step, with the textures it
// brings. An empty slot paints nothing and says so in the message.
PlacementResult PaintWithSlot(DocumentModel& model, GridPoint cell, const std::string& programDirectory);

}  // namespace tessmoor
