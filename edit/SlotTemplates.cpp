#include "edit/SlotTemplates.h"

#include <memory>
#include <vector>

#include "edit/CellCommands.h"
#include "textures/TextureTable.h"

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

SlotPaint PrepareSlotPaint(const DocumentModel& model, const std::string& programDirectory) {
  const PaletteSlot& slot = CurrentSlot(model.Map());
  if (!slot.filled) return {false, EmptySlotMessage, {}, {}};
  if (!slot.missing) return {true, {}, slot.cell, {}};
  const Stamp& stamp = *slot.missing;
  StampTextureTargets textures = TargetStampTextures(model.Map(), stamp, stamp.block.cells, programDirectory);
  if (!textures.fits) return {false, TooManyTexturesMessage, {}, {}};
  SlotPaint paint{true, {}, stamp.block.cells.front(), std::move(textures.added)};
  RenumberTextures(paint.cell, textures.target);
  return paint;
}

void ExecuteSlotPaint(DocumentModel& model, const SlotPaint& paint, std::unique_ptr<EditCommand> cells) {
  std::vector<TextureEntry> added;
  added.reserve(paint.addedTextures.size());
  for (const TextureEntry& entry : paint.addedTextures) added.push_back(CopyTextureEntry(entry));
  model.Execute(WithAddedTextures(PaintStepName, std::move(added), std::move(cells)));
}

PlacementResult PaintWithSlot(DocumentModel& model, GridPoint cell, const std::string& programDirectory) {
  if (cell.x < 0 || cell.x >= GridSize || cell.y < 0 || cell.y >= GridSize) return {};
  const SlotPaint paint = PrepareSlotPaint(model, programDirectory);
  if (!paint.ok) return {false, paint.message, NoCells, 0};
  const CellRange range{cell.x, cell.y, cell.x, cell.y};
  ExecuteSlotPaint(model, paint,
                   std::make_unique<CellBlockCommand>(PaintStepName, range, UniformBlock(range, paint.cell)));
  return {true, {}, range, static_cast<int>(paint.addedTextures.size())};
}

}  // namespace tessmoor
