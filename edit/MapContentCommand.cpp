#include "edit/MapContentCommand.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "textures/TextureTable.h"

namespace tessmoor {

namespace {

bool SameCell(const MapCell& a, const MapCell& b) { return std::memcmp(&a, &b, sizeof(MapCell)) == 0; }

// The rectangle around every cell that differs; NoCells when none does.
CellRange ChangedCells(const MapDocument& before, const MapDocument& after) {
  CellRange range{GridSize, GridSize, -1, -1};
  for (int x = 0; x < GridSize; ++x) {
    for (int y = 0; y < GridSize; ++y) {
      if (SameCell(before.Cell(x, y), after.Cell(x, y))) continue;
      range = {std::min(range.x1, x), std::min(range.y1, y), std::max(range.x2, x), std::max(range.y2, y)};
    }
  }
  return range.x2 < 0 ? NoCells : range;
}

// What the map file stores of an entry: its name, animation and frame names.
bool SameEntry(const TextureEntry& a, const TextureEntry& b) {
  if (std::memcmp(a.name, b.name, sizeof a.name) != 0 || a.animationType != b.animationType ||
      a.frameCount != b.frameCount || a.index != b.index)
    return false;
  for (int f = 0; f < std::clamp(a.frameCount, 0, MaxFrames); ++f) {
    if (std::memcmp(a.frames[size_t(f)].fileName, b.frames[size_t(f)].fileName, sizeof a.frames[0].fileName) != 0)
      return false;
  }
  return true;
}

bool SameTable(const MapDocument& before, const MapDocument& after) {
  if (before.textureCount != after.textureCount) return false;
  for (int t = 0; t < std::clamp(before.textureCount, 0, MaxTextures); ++t) {
    if (!SameEntry(before.textures[size_t(t)], after.textures[size_t(t)])) return false;
  }
  return true;
}

}  // namespace

void CopyMapContent(const MapDocument& from, MapDocument& to) {
  to.startPosition = from.startPosition;
  to.textureCount = from.textureCount;
  for (size_t t = 0; t < from.textures.size(); ++t) to.textures[t] = CopyTextureEntry(from.textures[t]);
  to.cells = from.cells;
  to.paletteSlots = from.paletteSlots;
  to.currentSlot = from.currentSlot;
  to.fileName = from.fileName;
}

std::unique_ptr<MapContentCommand> MapContentCommand::Between(StepName name, const MapDocument& before,
                                                              const MapDocument& after) {
  std::unique_ptr<MapContentCommand> step(new MapContentCommand(name));
  step->cellRange_ = ChangedCells(before, after);
  for (int x = step->cellRange_.x1; x <= step->cellRange_.x2; ++x) {
    for (int y = step->cellRange_.y1; y <= step->cellRange_.y2; ++y) step->cells_.push_back(after.Cell(x, y));
  }
  step->startChanged_ =
      before.startPosition.x != after.startPosition.x || before.startPosition.y != after.startPosition.y;
  step->start_ = after.startPosition;
  step->tableChanged_ = !SameTable(before, after);
  if (step->tableChanged_) {
    step->textureCount_ = after.textureCount;
    const int kept = std::clamp(std::max(before.textureCount, after.textureCount), 0, MaxTextures);
    for (int t = 0; t < kept; ++t) step->textures_.push_back(CopyTextureEntry(after.textures[size_t(t)]));
  }
  if (step->cells_.empty() && !step->startChanged_ && !step->tableChanged_) return nullptr;
  return step;
}

void MapContentCommand::Swap(MapDocument& document) {
  size_t i = 0;
  for (int x = cellRange_.x1; x <= cellRange_.x2; ++x) {
    for (int y = cellRange_.y1; y <= cellRange_.y2; ++y) std::swap(document.Cell(x, y), cells_[i++]);
  }
  if (startChanged_) std::swap(document.startPosition, start_);
  if (tableChanged_) {
    std::swap(document.textureCount, textureCount_);
    for (size_t t = 0; t < textures_.size(); ++t) std::swap(document.textures[t], textures_[t]);
  }
}

DocumentChange MapContentCommand::Change() const {
  DocumentChange change{DocumentChangeFlag::None, NoCells};
  if (!cells_.empty()) change = {DocumentChangeFlag::CellsChanged, cellRange_};
  if (startChanged_) change.what |= DocumentChangeFlag::StartPositionChanged;
  if (tableChanged_) change.what |= DocumentChangeFlag::TexturesChanged;
  return change;
}

size_t MapContentCommand::MemoryCost() const {
  return sizeof(*this) + cells_.size() * sizeof(MapCell) + textures_.size() * sizeof(TextureEntry);
}

}  // namespace tessmoor
