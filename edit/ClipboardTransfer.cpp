#include "edit/ClipboardTransfer.h"

#include <algorithm>
#include <atomic>
#include <memory>

#include "document/ClipboardPayload.h"
#include "edit/CellCommands.h"

namespace tessmoor {

uint64_t NextClipboardGeneration() {
  static std::atomic<uint64_t> generation{0};
  return ++generation;
}

bool CopiedFrom(const CellClipboard& clipboard, const MapDocument& map) { return clipboard.sourceMap == map.mapId; }

Stamp ClipboardStamp(const CellClipboard& clipboard) {
  Stamp stamp;
  if (clipboard.IsEmpty()) return stamp;
  stamp.block.width = clipboard.width;
  stamp.block.height = clipboard.height;
  const size_t count = static_cast<size_t>(clipboard.width) * static_cast<size_t>(clipboard.height);
  stamp.block.cells.assign(clipboard.cells.get(), clipboard.cells.get() + count);
  std::vector<int> local(clipboard.textures.size(), -1);
  for (MapCell& cell : stamp.block.cells) {
    for (uint16_t& texture : cell.texture) {
      if (texture == NoTexture) continue;
      if (texture >= clipboard.textures.size()) {
        texture = NoTexture;
        continue;
      }
      if (local[texture] < 0) {
        local[texture] = static_cast<int>(stamp.textures.size());
        stamp.textures.push_back(clipboard.textures[texture]);
      }
      texture = static_cast<uint16_t>(local[texture]);
    }
  }
  return stamp;
}

PlacementResult PasteIntoOtherMap(DocumentModel& model, const CellClipboard& clipboard, const Placement& placement,
                                  const std::string& programDirectory) {
  if (clipboard.IsEmpty()) return {};
  return PlaceStamp(model, ClipboardStamp(clipboard), placement, programDirectory, PasteStepName);
}

std::vector<uint8_t> PublishedBlock(const CellClipboard& clipboard) {
  if (clipboard.IsEmpty()) return {};
  return ClipboardPayloadBytes({clipboard.owner, clipboard.generation, ClipboardStamp(clipboard)});
}

bool IsForeignBlock(const CellClipboard& clipboard, const uint8_t* data, size_t size) {
  uint64_t owner = 0, generation = 0;
  if (!ReadClipboardSender(owner, generation, data, size)) return false;
  // Generations count through the whole process: of two clipboards here (two
  // windows), the later copy is the newer.
  if (owner == clipboard.owner) return generation > clipboard.generation;
  return !(owner == clipboard.takenOwner && generation == clipboard.takenGeneration);
}

bool TakePublishedBlock(CellClipboard& clipboard, const uint8_t* data, size_t size) {
  if (!IsForeignBlock(clipboard, data, size)) return false;
  ClipboardPayload payload;
  if (!ReadClipboardPayload(payload, data, size)) return false;
  const CellBlock& block = payload.block.block;
  clipboard.cells = std::make_unique_for_overwrite<MapCell[]>(block.cells.size());
  std::copy(block.cells.begin(), block.cells.end(), clipboard.cells.get());
  clipboard.width = block.width;
  clipboard.height = block.height;
  clipboard.textures = std::move(payload.block.textures);
  clipboard.sourceMap = 0;
  clipboard.generation = NextClipboardGeneration();
  clipboard.takenOwner = payload.owner;
  clipboard.takenGeneration = payload.generation;
  return true;
}

}  // namespace tessmoor
