#include "edit/TextureCommands.h"

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <memory>
#include <utility>

#include "textures/TextureReferences.h"

namespace {

constexpr DocumentChange TableChange{TexturesChanged, NoCells};
// Deleting renumbers references all over the grid.
constexpr DocumentChange TableAndGridChange{TexturesChanged | CellsChanged, WholeGrid};

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

// One entry swapped with the state the step holds: renames, animation types, frames.
class TextureEntryCommand : public EditCommand {
 public:
  TextureEntryCommand(const char* name, int texture, TextureEntry entry)
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
  void Apply(MapDocument& document) override { ::AddTexture(document); }
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
  DeleteTextureCommand(int texture, CellClipboard* clipboard)
      : EditCommand(DeleteTextureStepName), texture_(static_cast<uint16_t>(texture)), clipboard_(clipboard) {}

  void Apply(MapDocument& document) override {
    RenumberReferences(document, texture_);
    RenumberClipboard();
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
    MakeRoomForReference(document, texture_);
    RestoreClipboard();
  }

  DocumentChange Change() const override { return TableAndGridChange; }
  // Charged once, after Apply, while it holds the deleted entry: its larger footprint.
  size_t MemoryCost() const override {
    return sizeof(*this) + EntryCost(entry_) + clipboardReferences_.capacity() * sizeof(size_t);
  }

 private:
  void RenumberClipboard() {
    clipboardReferences_.clear();
    if (clipboard_ == nullptr || clipboard_->IsEmpty()) return;
    generation_ = clipboard_->generation;
    const size_t count = static_cast<size_t>(clipboard_->width) * static_cast<size_t>(clipboard_->height);
    for (size_t i = 0; i < count; ++i) {
      for (size_t s = 0; s < SurfaceCount; ++s) {
        if (clipboard_->cells[i].texture[s] == texture_) clipboardReferences_.push_back(i * SurfaceCount + s);
      }
    }
    RenumberReferences(*clipboard_, texture_);
  }

  void RestoreClipboard() {
    if (clipboard_ == nullptr || clipboard_->IsEmpty()) return;
    MakeRoomForReference(*clipboard_, texture_);
    // A block copied after the delete never referred to the deleted texture.
    if (clipboard_->generation != generation_) return;
    for (const size_t place : clipboardReferences_) {
      clipboard_->cells[place / SurfaceCount].texture[place % SurfaceCount] = texture_;
    }
  }

  uint16_t texture_;
  CellClipboard* clipboard_;
  TextureEntry entry_;
  uint64_t generation_ = 0;
  std::vector<size_t> clipboardReferences_;  // cell * SurfaceCount + surface
};

// Builds the entry's new state on a copy; a change that refuses adds no step.
template <typename Change>
bool ChangeEntry(DocumentModel& model, int texture, const char* stepName, Change&& change) {
  if (!IsTextureInTable(model.Map(), texture)) return false;
  TextureEntry entry = CopyTextureEntry(model.Map().textures[static_cast<size_t>(texture)]);
  if (!change(entry)) return false;
  model.Execute(std::make_unique<TextureEntryCommand>(stepName, texture, std::move(entry)));
  return true;
}

TextureResult Refused(std::string message = {}) { return {false, std::move(message)}; }

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

TextureResult DeleteTexture(DocumentModel& model, int texture, CellClipboard* clipboard) {
  if (!IsTextureInTable(model.Map(), texture)) return Refused();
  if (IsTextureReferenced(model.Map(), static_cast<uint16_t>(texture))) return Refused(TextureInUseMessage);
  model.Execute(MakeDeleteTextureCommand(texture, clipboard));
  return {};
}

std::unique_ptr<EditCommand> MakeDeleteTextureCommand(int texture, CellClipboard* clipboard) {
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
