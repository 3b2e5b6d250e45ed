#pragma once
// The graphics unit's last-error code: a failing operation stores its code, a
// succeeding one never clears it. Callers take (and so clear) it before a group
// of operations and test it once after the group. Each thread has a code of its
// own, so pictures may be decoded on several threads at once.

#include <cstdint>

namespace tessmoor {

enum class GraphicsErrorCode : int32_t {
  geNone = 0,
  geSurface = 1,  // surface creation or presentation failed
  geRead = 3,     // a picture file could not be opened or was cut short
  geImage = 4,    // an image size that does not fit, or an unsupported PCX layout
  geClip = 5,     // a clip rectangle that is degenerate or leaves the surface
};

// Returns the current code and resets it to geNone.
GraphicsErrorCode TakeGraphicsError();
void SetGraphicsError(GraphicsErrorCode code);

}  // namespace tessmoor
