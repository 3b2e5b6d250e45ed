#include "graphics/GraphicsError.h"

namespace {
// One code per thread, as errno is: a map load decodes its pictures on several
// threads at once, and each group of operations must see only its own failures.
thread_local int32_t lastGraphicsError = geNone;
}  // namespace

int32_t TakeGraphicsError() {
  const int32_t code = lastGraphicsError;
  lastGraphicsError = geNone;
  return code;
}

void SetGraphicsError(int32_t code) { lastGraphicsError = code; }
