#include "graphics/GraphicsError.h"

namespace tessmoor {

namespace {
// One process-wide code shared by every image and surface operation; the
// program touches it only from the user-interface thread.
GraphicsErrorCode lastGraphicsError = GraphicsErrorCode::geNone;
}  // namespace

GraphicsErrorCode TakeGraphicsError() {
  const GraphicsErrorCode code = lastGraphicsError;
  lastGraphicsError = GraphicsErrorCode::geNone;
  return code;
}

void SetGraphicsError(GraphicsErrorCode code) { lastGraphicsError = code; }

}  // namespace tessmoor
