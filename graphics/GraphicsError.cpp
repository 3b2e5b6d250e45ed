#include "graphics/GraphicsError.h"

namespace {
// One process-wide code shared by every image and surface operation; the
// program touches it only from the user-interface thread.
int32_t lastGraphicsError = geNone;
}  // namespace

int32_t TakeGraphicsError() {
  const int32_t code = lastGraphicsError;
  lastGraphicsError = geNone;
  return code;
}

void SetGraphicsError(int32_t code) { lastGraphicsError = code; }
