#include "edit/SlotTemplates.h"

#include <memory>
#include <vector>

#include "edit/CellCommands.h"

namespace tessmoor {

namespace {

// The table's number of `texture`, or -1.
int FindTexture(const MapDocument& document, const StampTexture& texture) {
  for (int t = 0; t < document.textureCount; ++t) {
    if (SameTexture(document.textures[static_cast<size_t>(t)], texture)) return t;
  }
  return -1;
}

}  // namespace

Stamp SlotStamp(const MapDocument& document, int slot) {
  const PaletteSlot& kept = document.paletteSlots[static_cast<size_t>(ClampedSlot(slot))];
  if (kept.missing) return *kept.missing;
  return CellStamp(document, kept.cell);
}

void RestoreSlot(DocumentModel& model, int slot, const Stamp& stamp) {
  if (stamp.block.cells.empty()) return;
  MapCell cell = stamp.block.cells.front();
  bool complete = true;
  for (uint16_t& texture : cell.texture) {
    if (texture == NoTexture) continue;
    const int found = texture < stamp.textures.size() ? FindTexture(model.Map(), stamp.textures[texture]) : -1;
    complete = complete && (found >= 0 || texture >= stamp.textures.size());
    texture = found >= 0 ? static_cast<uint16_t>(found) : NoTexture;
  }
  Stamp single = stamp;
  single.block = {1, 1, {stamp.block.cells.front()}};
  model.SetSlotCell(slot, cell, complete ? nullptr : std::make_shared<const Stamp>(std::move(single)));
}

PlacementResult PaintWithSlot(DocumentModel& model, GridPoint cell, const std::string& programDirectory) {
  const PaletteSlot& slot = CurrentSlot(model.Map());
  if (!slot.filled) return {false, EmptySlotMessage, NoCells, 0};
  if (slot.missing) {
    // A copy: the step may change the slots' record while it runs.
    const std::shared_ptr<const Stamp> stamp = slot.missing;
    return PlaceStamp(model, *stamp, {cell, {}, false}, programDirectory, PaintStepName);
  }
  SetCell(model, cell, slot.cell, PaintStepName);
  return {true, {}, {cell.x, cell.y, cell.x, cell.y}, 0};
}

}  // namespace tessmoor
