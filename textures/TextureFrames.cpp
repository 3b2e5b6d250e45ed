#include "textures/TextureFrames.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "document/FramePictures.h"
#include "document/PascalString.h"
#include "document/Windows1252.h"
#include "graphics/GraphicsError.h"

namespace tessmoor {

namespace {

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsFrameInTexture(const TextureEntry& entry, int position) {
  return position >= 0 && position < entry.frameCount && position < MaxFrames;
}

TextureFrame& FrameAt(TextureEntry& entry, int position) { return entry.frames[static_cast<size_t>(position)]; }

// The message for a picture that did not load, naming the path it was looked for.
CoreMessage LoadFailure(const std::string& programDirectory, const std::string& frameName) {
  return PictureLoadErrorMessage(FramePicturePath(programDirectory, frameName));
}

}  // namespace

std::optional<std::string> FrameNameForChosenFile(const std::string& chosenPath) {
  std::optional<std::string> name = Utf8ToWindows1252(BaseName(chosenPath));
  if (name && name->size() > FrameNameCapacity) name->resize(FrameNameCapacity);
  return name;
}

AddFramesResult AddFrames(TextureEntry& texture, const std::string& programDirectory,
                          const std::vector<std::string>& chosenPaths) {
  AddFramesResult result;
  TextureEntry* entry = &texture;
  if (entry->frameCount >= MaxFrames) {
    result.message = TooManyFramesMessage;
    return result;
  }
  for (const std::string& path : chosenPaths) {
    if (entry->frameCount >= MaxFrames) {
      result.message = TooManyFramesMessage;
      break;
    }
    const std::optional<std::string> name = FrameNameForChosenFile(path);
    if (!name) {
      // The name is already this system's (UTF-8) file name: it cannot be stored.
      result.message = PictureLoadErrorMessage(programDirectory + "GFX/" + BaseName(path));
      break;
    }
    HiColorImage thumbnail;
    TakeGraphicsError();
    if (!LoadFrameThumbnail(programDirectory, *name, thumbnail)) {
      result.message = LoadFailure(programDirectory, *name);
      break;
    }
    // The slot past the last frame owns nothing, so nothing is lost by overwriting it.
    TextureFrame& slot = FrameAt(*entry, entry->frameCount);
    slot = TextureFrame{};
    WritePascalString(slot.fileName, FrameNameCapacity, *name);
    slot.thumbnail = std::move(thumbnail);
    ++entry->frameCount;
    ++result.added;
  }
  return result;
}

bool RemoveFrame(TextureEntry& entry, int position) {
  if (!IsFrameInTexture(entry, position)) return false;
  auto first = entry.frames.begin() + position;
  auto used = entry.frames.begin() + entry.frameCount;
  *first = TextureFrame{};  // releases the removed frame's thumbnail
  std::move(std::next(first), used, first);
  --entry.frameCount;
  FrameAt(entry, entry.frameCount) = TextureFrame{};
  return true;
}

bool MoveFrameUp(TextureEntry& entry, int position) {
  if (!IsFrameInTexture(entry, position) || position < 1) return false;
  std::swap(FrameAt(entry, position - 1), FrameAt(entry, position));
  return true;
}

bool MoveFrameDown(TextureEntry& entry, int position) {
  if (!IsFrameInTexture(entry, position + 1) || position < 0) return false;
  std::swap(FrameAt(entry, position), FrameAt(entry, position + 1));
  return true;
}

}  // namespace tessmoor
