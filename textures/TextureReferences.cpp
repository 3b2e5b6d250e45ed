#include "textures/TextureReferences.h"

#include <algorithm>

namespace {

bool CellRefersTo(const MapCell& cell, uint16_t texture) {
  return std::find(std::begin(cell.texture), std::end(cell.texture), texture) != std::end(cell.texture);
}

}  // namespace

bool IsTextureReferenced(const MapDocument& document, uint16_t texture) {
  const auto refers = [texture](const MapCell& cell) { return CellRefersTo(cell, texture); };
  if (std::any_of(document.cells.begin(), document.cells.end(), refers)) return true;
  return std::any_of(document.paletteSlots.begin(), document.paletteSlots.end(),
                     [&](const PaletteSlot& slot) { return refers(slot.cell); });
}

void RenumberReferences(MapCell& cell, uint16_t deleted, uint16_t replacement) {
  for (uint16_t& reference : cell.texture) {
    if (reference == NoTexture) continue;
    if (reference == deleted) {
      reference = replacement;
    } else if (reference > deleted) {
      --reference;
    }
  }
}

void RenumberReferences(MapDocument& document, uint16_t deleted) {
  // Nothing refers to `deleted` when this runs, so the replacement never applies.
  for (MapCell& cell : document.cells) RenumberReferences(cell, deleted, deleted);
  for (PaletteSlot& slot : document.paletteSlots) RenumberReferences(slot.cell, deleted, deleted);
}

void RenumberReferences(CellClipboard& clipboard, uint16_t deleted) {
  if (clipboard.IsEmpty()) return;
  const int count = clipboard.width * clipboard.height;
  for (int i = 0; i < count; ++i) RenumberReferences(clipboard.cells[static_cast<size_t>(i)], deleted, NoTexture);
}

void MakeRoomForReference(MapCell& cell, uint16_t inserted) {
  for (uint16_t& reference : cell.texture) {
    if (reference != NoTexture && reference >= inserted) ++reference;
  }
}

void MakeRoomForReference(MapDocument& document, uint16_t inserted) {
  for (MapCell& cell : document.cells) MakeRoomForReference(cell, inserted);
  for (PaletteSlot& slot : document.paletteSlots) MakeRoomForReference(slot.cell, inserted);
}

void MakeRoomForReference(CellClipboard& clipboard, uint16_t inserted) {
  if (clipboard.IsEmpty()) return;
  const int count = clipboard.width * clipboard.height;
  for (int i = 0; i < count; ++i) MakeRoomForReference(clipboard.cells[static_cast<size_t>(i)], inserted);
}
