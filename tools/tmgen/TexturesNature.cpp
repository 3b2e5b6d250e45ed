// Ground and sky pictures, and the two animated liquids. The liquids loop: the
// phase of every moving part advances by a whole turn over the frames.
#include <cmath>

#include "tools/tmgen/TextureShaders.h"

namespace tessmoor {

namespace {

constexpr float Tau = 6.2831853f;

}  // namespace

Rgb ShadeGrass(const ShadePoint& p) {
  const float patches = Fbm(p, 4, 4, 4, 201);
  // Blades: short upright streaks, each column starting its blades at its own height.
  const int start = static_cast<int>(HashPoint(p.x, 0, 203) % 5);
  const int blade = (p.y + start) / 5;
  const float bright = LatticeValue(p.x, blade, 207);
  const float tip = static_cast<float>((p.y + start) % 5) / 4.0f;
  const float dry = SmoothStep(0.6f, 0.75f, Fbm(p, 8, 8, 3, 205));
  Rgb base = Mix(Hex(0x2a561b), Hex(0x5c9032), patches);
  base = Mix(base, Hex(0x9a9a48), 0.55f * dry);
  return base * (0.62f + 0.5f * bright + 0.18f * (1.0f - tip) * bright);
}

Rgb ShadeSand(const ShadePoint& p) {
  const float ripple = 0.5f + 0.5f * std::sin(Tau * (3.0f * p.v + p.u) + 3.0f * Fbm(p, 4, 4, 3, 211));
  const float grain = LatticeValue(p.x, p.y, 213);
  const Rgb base = Mix(Hex(0xb89a64), Hex(0xd9c08a), Fbm(p, 8, 8, 3, 215));
  return base * (0.9f + 0.12f * ripple + 0.08f * grain);
}

Rgb ShadeSky(const ShadePoint& p) {
  const float clouds = SmoothStep(0.45f, 0.75f, Fbm(p, 4, 4, 6, 221));
  const float wisps = Fbm(p, 16, 16, 2, 223);
  const Rgb sky = Mix(Hex(0x4f7fc0), Hex(0x6a98d4), wisps);
  return Mix(sky, Hex(0xeef2f8) * (0.85f + 0.15f * wisps), clouds);
}

Rgb ShadeWater(const ShadePoint& p, int frame, int frameCount) {
  const float phase = Tau * static_cast<float>(frame) / static_cast<float>(frameCount);
  const float warp = Fbm(p, 4, 4, 3, 231);
  const float drift = Fbm(p, 8, 8, 2, 235);
  // Two ripple trains crossing, each moving on by one wavelength over the loop;
  // where their crests meet, the light gathers in a bright web.
  const float a = std::sin(Tau * (2.0f * p.u + 3.0f * p.v) + 5.0f * warp + phase);
  const float b = std::sin(Tau * (-3.0f * p.u + 2.0f * p.v) + 4.0f * drift - phase);
  const float lineA = std::pow(1.0f - std::fabs(a), 4.0f);
  const float lineB = std::pow(1.0f - std::fabs(b), 4.0f);
  const float light = Clamp01(0.45f * (lineA + lineB) + 0.7f * lineA * lineB);
  const Rgb deep = Mix(Hex(0x143a56), Hex(0x235c7e), Fbm(p, 8, 8, 3, 233));
  return Mix(deep, Hex(0xa8dcee), light);
}

Rgb ShadeLava(const ShadePoint& p, int frame, int frameCount) {
  // One pulse over the loop: dim on the first frame, brightest on the last.
  const float heat = 0.55f + 0.45f * static_cast<float>(frame) / static_cast<float>(std::max(1, frameCount - 1));
  // Warping the plates with tileable noise keeps them from looking like a tiling.
  const float wu = p.u + 0.12f * (Fbm(p, 4, 4, 3, 247) - 0.5f);
  const float wv = p.v + 0.12f * (Fbm(p, 4, 4, 3, 249) - 0.5f);
  const CellularSample crust = CellularNoise(wu * 5.0f, wv * 5.0f, 5, 5, 241);
  const float width = 0.06f + 0.16f * Fbm(p, 4, 4, 2, 251);
  const float crack = 1.0f - SmoothStep(0.0f, width, crust.second - crust.nearest);
  const float flow = Fbm(p, 4, 4, 4, 243);
  const float glow = Clamp01(heat * (crack + 0.5f * SmoothStep(0.55f, 0.8f, flow)));
  const Rgb rock = Mix(Hex(0x2a120e), Hex(0x4e2418), Fbm(p, 16, 16, 3, 245)) * (0.8f + 0.4f * crust.nearest);
  const Rgb fire = Mix(Hex(0xc8361a), Hex(0xffe070), SmoothStep(0.5f, 1.0f, glow));
  return Mix(rock, fire, SmoothStep(0.12f, 0.55f, glow));
}

}  // namespace tessmoor
