#include "edit/TextureCommands.h"

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <memory>
#include <utility>

#include "document/Stamp.h"
#include "textures/TextureReferences.h"

namespace tessmoor {

namespace {

constexpr DocumentChange TableChange{DocumentChangeFlag::TexturesChanged, NoCells};
// Deleting renumbers references all over the grid.
constexpr DocumentChange TableAndGridChange{DocumentChangeFlag::TexturesChanged | DocumentChangeFlag::CellsChanged,
                                            WholeGrid};

size_t EntryCost(const TextureEntry& entry) {
  size_t bytes = sizeof(TextureEntry);
  for (const TextureFrame& frame : entry.frames) {
    bytes += sizeof(RGB555) * static_cast<size_t>(frame.thumbnail.width) * static_cast<size_t>(frame.thumbnail.height);
  }
  return bytes;
}

void ReindexEntries(MapDocument& document) {
  for (int i = 0; i < MaxTextures; ++i) document.textures[static_cast<size_t>(i)].index = i;
}

// Every grid cell and palette slot, each cell renumbered by `renumber`.
template <typename Renumber>
void ForEveryReferringCell(MapDocument& document, Renumber&& renumber) {
  for (MapCell& cell : document.cells) renumber(cell);
  for (PaletteSlot& slot : document.paletteSlots) renumber(slot.cell);
}

template <typename Renumber>
void ForEveryClipboardCell(CellClipboard& clipboard, Renumber&& renumber) {
  if (clipboard.IsEmpty()) return;
  const size_t count = static_cast<size_t>(clipboard.width) * static_cast<size_t>(clipboard.height);
  for (size_t i = 0; i < count; ++i) renumber(clipboard.cells[i]);
}

// One entry swapped with the state the step holds: renames, animation types, frames.
class TextureEntryCommand : public EditCommand {
 public:
  TextureEntryCommand(StepName name, int texture, TextureEntry entry)
      : EditCommand(name), texture_(texture), entry_(std::move(entry)) {}
  void Apply(MapDocument& document) override { Swap(document); }
  void Revert(MapDocument& document) override { Swap(document); }
  DocumentChange Change() const override { return TableChange; }
  // The step holds the old entry while applied and the new one while undone:
  // it is charged for the larger of the two.
  size_t MemoryCost() const override { return sizeof(*this) + footprint_; }

 private:
  void Swap(MapDocument& document) {
    TextureEntry& inTable = document.textures[static_cast<size_t>(texture_)];
    std::swap(inTable, entry_);
    footprint_ = std::max({footprint_, EntryCost(entry_), EntryCost(inTable)});
  }

  int texture_;
  TextureEntry entry_;
  size_t footprint_ = 0;
};

class AddTextureCommand : public EditCommand {
 public:
  AddTextureCommand() : EditCommand(AddTextureStepName) {}
  void Apply(MapDocument& document) override {
    const int position = std::max(document.textureCount, 0);
    // Free entries own no thumbnails, but a fresh record makes sure of it.
    document.textures[static_cast<size_t>(position)] = NewTextureEntry(position);
    document.textureCount = position + 1;
  }
  void Revert(MapDocument& document) override {
    --document.textureCount;
    document.textures[static_cast<size_t>(document.textureCount)] = TextureEntry{};
  }
  DocumentChange Change() const override { return TableChange; }
  size_t MemoryCost() const override { return sizeof(*this); }
};

// Holds the deleted entry with its thumbnails, and which clipboard references
// pointed at it, so undo puts back exactly what was there.
class DeleteTextureCommand : public EditCommand {
 public:
  DeleteTextureCommand(int texture, std::weak_ptr<CellClipboard> clipboard)
      : EditCommand(DeleteTextureStepName),
        texture_(static_cast<uint16_t>(texture)),
        clipboard_(std::move(clipboard)) {}

  void Apply(MapDocument& document) override {
    // Nothing in the map refers to the texture, so no reference becomes NoTexture there.
    ForEveryReferringCell(document, [this](MapCell& cell) { RenumberReferences(cell, texture_, texture_); });
    RenumberClipboard(document);
    // Records are moved, never copied, so every thumbnail keeps exactly one owner.
    auto first = document.textures.begin() + texture_;
    entry_ = std::move(*first);
    std::move(std::next(first), document.textures.begin() + document.textureCount, first);
    --document.textureCount;
    document.textures[static_cast<size_t>(document.textureCount)] = TextureEntry{};
    ReindexEntries(document);
  }

  void Revert(MapDocument& document) override {
    auto first = document.textures.begin() + texture_;
    std::move_backward(first, document.textures.begin() + document.textureCount,
                       document.textures.begin() + document.textureCount + 1);
    *first = std::move(entry_);
    entry_ = TextureEntry{};
    ++document.textureCount;
    ReindexEntries(document);
    ForEveryReferringCell(document, [this](MapCell& cell) { MakeRoomForReference(cell, texture_); });
    RestoreClipboard(document);
  }

  DocumentChange Change() const override { return TableAndGridChange; }
  // Charged once, after Apply, while it holds the deleted entry: its larger footprint.
  size_t MemoryCost() const override {
    return sizeof(*this) + EntryCost(entry_) + clipboardReferences_.capacity() * sizeof(size_t);
  }

 private:
  // A clipboard serves every map: only a block copied from this one refers to its table.
  std::shared_ptr<CellClipboard> ClipboardOf(const MapDocument& document) const {
    std::shared_ptr<CellClipboard> clipboard = clipboard_.lock();
    return clipboard && !clipboard->IsEmpty() && clipboard->sourceMap == document.mapId ? clipboard : nullptr;
  }

  void RenumberClipboard(const MapDocument& document) {
    clipboardReferences_.clear();
    const std::shared_ptr<CellClipboard> clipboard = ClipboardOf(document);
    if (!clipboard) return;
    generation_ = clipboard->generation;
    // What the block's references mean follows the table, for a paste into another map.
    std::vector<StampTexture>& described = clipboard->textures;
    if (texture_ < described.size()) described.erase(described.begin() + texture_);
    const size_t count = static_cast<size_t>(clipboard->width) * static_cast<size_t>(clipboard->height);
    for (size_t i = 0; i < count; ++i) {
      for (int s = 0; s < SurfaceCount; ++s) {
        if (clipboard->cells[i].texture[s] == texture_) clipboardReferences_.push_back(i * SurfaceCount + size_t(s));
      }
    }
    // A later paste must not pick up whichever texture took the deleted one's place.
    ForEveryClipboardCell(*clipboard, [this](MapCell& cell) { RenumberReferences(cell, texture_, NoTexture); });
  }

  void RestoreClipboard(const MapDocument& document) {
    const std::shared_ptr<CellClipboard> clipboard = ClipboardOf(document);
    if (!clipboard) return;
    std::vector<StampTexture>& described = clipboard->textures;
    if (texture_ <= described.size()) {
      described.insert(described.begin() + texture_, DescribeTexture(document.textures[texture_]));
    }
    ForEveryClipboardCell(*clipboard, [this](MapCell& cell) { MakeRoomForReference(cell, texture_); });
    // A block copied after the delete never referred to the deleted texture.
    if (clipboard->generation != generation_) return;
    for (const size_t place : clipboardReferences_) {
      clipboard->cells[place / SurfaceCount].texture[static_cast<int>(place % SurfaceCount)] = texture_;
    }
  }

  uint16_t texture_;
  std::weak_ptr<CellClipboard> clipboard_;
  TextureEntry entry_;
  uint64_t generation_ = 0;
  std::vector<size_t> clipboardReferences_;  // cell * SurfaceCount + surface
};

// Builds the entry's new state on a copy; a change that refuses adds no step.
template <typename Change>
bool ChangeEntry(DocumentModel& model, int texture, StepName stepName, Change&& change) {
  if (!IsTextureInTable(model.Map(), texture)) return false;
  TextureEntry entry = CopyTextureEntry(model.Map().textures[static_cast<size_t>(texture)]);
  if (!change(entry)) return false;
  model.Execute(std::make_unique<TextureEntryCommand>(stepName, texture, std::move(entry)));
  return true;
}

TextureResult Refused(CoreMessage message = {}) { return {false, std::move(message)}; }

}  // namespace

TextureResult AddTexture(DocumentModel& model) {
  if (model.Map().textureCount >= MaxTextures) return Refused(TooManyTexturesMessage);
  model.Execute(std::make_unique<AddTextureCommand>());
  return {};
}

TextureResult RenameTexture(DocumentModel& model, int texture, const std::string& name) {
  if (!IsTextureInTable(model.Map(), texture)) return Refused();
  ChangeEntry(model, texture, RenameTextureStepName, [&](TextureEntry& entry) {
    const auto before = std::to_array(entry.name);
    RenameTexture(entry, name);
    return before != std::to_array(entry.name);  // the same name again is no step
  });
  return {};
}

TextureResult SetAnimationType(DocumentModel& model, int texture, AnimationType type) {
  if (!IsTextureInTable(model.Map(), texture)) return Refused();
  ChangeEntry(model, texture, AnimationStepName,
              [&](TextureEntry& entry) { return std::exchange(entry.animationType, type) != type; });
  return {};
}

TextureResult DeleteTexture(DocumentModel& model, int texture, const std::shared_ptr<CellClipboard>& clipboard) {
  if (!IsTextureInTable(model.Map(), texture)) return Refused();
  if (IsTextureReferenced(model.Map(), static_cast<uint16_t>(texture))) return Refused(TextureInUseMessage);
  model.Execute(MakeDeleteTextureCommand(texture, clipboard));
  return {};
}

std::unique_ptr<EditCommand> MakeDeleteTextureCommand(int texture, const std::shared_ptr<CellClipboard>& clipboard) {
  return std::make_unique<DeleteTextureCommand>(texture, clipboard);
}

AddFramesResult AddFrames(DocumentModel& model, const std::string& programDirectory, int texture,
                          const std::vector<std::string>& chosenPaths) {
  AddFramesResult result;
  ChangeEntry(model, texture, AddFramesStepName, [&](TextureEntry& entry) {
    result = AddFrames(entry, programDirectory, chosenPaths);
    return result.added > 0;
  });
  return result;
}

bool RemoveFrame(DocumentModel& model, int texture, int position) {
  return ChangeEntry(model, texture, RemoveFrameStepName,
                     [&](TextureEntry& entry) { return RemoveFrame(entry, position); });
}

bool MoveFrameUp(DocumentModel& model, int texture, int position) {
  return ChangeEntry(model, texture, MoveFrameStepName,
                     [&](TextureEntry& entry) { return MoveFrameUp(entry, position); });
}

bool MoveFrameDown(DocumentModel& model, int texture, int position) {
  return ChangeEntry(model, texture, MoveFrameStepName,
                     [&](TextureEntry& entry) { return MoveFrameDown(entry, position); });
}

}  // namespace tessmoor
