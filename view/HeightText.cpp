#include "view/HeightText.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstring>

#include "graphics/RenderSurface.h"

namespace tessmoor {

namespace {

constexpr int32_t GlyphHeight = 7;
constexpr int32_t Margin = 1;  // black around the text, so it reads on any picture

// Each row's bits, the leftmost pixel in the highest of `width` bits.
struct Glyph {
  int32_t width;
  std::array<uint8_t, GlyphHeight> rows;
};

constexpr Glyph Digits[10] = {
    {5, {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}},  // 0
    {5, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},  // 1
    {5, {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}},  // 2
    {5, {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},  // 3
    {5, {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}},  // 4
    {5, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},  // 5
    {5, {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}},  // 6
    {5, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},  // 7
    {5, {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}},  // 8
    {5, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},  // 9
};
constexpr Glyph Minus{4, {0x0, 0x0, 0x0, 0xF, 0x0, 0x0, 0x0}};
constexpr Glyph Point{1, {0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x1}};
constexpr Glyph Unknown{5, {0x0E, 0x11, 0x01, 0x02, 0x04, 0x00, 0x04}};

const Glyph& GlyphOf(char c) {
  if (c >= '0' && c <= '9') return Digits[c - '0'];
  if (c == '-') return Minus;
  if (c == '.') return Point;
  return Unknown;
}

void Append(HeightLabel& label, char c) { label.text[label.length++] = c; }

void AppendDigits(HeightLabel& label, int64_t value) {
  char digits[12];
  int32_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value > 0);
  while (count > 0) Append(label, digits[--count]);
}

// Draws the glyph at (x, y) of the sprite.
void DrawGlyph(HeightSprite& sprite, int32_t x, int32_t y, const Glyph& glyph, int32_t scale, RGB555 colour) {
  for (int32_t row = 0; row < GlyphHeight * scale; ++row) {
    const uint8_t bits = glyph.rows[static_cast<size_t>(row / scale)];
    for (int32_t column = 0; column < glyph.width * scale; ++column) {
      if ((bits >> (glyph.width - 1 - column / scale) & 1) != 0)
        sprite.pixels[static_cast<size_t>((y + row) * sprite.width + x + column)] = colour;
    }
  }
}

HeightSprite MakeSprite(const HeightLabel& label, int32_t scale, RGB555 colour) {
  HeightSprite sprite;
  for (int32_t i = 0; i < label.length; ++i) sprite.width += (GlyphOf(label.text[i]).width + 1) * scale;
  sprite.width += (2 * Margin - 1) * scale;
  sprite.height = (GlyphHeight + 2 * Margin) * scale;
  sprite.pixels.assign(static_cast<size_t>(sprite.width * sprite.height), 0);
  int32_t pen = Margin * scale;
  for (int32_t i = 0; i < label.length; ++i) {
    const Glyph& glyph = GlyphOf(label.text[i]);
    DrawGlyph(sprite, pen, Margin * scale, glyph, scale, colour);
    pen += (glyph.width + 1) * scale;
  }
  return sprite;
}

// The label's tenths, or a value no label has for "?".
int64_t LabelKey(float height) {
  const double tenths = std::round(static_cast<double>(height) * 10.0);
  return std::isfinite(tenths) && std::fabs(tenths) <= 999999.0 ? static_cast<int64_t>(tenths) : INT64_MIN;
}

}  // namespace

HeightLabel FormatHeight(float height) {
  HeightLabel label;
  const double tenths = std::round(static_cast<double>(height) * 10.0);
  if (!std::isfinite(tenths) || std::fabs(tenths) > 999999.0) {
    Append(label, '?');
    return label;
  }
  int64_t value = static_cast<int64_t>(tenths);
  if (value < 0) {
    Append(label, '-');
    value = -value;
  }
  AppendDigits(label, value / 10);
  if (value % 10 != 0) {
    Append(label, '.');
    Append(label, static_cast<char>('0' + value % 10));
  }
  return label;
}

const HeightSprite& HeightSpriteFor(float height, int32_t scale, RGB555 colour) {
  // An open-addressed table: a lookup per label must cost next to nothing, as
  // a large view asks for thousands of them in every redraw.
  constexpr size_t Slots = 4096;
  static std::vector<uint64_t> keys(Slots, 0);
  static std::vector<HeightSprite> sprites(Slots);
  static size_t used = 0;
  const uint64_t key =
      ((static_cast<uint64_t>(LabelKey(height)) << 24) ^ (static_cast<uint64_t>(scale) << 16) ^ colour) | 1;
  size_t slot = static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> 52);
  while (keys[slot] != 0 && keys[slot] != key) slot = (slot + 1) % Slots;
  if (keys[slot] == key) return sprites[slot];
  // A map of wild heights cannot fill the table: it starts afresh at half full.
  if (used >= Slots / 2) {
    std::fill(keys.begin(), keys.end(), 0);
    used = 0;
    return HeightSpriteFor(height, scale, colour);
  }
  keys[slot] = key;
  ++used;
  sprites[slot] = MakeSprite(FormatHeight(height), scale, colour);
  return sprites[slot];
}

void DrawHeightSprite(int32_t x, int32_t y, const HeightSprite& sprite) {
  const RenderSurface& surface = Surface();
  const int32_t left = surface.clipLeft + x, top = surface.clipTop + y;
  const int32_t firstColumn = std::max(0, surface.clipLeft - left);
  const int32_t lastColumn = std::min(sprite.width - 1, surface.clipRight - left);
  const int32_t firstRow = std::max(0, surface.clipTop - top);
  const int32_t lastRow = std::min(sprite.height - 1, surface.clipBottom - top);
  if (firstColumn > lastColumn) return;
  const size_t count = static_cast<size_t>(lastColumn - firstColumn + 1);
  for (int32_t row = firstRow; row <= lastRow; ++row) {
    const RGB555* from = &sprite.pixels[static_cast<size_t>(row * sprite.width + firstColumn)];
    RGB555* to = surface.pixels + static_cast<size_t>(top + row) * static_cast<size_t>(surface.width) +
                 static_cast<size_t>(left + firstColumn);
    std::memcpy(to, from, count * sizeof(RGB555));
  }
}

}  // namespace tessmoor
