#include "graphics/GraphicsError.h"

namespace tessmoor {

namespace {
// One code per thread, as errno is: a map load decodes its pictures on several
// threads at once, and each group of operations must see only its own failures.
thread_local GraphicsErrorCode lastGraphicsError = GraphicsErrorCode::geNone;
}  // namespace

GraphicsErrorCode TakeGraphicsError() {
  const GraphicsErrorCode code = lastGraphicsError;
  lastGraphicsError = GraphicsErrorCode::geNone;
  return code;
}

void SetGraphicsError(GraphicsErrorCode code) { lastGraphicsError = code; }

}  // namespace tessmoor
