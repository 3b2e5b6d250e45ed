#pragma once
// 16-bit RGB555 images: the one pixel format of every picture the editor draws.

#include <cstdint>
#include <memory>

namespace tessmoor {

// Red in bits 10-14, green in 5-9, blue in 0-4; bit 15 is ignored. Black (0) is
// the transparent colour of every image copy onto the surface.
using RGB555 = uint16_t;

// width x height pixels, row-major, top row first. An empty image is 0 x 0 with
// no buffer. The record owns its buffer; moving the record moves the ownership.
struct HiColorImage {
  int32_t width = 0;
  int32_t height = 0;
  std::unique_ptr<RGB555[]> pixels;
  // A thumbnail's picture, whose size the lists show: 0 x 0 for any other image.
  int32_t madeFromWidth = 0;
  int32_t madeFromHeight = 0;

  bool IsEmpty() const { return !pixels; }
};

// Components are not masked: a value above 31 spills into its neighbour field.
RGB555 PackRGB555(uint8_t red, uint8_t green, uint8_t blue);
void UnpackRGB555(RGB555 pixel, uint8_t& red, uint8_t& green, uint8_t& blue);

// Gives `image` a zero-filled buffer of width x height pixels. Sets geImage and
// leaves the record untouched when the byte size is not a positive 32-bit value.
void AllocImage(int32_t width, int32_t height, HiColorImage& image);
// True when AllocImage would accept the size: both sides positive and
// width x height x 2 bytes within a signed 32-bit value.
bool IsImageSizeAllowed(int32_t width, int32_t height);
// A copy with a buffer of its own; an empty image gives an empty copy.
HiColorImage CopyImage(const HiColorImage& image);
// Releases the buffer and makes the image empty; an empty image is left alone.
void FreeImage(HiColorImage& image);

// Writes outside the image are ignored; reads outside return 0.
void SetImagePixel(int32_t x, int32_t y, RGB555 pixel, HiColorImage& image);
RGB555 GetImagePixel(int32_t x, int32_t y, const HiColorImage& image);

// Nearest-neighbour resample: dest(x, y) = source(x*sw/dw, y*sh/dh). With a
// non-positive destination area, geImage is set and dest stays empty.
void ScaleImage(HiColorImage& dest, int32_t destWidth, int32_t destHeight, const HiColorImage& source);

// Fits `source` into 64 x 64 keeping proportions (long side exactly 64, short side
// truncated from an extended-precision product). A side that comes out at 0
// leaves dest empty with geImage set.
void MakeThumbnail(const HiColorImage& source, HiColorImage& dest);

}  // namespace tessmoor
