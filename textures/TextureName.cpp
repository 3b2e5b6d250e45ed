#include "textures/TextureName.h"

#include "document/PascalString.h"
#include "document/Windows1252.h"

namespace tessmoor {

std::string TextureNameBytes(const TextureEntry& entry) { return ReadPascalString(entry.name, TextureNameCapacity); }

std::string TextureNameText(const TextureEntry& entry) { return Windows1252ToUtf8(TextureNameBytes(entry)); }

std::string FrameNameText(const TextureFrame& frame) {
  return Windows1252ToUtf8(ReadPascalString(frame.fileName, FrameNameCapacity));
}

}  // namespace tessmoor
