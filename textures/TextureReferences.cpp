#include "textures/TextureReferences.h"

#include <algorithm>

namespace tessmoor {

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

void MakeRoomForReference(MapCell& cell, uint16_t inserted) {
  for (uint16_t& reference : cell.texture) {
    if (reference != NoTexture && reference >= inserted) ++reference;
  }
}

}  // namespace tessmoor
