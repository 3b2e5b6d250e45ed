#pragma once
// Block fill of RGB555 pixels, shared by the surface primitives and the PCX
// decoder's runs. Stores go through memcpy of whole words: the pixel buffers are
// arrays of uint16_t, and a plain pointer cast to a wider type would break
// aliasing rules.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "graphics/HiColorImage.h"

namespace tessmoor {

// Sets `count` pixels from `out` on to `colour`, several pixels per store: the
// colour is repeated in every half of each word, so odd start addresses and odd
// counts need no special case beyond the last single pixel.
inline void FillPixels(RGB555* out, size_t count, RGB555 colour) {
  // Black, the colour of every clear, has equal bytes: the C library's fill is
  // far faster on a large surface.
  if ((colour & 0xFF) == (colour >> 8)) {
    // A cell's row is the most frequent count; a fixed size lets the fill inline.
    if (count == 64) {
      std::memset(out, colour & 0xFF, 64 * sizeof(RGB555));
    } else {
      std::memset(out, colour & 0xFF, count * sizeof(RGB555));
    }
    return;
  }
  const uint32_t pair = static_cast<uint32_t>(colour) | (static_cast<uint32_t>(colour) << 16);
  const uint64_t quad = static_cast<uint64_t>(pair) | (static_cast<uint64_t>(pair) << 32);
  while (count >= 16) {
    std::memcpy(out, &quad, 8);
    std::memcpy(out + 4, &quad, 8);
    std::memcpy(out + 8, &quad, 8);
    std::memcpy(out + 12, &quad, 8);
    out += 16;
    count -= 16;
  }
  while (count >= 4) {
    std::memcpy(out, &quad, 8);
    out += 4;
    count -= 4;
  }
  if (count >= 2) {
    std::memcpy(out, &pair, 4);
    out += 2;
    count -= 2;
  }
  if (count == 1) *out = colour;
}

}  // namespace tessmoor
