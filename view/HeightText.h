#pragma once
// Heights as short numbers drawn straight into the render surface: a 5 x 7 pixel
// font of the digits, the minus sign and the decimal point, on a black box so the
// number reads over any texture.

#include <cstdint>
#include <vector>

#include "graphics/HiColorImage.h"

namespace tessmoor {

// At most "-99999.5": a height beyond that shows as "?" (no one builds there).
struct HeightLabel {
  char text[12] = {};
  int32_t length = 0;
};

// The height rounded to one decimal, without a trailing ".0": 128, -32, 12.5.
HeightLabel FormatHeight(float height);

// A height's label drawn once, box and all, at `scale` (1 or 2) in `colour`.
// A view shows thousands of labels but few different heights, so each is drawn
// once and then copied row by row.
struct HeightSprite {
  int32_t width = 0, height = 0;
  std::vector<RGB555> pixels;  // width x height, top row first
};
// The sprite for the height, from a cache kept for the program's run; the
// reference stays good until the next call. Drawing happens on one thread.
const HeightSprite& HeightSpriteFor(float height, int32_t scale, RGB555 colour);

// Copies the sprite with its top-left at (x, y) in clip coordinates, clipped to
// the clip rectangle.
void DrawHeightSprite(int32_t x, int32_t y, const HeightSprite& sprite);

}  // namespace tessmoor
