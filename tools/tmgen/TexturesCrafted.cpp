// Wood, metal and made things: planks with grain, panels with rivets, a door, a
// window pane, roof tiles and a frieze.
#include <cmath>

#include "tools/tmgen/TextureShaders.h"

namespace tessmoor {

namespace {

constexpr float Tau = 6.2831853f;

float Tint(uint32_t id) { return static_cast<float>(id & 0xFFFF) / 65535.0f; }

// Grain lines that run along `along`: growth rings cut lengthwise, bent by noise.
float Grain(float across, float warp, float density) {
  const float ring = 0.5f + 0.5f * std::sin(Tau * (across * density + 2.5f * warp));
  return std::pow(ring, 3.0f);
}

Rgb WoodColour(float grain, float tint, float fine) {
  const Rgb light = Mix(Hex(0x9c6636), Hex(0xb57c45), tint);
  const Rgb dark = Mix(Hex(0x5e3a1e), Hex(0x6f4524), tint);
  return Mix(light, dark, grain) * (0.9f + 0.2f * fine);
}

float Rivet(float dx, float dy) {
  const float distance = std::hypot(dx, dy);
  if (distance > 2.6f) return 0.0f;
  return 1.0f + (-dx - dy) * 0.18f;  // lit from the top left
}

}  // namespace

Rgb ShadeWood(const ShadePoint& p) {
  constexpr int PlankHeight = 16;
  const int plank = p.y / PlankHeight;
  const int ly = p.y % PlankHeight;
  const int joint = static_cast<int>(HashPoint(plank, 0, 81) % 64);
  if (ly == 0 || p.x == joint) return Hex(0x2e1c0e);
  const float warp = FractalNoise(p.u * 2.0f, p.v * 16.0f, 2, 16, 4, 83 + static_cast<uint32_t>(plank));
  const float grain = Grain(static_cast<float>(ly) / PlankHeight, warp, 2.0f);
  const float shade = ly == 1 ? 1.15f : (ly == PlankHeight - 1 ? 0.8f : 1.0f);
  return WoodColour(grain, Tint(HashPoint(plank, 1, 85)), Fbm(p, 32, 64, 2, 87)) * shade;
}

Rgb ShadeParquet(const ShadePoint& p) {
  constexpr int BlockSize = 32, StripWidth = 8;
  const int bx = p.x / BlockSize, by = p.y / BlockSize;
  const bool lengthwise = (bx + by) % 2 == 0;
  const int along = lengthwise ? p.x % BlockSize : p.y % BlockSize;
  const int across = lengthwise ? p.y % BlockSize : p.x % BlockSize;
  if (across % StripWidth == 0 || along == 0) return Hex(0x3b2412);
  const int strip = across / StripWidth;
  const float warp =
      ValueNoise(static_cast<float>(along) / 12.0f, static_cast<float>(strip * 7 + bx * 3 + by), 64, 64, 91);
  const float grain = Grain(static_cast<float>(across % StripWidth) / StripWidth, warp, 1.5f);
  const float tint = Tint(HashPoint(bx * 4 + strip, by, 93));
  return WoodColour(grain, tint, Fbm(p, 32, 32, 2, 95)) * (across % StripWidth == 1 ? 1.12f : 1.0f);
}

Rgb ShadeDoor(const ShadePoint& p) {
  constexpr int Frame = 4;
  const float fine = Fbm(p, 32, 32, 2, 101);
  if (p.x < Frame || p.y < Frame || p.x >= 64 - Frame) {
    const float lit = (p.x == 0 || p.y == 0) ? 1.25f : (p.x == Frame - 1 || p.x == 63 ? 0.7f : 1.0f);
    return Mix(Hex(0x4a3020), Hex(0x5e3e28), fine) * lit;
  }
  const bool band = (p.y >= 12 && p.y < 17) || (p.y >= 46 && p.y < 51);
  if (band) {
    const float rivet = Rivet(static_cast<float>((p.x - 6) % 12 - 4), static_cast<float>((p.y - 12) % 34 - 2));
    const float edge = (p.y == 12 || p.y == 46) ? 1.3f : ((p.y == 16 || p.y == 50) ? 0.6f : 1.0f);
    return Mix(Hex(0x3c3d40), Hex(0x5b5d61), fine) * (rivet > 0.0f ? rivet * 1.35f : edge);
  }
  const float ring = std::fabs(std::hypot(static_cast<float>(p.x) - 49.5f, static_cast<float>(p.y) - 33.5f) - 4.0f);
  if (ring < 1.1f) return Hex(0xb09050) * (p.y < 33 ? 1.15f : 0.8f);
  const int plankWidth = 14;
  const int lx = (p.x - Frame) % plankWidth;
  if (lx == 0) return Hex(0x2a180c);
  const int plank = (p.x - Frame) / plankWidth;
  const float warp = FractalNoise(p.u * 8.0f, p.v * 2.0f, 8, 2, 4, 103 + static_cast<uint32_t>(plank));
  const float grain = Grain(static_cast<float>(lx) / plankWidth, warp, 1.6f);
  return WoodColour(grain, Tint(HashPoint(plank, 2, 105)), fine) * (lx == 1 ? 1.12f : 0.95f);
}

Rgb ShadeCeiling(const ShadePoint& p) {
  constexpr int Cell = 32, Beam = 5;
  const int lx = p.x % Cell, ly = p.y % Cell;
  const float fine = Fbm(p, 32, 32, 3, 111);
  const bool beam = lx < Beam || ly < Beam;
  if (beam) {
    const int across = lx < Beam ? lx : ly;
    const float lit = across == 0 ? 1.2f : (across == Beam - 1 ? 0.7f : 1.0f);
    const float warp = Fbm(p, 4, 4, 3, 113);
    return WoodColour(Grain(static_cast<float>(across) / Beam, warp, 1.0f), 0.3f, fine) * lit;
  }
  // The recessed panel is shadowed along the beams above and to its left.
  const int depth = std::min(lx - Beam, ly - Beam);
  const float shadow = depth < 3 ? 0.72f + 0.09f * static_cast<float>(depth) : 1.0f;
  return Mix(Hex(0xb5aa92), Hex(0xd2c8b2), Fbm(p, 8, 8, 4, 115)) * (shadow * (0.94f + 0.1f * fine));
}

Rgb ShadeMetal(const ShadePoint& p) {
  constexpr int Panel = 32;
  const int lx = p.x % Panel, ly = p.y % Panel;
  const float brushed = FractalNoise(p.u * 4.0f, p.v * 64.0f, 4, 64, 2, 121);
  const float rust = SmoothStep(0.62f, 0.75f, Fbm(p, 4, 4, 5, 123));
  Rgb base = Mix(Hex(0x6c727a), Hex(0x9aa1a9), brushed);
  base = Mix(base, Hex(0x7a4a2a), 0.7f * rust);
  if (lx == 0 || ly == 0) return base * 0.45f;
  if (lx == 1 || ly == 1) return base * 1.3f;
  if (lx == Panel - 1 || ly == Panel - 1) return base * 0.75f;
  for (const float cx : {5.5f, 25.5f})
    for (const float cy : {5.5f, 25.5f})
      if (const float rivet = Rivet(static_cast<float>(lx) - cx, static_cast<float>(ly) - cy); rivet > 0.0f)
        return Hex(0xa8aeb4) * rivet;
  return base;
}

Rgb ShadeWindow(const ShadePoint& p) {
  constexpr int Frame = 5;
  const float fine = Fbm(p, 16, 16, 2, 131);
  const bool frame = p.x < Frame || p.y < Frame || p.x >= 64 - Frame || p.y >= 64 - Frame;
  const bool mullion = (p.x >= 30 && p.x < 34) || (p.y >= 30 && p.y < 34);
  if (frame || mullion) {
    const bool lit = p.x == 0 || p.y == 0 || p.x == 30 || p.y == 30 || p.x == 64 - Frame || p.y == 64 - Frame;
    const bool dark = p.x == 63 || p.y == 63 || p.x == 33 || p.y == 33 || p.x == Frame - 1 || p.y == Frame - 1;
    return Mix(Hex(0x4f3b28), Hex(0x654c34), fine) * (lit ? 1.3f : (dark ? 0.65f : 1.0f));
  }
  // Slightly tinted glass with a soft reflection streak across each pane.
  const Rgb glass = Mix(Hex(0x5e8c98), Hex(0x8bb4bd), p.v);
  const float streak = std::fmod(static_cast<float>(p.x + p.y), 32.0f);
  const float shine = (streak > 6.0f && streak < 10.0f) ? 0.35f : ((streak > 12.0f && streak < 13.5f) ? 0.2f : 0.0f);
  return Mix(glass * (0.95f + 0.1f * fine), Hex(0xe2f0f2), shine);
}

Rgb ShadeRoof(const ShadePoint& p) {
  constexpr int Rows = 4, TilesPerRow = 6;
  const int row = p.y * Rows / 64;
  const float fy = static_cast<float>(p.y % (64 / Rows)) / static_cast<float>(64 / Rows);
  const float shifted = p.u * TilesPerRow + (row % 2) * 0.5f;
  const int tile = static_cast<int>(std::floor(shifted)) % TilesPerRow;
  const float fx = shifted - std::floor(shifted);
  const float side = 2.0f * fx - 1.0f;
  const float rim = 0.8f + 0.2f * std::sqrt(std::max(0.0f, 1.0f - side * side));
  const float fine = Fbm(p, 16, 8, 3, 141);
  if (fy > rim || fx < 0.04f) return Mix(Hex(0x2e150c), Hex(0x44200f), fine);
  const Rgb base = Mix(Hex(0x8c3a22), Hex(0xb25a35), Tint(HashPoint(tile, row, 143)));
  const float rounding = 1.0f - 0.35f * side * side;
  return base * ((0.62f + 0.5f * fy) * rounding * (0.85f + 0.3f * fine));
}

Rgb ShadeFrieze(const ShadePoint& p) {
  const float fine = Fbm(p, 13, 4, 2, 151);
  if (p.y < 3 || p.y >= 29) return Mix(Hex(0x6a4e1c), Hex(0x84652a), fine) * (p.y == 0 || p.y == 29 ? 1.3f : 1.0f);
  if (p.y < 5 || p.y >= 27) return Hex(0xe0c070);
  const float wave = 16.0f + 7.0f * std::sin(Tau * 2.0f * p.u);
  const float counter = 16.0f - 7.0f * std::sin(Tau * 2.0f * p.u);
  const float y = static_cast<float>(p.y);
  if (std::fabs(y - wave) < 1.6f) return Hex(0xf0d080) * (y < wave ? 1.1f : 0.85f);
  if (std::fabs(y - counter) < 0.9f) return Hex(0xb89048);
  return Mix(Hex(0x6e2a1c), Hex(0x8a3826), fine);
}

}  // namespace tessmoor
