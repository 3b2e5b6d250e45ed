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
  WritePascalString(EntryAt(document, texture).name, TextureNameCapacity, name);
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
