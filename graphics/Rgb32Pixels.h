#pragma once
// RGB555 pictures turned into the 32-bit pixels that window systems draw as they
// are (0xFFRRGGBB words: opaque, so valid both with and without an alpha channel).
// Handing a window system RGB555 makes it convert every pixel on every paint;
// converting once, and only what changed, is far cheaper.

#include <cstddef>
#include <cstdint>

#include "graphics/HiColorImage.h"

namespace tessmoor {

// One pixel: each 5-bit component widened to 8 bits by repeating its top bits
// below it (31 -> 255, 16 -> 132), alpha 255. Bit 15 is ignored.
constexpr uint32_t Rgb555ToRgb32(RGB555 pixel) {
  // Each component lands in the top five bits of its byte ...
  const uint32_t top = ((pixel & 0x7C00u) << 9) | ((pixel & 0x03E0u) << 6) | ((pixel & 0x001Fu) << 3);
  // ... and its top three bits fill the three below.
  return 0xFF000000u | top | ((top >> 5) & 0x00070707u);
}

// Converts `count` pixels from `source` into `dest`.
void ConvertRgb555ToRgb32(const RGB555* source, uint32_t* dest, size_t count);

// From this many pixels on, a block is converted by two threads.
inline constexpr int64_t ParallelConversionPixels = 1 << 20;

// Converts a `width` x `height` block, rows `sourceRowPixels` and `destRowPixels`
// apart. Nothing happens for a non-positive side.
void ConvertRgb555BlockToRgb32(const RGB555* source, int32_t sourceRowPixels, uint32_t* dest, int32_t destRowPixels,
                               int32_t width, int32_t height);

}  // namespace tessmoor
