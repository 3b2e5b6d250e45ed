#include "document/MapDocument.h"

#include <algorithm>
#include <atomic>
#include <random>
#include <utility>

namespace tessmoor {

uint64_t NewMapId() {
  static std::atomic<uint64_t> last{0};
  return ++last;
}

// Random, so that two processes never take each other's blocks for their own.
uint64_t ProcessClipboardOwner() {
  static const uint64_t owner = [] {
    std::random_device device;
    const uint64_t number = (uint64_t{device()} << 32) ^ device();
    return number != 0 ? number : 1;
  }();
  return owner;
}

CellRange Normalized(const Selection& s) {
  return {std::min(s.x1, s.x2), std::min(s.y1, s.y2), std::max(s.x1, s.x2), std::max(s.y1, s.y2)};
}

int ClampedSlot(int slot) { return std::clamp(slot, 0, PaletteSlotCount - 1); }

const PaletteSlot& CurrentSlot(const MapDocument& document) {
  return document.paletteSlots[static_cast<size_t>(ClampedSlot(document.currentSlot))];
}

std::string Caption(const MapDocument& document) { return TitlePrefix + document.fileName; }

void SetCellDefaults(MapCell& cell) {
  cell.type = static_cast<uint8_t>(CellType::Nothing);
  cell.opacity = 128;
  cell.reserved = 0;
  cell.floorHeight = 0.0f;
  for (float& corner : cell.ceilingHeight) corner = 128.0f;
  cell.waterLevel = 0.0f;
  for (uint16_t& texture : cell.texture) texture = NoTexture;
  for (int16_t& offset : cell.textureOffset) offset = 0;
}

void ReleaseTextures(MapDocument& document) {
  // Resetting the entries releases every thumbnail buffer they own.
  for (TextureEntry& entry : document.textures) entry = TextureEntry{};
  document.textureCount = 0;
}

void ClearDocument(MapDocument& document, bool releaseTextures) {
  for (MapCell& cell : document.cells) SetCellDefaults(cell);
  for (int i = 0; i < PaletteSlotCount; ++i) {
    PaletteSlot& slot = document.paletteSlots[static_cast<size_t>(i)];
    slot.rect = {3, 2 + 72 * i, 66, 65 + 72 * i};
    SetCellDefaults(slot.cell);
    slot.filled = false;
    slot.missing.reset();
  }
  document.startPosition = {};
  document.currentSlot = 0;
  if (releaseTextures) ReleaseTextures(document);
  document.fileName = UntitledName;
  document.modified = false;
}

void ResetDocument(MapDocument& document, EditorState& editor, bool releaseTextures) {
  ClearDocument(document, releaseTextures);
  editor.viewOrigin = {};
  editor.selection = {};
}

}  // namespace tessmoor
