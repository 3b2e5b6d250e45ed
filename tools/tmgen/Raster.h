#pragma once
// True-colour pictures as the texture shaders paint them, before they are cut
// down to the 256 colours of a PCX file.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

namespace tessmoor {

// Components in 0..255, kept as floats so shading can blend without banding.
struct Rgb {
  float r = 0.0f;
  float g = 0.0f;
  float b = 0.0f;
};

inline Rgb Hex(uint32_t rgb) {
  return {static_cast<float>((rgb >> 16) & 0xFF), static_cast<float>((rgb >> 8) & 0xFF),
          static_cast<float>(rgb & 0xFF)};
}
inline Rgb Mix(Rgb a, Rgb b, float t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
inline Rgb operator*(Rgb colour, float factor) { return {colour.r * factor, colour.g * factor, colour.b * factor}; }
inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }

inline float Clamp01(float value) { return std::clamp(value, 0.0f, 1.0f); }
inline float SmoothStep(float edge0, float edge1, float value) {
  const float t = Clamp01((value - edge0) / (edge1 - edge0));
  return t * t * (3.0f - 2.0f * t);
}

struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // row-major, top row first
};

// Where a shader is asked for a colour: the pixel, and the same position as a
// fraction of the picture (u, v in [0, 1)), so one noise period spans the picture.
struct ShadePoint {
  int x;
  int y;
  float u;
  float v;
};

using Shader = std::function<Rgb(const ShadePoint&)>;

RgbPicture RenderPicture(int width, int height, const Shader& shader);

}  // namespace tessmoor
