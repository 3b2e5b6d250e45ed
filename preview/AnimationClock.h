#pragma once
// Which frame of an animated texture shows at a moment of the 3D view's clock.

#include <cstdint>

#include "document/MapDocument.h"

namespace tessmoor {

// Frames per second the view offers; 8 unless the user picked another.
constexpr int AnimationRates[] = {4, 8, 12, 16};
constexpr int DefaultAnimationRate = 8;

// The frame shown at `tick` (the count of animation steps since the clock
// started) for a texture of `frameCount` frames: a repeat loop runs 0 1 2 0 1 2,
// a ping-pong loop 0 1 2 1 0 1 2. Any other animation type repeats. 0 for a
// texture without frames or a negative tick.
int FrameAtTick(int frameCount, AnimationType animationType, int64_t tick);

// The animation step at `seconds` since the clock started, at `rate` steps a
// second (a non-positive rate counts as the default).
int64_t TickAt(double seconds, int rate);

// True for the rates the view offers.
bool IsAnimationRate(int rate);

struct MapDocument;
// True when a texture of the table has more than one frame, so the picture
// changes with time alone.
bool HasAnimatedTextures(const MapDocument& document);

}  // namespace tessmoor
