#include "textures/TextureTable.h"

#include <algorithm>
#include <iterator>

#include "document/PascalString.h"

namespace tessmoor {

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

TextureEntry NewTextureEntry(int position) {
  TextureEntry entry;
  entry.index = position;
  WritePascalString(entry.name, TextureNameCapacity, NewTextureName);
  return entry;
}

}  // namespace tessmoor
