#pragma once
// Deterministic, tileable noise for the procedural textures.
//
// Every function takes lattice coordinates together with the lattice period in
// cells. The lattice wraps at the period, so a picture that samples exactly one
// period across its width and height tiles without a seam, whatever its size in
// pixels. The same arguments always give the same value on every run.

#include <cstdint>

namespace tessmoor {

// A well-mixed 32-bit hash of a lattice point.
uint32_t HashPoint(int32_t x, int32_t y, uint32_t seed);

// The lattice value of a point, in [0, 1).
float LatticeValue(int32_t x, int32_t y, uint32_t seed);

// Smoothly interpolated lattice values, in [0, 1].
float ValueNoise(float x, float y, int periodX, int periodY, uint32_t seed);

// Octaves of value noise, each twice as fine and half as strong as the one
// before; normalised back to [0, 1].
float FractalNoise(float x, float y, int periodX, int periodY, int octaves, uint32_t seed);

// Distances from (x, y) to the nearest and second-nearest of one random feature
// point per lattice cell (cellular / Worley noise), and a stable id of the
// nearest point's cell, so callers can colour each region on its own.
struct CellularSample {
  float nearest = 0.0f;
  float second = 0.0f;
  uint32_t id = 0;
};
CellularSample CellularNoise(float x, float y, int periodX, int periodY, uint32_t seed);

}  // namespace tessmoor
