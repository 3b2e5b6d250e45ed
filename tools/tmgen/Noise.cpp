#include "tools/tmgen/Noise.h"

#include <cmath>

namespace tessmoor {

namespace {

int32_t Wrap(int32_t value, int period) {
  const int32_t rest = value % period;
  return rest < 0 ? rest + period : rest;
}

// Quintic fade: no visible creases at lattice lines, unlike linear blending.
float Fade(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }

float Lerp(float a, float b, float t) { return a + (b - a) * t; }

}  // namespace

uint32_t HashPoint(int32_t x, int32_t y, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B9u;
  h ^= static_cast<uint32_t>(x) * 0x85EBCA6Bu;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

float LatticeValue(int32_t x, int32_t y, uint32_t seed) {
  return static_cast<float>(HashPoint(x, y, seed) >> 8) / 16777216.0f;
}

float ValueNoise(float x, float y, int periodX, int periodY, uint32_t seed) {
  const float fx = std::floor(x);
  const float fy = std::floor(y);
  const int32_t x0 = Wrap(static_cast<int32_t>(fx), periodX);
  const int32_t y0 = Wrap(static_cast<int32_t>(fy), periodY);
  const int32_t x1 = Wrap(x0 + 1, periodX);
  const int32_t y1 = Wrap(y0 + 1, periodY);
  const float tx = Fade(x - fx);
  const float ty = Fade(y - fy);
  const float top = Lerp(LatticeValue(x0, y0, seed), LatticeValue(x1, y0, seed), tx);
  const float bottom = Lerp(LatticeValue(x0, y1, seed), LatticeValue(x1, y1, seed), tx);
  return Lerp(top, bottom, ty);
}

float FractalNoise(float x, float y, int periodX, int periodY, int octaves, uint32_t seed) {
  float sum = 0.0f;
  float weight = 0.0f;
  float amplitude = 1.0f;
  int scale = 1;
  for (int octave = 0; octave < octaves; ++octave) {
    sum += amplitude * ValueNoise(x * static_cast<float>(scale), y * static_cast<float>(scale), periodX * scale,
                                  periodY * scale, seed + static_cast<uint32_t>(octave) * 101u);
    weight += amplitude;
    amplitude *= 0.5f;
    scale *= 2;
  }
  return sum / weight;
}

CellularSample CellularNoise(float x, float y, int periodX, int periodY, uint32_t seed) {
  const int32_t cx = static_cast<int32_t>(std::floor(x));
  const int32_t cy = static_cast<int32_t>(std::floor(y));
  CellularSample sample{1e9f, 1e9f, 0};
  for (int32_t dy = -1; dy <= 1; ++dy) {
    for (int32_t dx = -1; dx <= 1; ++dx) {
      // The feature point belongs to the wrapped cell, so points repeat with the period.
      const int32_t wx = Wrap(cx + dx, periodX);
      const int32_t wy = Wrap(cy + dy, periodY);
      const float px = static_cast<float>(cx + dx) + 0.15f + 0.7f * LatticeValue(wx, wy, seed);
      const float py = static_cast<float>(cy + dy) + 0.15f + 0.7f * LatticeValue(wx, wy, seed ^ 0x5bd1e995u);
      const float distance = std::hypot(px - x, py - y);
      if (distance < sample.nearest) {
        sample.second = sample.nearest;
        sample.nearest = distance;
        sample.id = HashPoint(wx, wy, seed + 7u);
      } else if (distance < sample.second) {
        sample.second = distance;
      }
    }
  }
  return sample;
}

}  // namespace tessmoor
