#include "preview/AnimationClock.h"

#include <cmath>

#include "document/MapDocument.h"

int FrameAtTick(int frameCount, int32_t animationType, int64_t tick) {
  if (frameCount <= 1 || tick < 0) return 0;
  if (animationType != PingPong) return static_cast<int>(tick % frameCount);
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
