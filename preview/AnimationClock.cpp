#include "preview/AnimationClock.h"

#include <algorithm>
#include <cmath>

#include "document/MapDocument.h"

namespace tessmoor {

int FrameAtTick(int frameCount, AnimationType animationType, int64_t tick) {
  if (frameCount <= 1 || tick < 0) return 0;
  if (animationType != AnimationType::PingPong) return static_cast<int>(tick % frameCount);
  // There and back without showing either end twice in a row.
  const int64_t period = 2 * int64_t(frameCount) - 2;
  const int64_t step = tick % period;
  return static_cast<int>(step < frameCount ? step : period - step);
}

int64_t TickAt(double seconds, int rate) {
  if (rate <= 0) rate = DefaultAnimationRate;
  if (!(seconds > 0)) return 0;
  return static_cast<int64_t>(std::floor(seconds * rate));
}

bool IsAnimationRate(int rate) {
  for (int offered : AnimationRates) {
    if (offered == rate) return true;
  }
  return false;
}

bool HasAnimatedTextures(const MapDocument& document) {
  const int count = std::clamp<int32_t>(document.textureCount, 0, MaxTextures);
  for (int i = 0; i < count; ++i) {
    if (document.textures[size_t(i)].frameCount > 1) return true;
  }
  return false;
}

}  // namespace tessmoor
