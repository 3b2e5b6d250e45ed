#pragma once
// The procedural painters of the shipped textures, one per picture (animated
// ones take their frame). Each is a pure function of the shade point, so the
// pictures come out identical on every run.

#include "tools/tmgen/Noise.h"
#include "tools/tmgen/Raster.h"

namespace tessmoor {

// Fractal noise with `periodX` x `periodY` lattice cells across the picture, so
// it tiles at the picture's edges.
inline float Fbm(const ShadePoint& p, int periodX, int periodY, int octaves, uint32_t seed) {
  return FractalNoise(p.u * static_cast<float>(periodX), p.v * static_cast<float>(periodY), periodX, periodY, octaves,
                      seed);
}

// Masonry and stone.
Rgb ShadeBrick(const ShadePoint& p);
Rgb ShadeStone(const ShadePoint& p);
Rgb ShadeCobble(const ShadePoint& p);
Rgb ShadeMoss(const ShadePoint& p);
Rgb ShadeTiles(const ShadePoint& p);
Rgb ShadeMarble(const ShadePoint& p);
Rgb ShadePlaster(const ShadePoint& p);

// Wood, metal and crafted pieces.
Rgb ShadeWood(const ShadePoint& p);
Rgb ShadeParquet(const ShadePoint& p);
Rgb ShadeDoor(const ShadePoint& p);
Rgb ShadeCeiling(const ShadePoint& p);
Rgb ShadeMetal(const ShadePoint& p);
Rgb ShadeWindow(const ShadePoint& p);
Rgb ShadeRoof(const ShadePoint& p);
Rgb ShadeFrieze(const ShadePoint& p);

// Ground, sky and the animated liquids.
Rgb ShadeGrass(const ShadePoint& p);
Rgb ShadeSand(const ShadePoint& p);
Rgb ShadeSky(const ShadePoint& p);
Rgb ShadeWater(const ShadePoint& p, int frame, int frameCount);
Rgb ShadeLava(const ShadePoint& p, int frame, int frameCount);

}  // namespace tessmoor
