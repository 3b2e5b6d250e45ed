// Feeds arbitrary bytes to the map reader. Whatever it gets, it must not read or
// write out of bounds, and a failed read must leave an empty document.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "document/MapFile.h"

using namespace tessmoor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static auto document = std::make_unique<MapDocument>();
  static EditorState editor;
  ResetDocument(*document, editor, true);

  MemorySource source(data, size);
  const MapFileResult result = ReadMap(*document, source, "fuzz.tmm", MapLoadOptions{"/nonexistent/", false});

  if (document->textureCount < 0 || document->textureCount > MaxTextures) std::abort();
  for (int t = 0; t < document->textureCount; ++t) {
    const int32_t frames = document->textures[static_cast<size_t>(t)].frameCount;
    if (frames < 0 || frames > MaxFrames) std::abort();
  }
  if (!result.ok && (document->textureCount != 0 || result.message.code == CoreCode::None)) std::abort();
  return 0;
}
