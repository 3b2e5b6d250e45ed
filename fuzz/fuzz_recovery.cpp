// Feeds arbitrary bytes to the recovery copy reader. Whatever it gets, it must
// not read or write out of bounds, and a failed read says why.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "document/RecoveryFile.h"

using namespace tessmoor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static auto document = std::make_unique<MapDocument>();
  static EditorState editor;
  ResetDocument(*document, editor, true);

  MemorySource source(data, size);
  const RecoveryLoadResult result =
      ReadRecoveryFile(*document, source, "fuzz.tmr", MapLoadOptions{"/nonexistent/", false});

  if (document->textureCount < 0 || document->textureCount > MaxTextures) std::abort();
  if (result.originalPath.size() > 0xFFFF) std::abort();
  if (!result.map.ok && result.map.message.code == CoreCode::None) std::abort();
  return 0;
}
