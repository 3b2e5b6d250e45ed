#include "textures/TextureTable.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "document/PascalString.h"
#include "textures/TextureReferences.h"

namespace {

TextureResult Refused(std::string message = {}) { return {false, std::move(message)}; }

TextureEntry& EntryAt(MapDocument& document, int texture) { return document.textures[static_cast<size_t>(texture)]; }

void ReindexEntries(MapDocument& document) {
  for (int i = 0; i < MaxTextures; ++i) EntryAt(document, i).index = i;
}

}  // namespace

bool IsTextureInTable(const MapDocument& document, int texture) {
  return texture >= 0 && texture < document.textureCount && texture < MaxTextures;
}

TextureEntry CopyTextureEntry(const TextureEntry& entry) {
  TextureEntry copy;
  copy.index = entry.index;
  std::copy(std::begin(entry.name), std::end(entry.name), std::begin(copy.name));
  copy.animationType = entry.animationType;
  copy.frameCount = entry.frameCount;
  for (size_t f = 0; f < entry.frames.size(); ++f) {
    const TextureFrame& frame = entry.frames[f];
    std::copy(std::begin(frame.fileName), std::end(frame.fileName), std::begin(copy.frames[f].fileName));
    copy.frames[f].thumbnail = CopyImage(frame.thumbnail);
  }
  return copy;
}

void RenameTexture(TextureEntry& entry, const std::string& name) {
  WritePascalString(entry.name, TextureNameCapacity, name);
}

TextureResult AddTexture(MapDocument& document) {
  if (document.textureCount >= MaxTextures) return Refused(TooManyTexturesMessage);
  const int position = std::max(document.textureCount, 0);
  TextureEntry& entry = EntryAt(document, position);
  // Free entries own no thumbnails, but a fresh record makes sure of it.
  entry = TextureEntry{};
  entry.index = position;
  WritePascalString(entry.name, TextureNameCapacity, NewTextureName);
  document.textureCount = position + 1;
  return {};
}

TextureResult RenameTexture(MapDocument& document, int texture, const std::string& name) {
  if (!IsTextureInTable(document, texture)) return Refused();
  RenameTexture(EntryAt(document, texture), name);
  return {};
}

TextureResult SetAnimationType(MapDocument& document, int texture, AnimationType type) {
  if (!IsTextureInTable(document, texture)) return Refused();
  EntryAt(document, texture).animationType = type;
  return {};
}

TextureResult DeleteTexture(MapDocument& document, int texture, CellClipboard* clipboard) {
  if (!IsTextureInTable(document, texture)) return Refused();
  const auto reference = static_cast<uint16_t>(texture);
  if (IsTextureReferenced(document, reference)) return Refused(TextureInUseMessage);

  RenumberReferences(document, reference);
  if (clipboard != nullptr) RenumberReferences(*clipboard, reference);

  // Records are moved, never copied, so every thumbnail keeps exactly one owner;
  // the deleted entry's thumbnails go with its record.
  auto first = document.textures.begin() + texture;
  auto used = document.textures.begin() + document.textureCount;
  *first = TextureEntry{};
  std::move(std::next(first), used, first);
  --document.textureCount;
  EntryAt(document, document.textureCount) = TextureEntry{};
  ReindexEntries(document);
  return {};
}
