// Brick, stone and tile pictures: blocks with mortar joints, each block with its
// own tint, a lit top edge and a shaded bottom edge so the joints read as depth.
#include <cmath>

#include "tools/tmgen/TextureShaders.h"

namespace tessmoor {

namespace {

float Tint(uint32_t id) { return static_cast<float>(id & 0xFFFF) / 65535.0f; }

// Light falls from the top left: the first pixels inside a block are brighter,
// the last ones darker.
float Bevel(int fromLeft, int fromTop, int toRight, int toBottom) {
  float shade = 1.0f;
  if (fromTop == 0)
    shade += 0.22f;
  else if (fromTop == 1)
    shade += 0.08f;
  if (fromLeft == 0) shade += 0.12f;
  if (toBottom == 0)
    shade -= 0.28f;
  else if (toBottom == 1)
    shade -= 0.1f;
  if (toRight == 0) shade -= 0.18f;
  return shade;
}

Rgb Mortar(const ShadePoint& p, Rgb dark, Rgb light) { return Mix(dark, light, Fbm(p, 32, 32, 2, 77)); }

}  // namespace

Rgb ShadeBrick(const ShadePoint& p) {
  constexpr int CourseHeight = 16, BrickWidth = 32, Joint = 2;
  const int course = p.y / CourseHeight;
  const int bx = (p.x + (course % 2) * (BrickWidth / 2)) % 64;
  const int lx = bx % BrickWidth, ly = p.y % CourseHeight;
  if (lx < Joint || ly < Joint) return Mortar(p, Hex(0x7d776c), Hex(0xa9a394));
  const uint32_t id = HashPoint(bx / BrickWidth, course, 3);
  const Rgb base = Mix(Hex(0x86371f), Hex(0xb8603c), Tint(id));
  const float grain = Fbm(p, 16, 16, 4, 11);
  const float pits = SmoothStep(0.64f, 0.74f, Fbm(p, 32, 32, 2, 19)) * 0.16f;
  const float shade = Bevel(lx - Joint, ly - Joint, BrickWidth - 1 - lx, CourseHeight - 1 - ly);
  return base * ((0.72f + 0.5f * grain - pits) * shade);
}

Rgb ShadeStone(const ShadePoint& p) {
  constexpr int RowHeight = 32, Joint = 2;
  constexpr float BlockWidth = 128.0f / 3.0f;
  const int row = p.y / RowHeight;
  const float offset = static_cast<float>(HashPoint(row, 0, 5) % 128);
  const float along = std::fmod(static_cast<float>(p.x) - offset + 256.0f, 128.0f);
  const int block = static_cast<int>(along / BlockWidth);
  const int lx = static_cast<int>(along - static_cast<float>(block) * BlockWidth);
  const int ly = p.y % RowHeight;
  const int blockWidth = static_cast<int>(BlockWidth);
  if (lx < Joint || ly < Joint) return Mortar(p, Hex(0x3e3b36), Hex(0x5d5850));
  const float tint = Tint(HashPoint(block, row, 9));
  const Rgb base = Mix(Hex(0x726c62), Hex(0xa39a88), tint);
  const float spots = SmoothStep(0.6f, 0.7f, Fbm(p, 16, 16, 3, 25)) * 0.18f;
  const float large = Fbm(p, 4, 4, 3, 21);
  const float fine = Fbm(p, 64, 64, 2, 23);
  const float shade = Bevel(lx - Joint, ly - Joint, blockWidth - 1 - lx, RowHeight - 1 - ly);
  return base * ((0.62f + 0.45f * large + 0.3f * fine - spots) * shade);
}

Rgb ShadeCobble(const ShadePoint& p) {
  const CellularSample cell = CellularNoise(p.u * 6.0f, p.v * 6.0f, 6, 6, 31);
  const float fine = Fbm(p, 64, 64, 2, 33);
  const float gap = cell.second - cell.nearest;
  if (gap < 0.09f) return Mix(Hex(0x3a3128), Hex(0x5a4c3c), fine);
  const Rgb base = Mix(Hex(0x6f6a62), Hex(0xa39b8c), Tint(cell.id));
  const float dome = 1.2f - 0.75f * cell.nearest;
  const float rim = SmoothStep(0.09f, 0.2f, gap);
  return base * (dome * (0.55f + 0.45f * rim) * (0.82f + 0.36f * fine));
}

Rgb ShadeMoss(const ShadePoint& p) {
  const CellularSample cell = CellularNoise(p.u * 4.0f, p.v * 4.0f, 4, 4, 41);
  const float gap = cell.second - cell.nearest;
  const float fine = Fbm(p, 32, 32, 3, 43);
  const Rgb stone = Mix(Hex(0x5c5a52), Hex(0x8a877c), Tint(cell.id)) * (1.15f - 0.5f * cell.nearest);
  // Moss gathers in the joints first and then creeps over the stones.
  const float creep = Fbm(p, 4, 4, 4, 47) + 0.35f * (1.0f - SmoothStep(0.0f, 0.25f, gap));
  const float moss = SmoothStep(0.55f, 0.68f, creep);
  const Rgb green = Mix(Hex(0x2f5a1c), Hex(0x6f9a38), fine);
  const Rgb joint = Mix(Hex(0x2c2a22), Hex(0x403b30), fine);
  const Rgb rock = gap < 0.07f ? joint : stone * (0.8f + 0.4f * fine);
  return Mix(rock, green, moss);
}

Rgb ShadeTiles(const ShadePoint& p) {
  constexpr int TileSize = 32, Joint = 2;
  const int tx = p.x / TileSize, ty = p.y / TileSize;
  const int lx = p.x % TileSize, ly = p.y % TileSize;
  if (lx < Joint || ly < Joint) return Mortar(p, Hex(0x6d675c), Hex(0x8f887a));
  const bool light = (tx + ty) % 2 == 0;
  const Rgb base = light ? Hex(0xd9ccae) : Hex(0x9e4a30);
  const float glaze = Fbm(p, 8, 8, 3, 51);
  const float variation = 0.94f + 0.1f * Tint(HashPoint(tx, ty, 53));
  const float shade = Bevel(lx - Joint, ly - Joint, TileSize - 1 - lx, TileSize - 1 - ly);
  return base * ((0.86f + 0.24f * glaze) * variation * shade);
}

Rgb ShadeMarble(const ShadePoint& p) {
  constexpr float Tau = 6.2831853f;
  const float warp = Fbm(p, 4, 4, 5, 61);
  const float wave = std::sin(Tau * (p.u + 2.0f * p.v) + 9.0f * warp);
  const float vein = std::pow(1.0f - std::fabs(wave), 14.0f);
  const float faint =
      std::pow(1.0f - std::fabs(std::sin(Tau * (3.0f * p.u - p.v) + 7.0f * Fbm(p, 8, 8, 4, 63))), 30.0f);
  const Rgb base = Mix(Hex(0xcfcac0), Hex(0xeeebe4), Fbm(p, 8, 8, 3, 65));
  const Rgb veined = Mix(base, Hex(0x6e7470), 0.75f * vein);
  return Mix(veined, Hex(0x9aa09a), 0.45f * faint);
}

Rgb ShadePlaster(const ShadePoint& p) {
  const float blotch = Fbm(p, 4, 4, 5, 71);
  const float trowel = FractalNoise(p.u * 6.0f + 0.5f * p.v, p.v * 3.0f, 6, 3, 3, 77);
  const float grain = LatticeValue(p.x, p.y, 73);
  const float stain = SmoothStep(0.58f, 0.78f, Fbm(p, 2, 2, 4, 75));
  // A hairline crack follows a valley of the noise.
  const float crack = 1.0f - SmoothStep(0.0f, 0.02f, std::fabs(Fbm(p, 3, 3, 4, 79) - 0.5f));
  const Rgb base = Mix(Hex(0xb8aa8e), Hex(0xe0d6c2), 0.55f * blotch + 0.45f * trowel);
  const Rgb stained = Mix(base, Hex(0x8f7f62), 0.5f * stain);
  return Mix(stained * (0.93f + 0.1f * grain), Hex(0x7a6d58), 0.45f * crack);
}

}  // namespace tessmoor
