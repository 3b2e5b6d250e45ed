#include "graphics/HiColorImage.h"

#include <algorithm>
#include <limits>

#include "graphics/GraphicsError.h"

namespace tessmoor {

RGB555 PackRGB555(uint8_t red, uint8_t green, uint8_t blue) {
  return static_cast<RGB555>((red << 10) | (green << 5) | blue);
}

void UnpackRGB555(RGB555 pixel, uint8_t& red, uint8_t& green, uint8_t& blue) {
  red = (pixel >> 10) & 0x1F;
  green = (pixel >> 5) & 0x1F;
  blue = pixel & 0x1F;
}

namespace {
// `zeroed` false: the caller writes every pixel itself.
bool TryAllocImage(int32_t width, int32_t height, HiColorImage& image, bool zeroed = true) {
  if (!IsImageSizeAllowed(width, height)) {
    SetGraphicsError(GraphicsErrorCode::geImage);
    return false;
  }
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  image.pixels = zeroed ? std::make_unique<RGB555[]>(count) : std::make_unique_for_overwrite<RGB555[]>(count);
  image.width = width;
  image.height = height;
  return true;
}
}  // namespace

bool IsImageSizeAllowed(int32_t width, int32_t height) {
  // The product is taken in 64 bits: a 32-bit product of two large sides could
  // wrap around to a small positive size and under-allocate.
  const int64_t bytes = int64_t{width} * int64_t{height} * 2;
  return width > 0 && height > 0 && bytes <= std::numeric_limits<int32_t>::max();
}

void AllocImage(int32_t width, int32_t height, HiColorImage& image) { TryAllocImage(width, height, image); }

void FreeImage(HiColorImage& image) {
  image.pixels.reset();
  image.width = 0;
  image.height = 0;
}

namespace {
bool IsInside(int32_t x, int32_t y, const HiColorImage& image) {
  return image.pixels && x >= 0 && x < image.width && y >= 0 && y < image.height;
}

size_t PixelIndex(int32_t x, int32_t y, int32_t width) {
  return static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x);
}
}  // namespace

void SetImagePixel(int32_t x, int32_t y, RGB555 pixel, HiColorImage& image) {
  if (IsInside(x, y, image)) image.pixels[PixelIndex(x, y, image.width)] = pixel;
}

RGB555 GetImagePixel(int32_t x, int32_t y, const HiColorImage& image) {
  return IsInside(x, y, image) ? image.pixels[PixelIndex(x, y, image.width)] : 0;
}

void ScaleImage(HiColorImage& dest, int32_t destWidth, int32_t destHeight, const HiColorImage& source) {
  // Sampling an empty source would read a buffer that is not there.
  if (source.IsEmpty() || source.width <= 0 || source.height <= 0) {
    SetGraphicsError(GraphicsErrorCode::geImage);
    return;
  }
  // The stepping below divides by the destination's sides.
  if (!TryAllocImage(destWidth, destHeight, dest, false)) return;

  // Integer stepping: srcX = x * sw / dw exactly, without a division per pixel.
  // The columns are the same in every row, so they are worked out once.
  const int32_t xStep = source.width / destWidth, xRest = source.width % destWidth;
  const int32_t yStep = source.height / destHeight, yRest = source.height % destHeight;
  constexpr int32_t SmallWidth = 256;
  int32_t smallColumns[SmallWidth];
  std::unique_ptr<int32_t[]> largeColumns;
  if (destWidth > SmallWidth) largeColumns = std::make_unique_for_overwrite<int32_t[]>(static_cast<size_t>(destWidth));
  int32_t* columns = largeColumns ? largeColumns.get() : smallColumns;
  for (int32_t x = 0, srcX = 0, xAcc = 0; x < destWidth; ++x) {
    columns[x] = srcX;
    srcX += xStep;
    xAcc += xRest;
    if (xAcc >= destWidth) {
      xAcc -= destWidth;
      ++srcX;
    }
  }
  RGB555* out = dest.pixels.get();
  int32_t srcY = 0, yAcc = 0;
  for (int32_t y = 0; y < destHeight; ++y) {
    const RGB555* sourceRow = source.pixels.get() + PixelIndex(0, srcY, source.width);
    if (xRest == 0) {
      // Columns a whole step apart (a thumbnail of a 128-pixel picture): a strided
      // copy, which the compiler turns into vector shuffles.
      for (int32_t x = 0; x < destWidth; ++x) out[x] = sourceRow[x * xStep];
    } else {
      for (int32_t x = 0; x < destWidth; ++x) out[x] = sourceRow[columns[x]];
    }
    out += destWidth;
    srcY += yStep;
    yAcc += yRest;
    if (yAcc >= destHeight) {
      yAcc -= destHeight;
      ++srcY;
    }
  }
}

void MakeThumbnail(const HiColorImage& source, HiColorImage& dest) {
  const int32_t w = source.width, h = source.height;
  if (w <= 0 || h <= 0) {
    SetGraphicsError(GraphicsErrorCode::geImage);
    return;
  }
  // Extended precision, quotient first: this is what decides 41 x 41 -> 64 x 63,
  // and thumbnails of existing maps must keep their sizes.
  int32_t thumbWidth = 64, thumbHeight = 64;
  if (h > w) {
    thumbWidth = static_cast<int32_t>((64.0L / static_cast<long double>(h)) * static_cast<long double>(w));
  } else {
    thumbHeight = static_cast<int32_t>((64.0L / static_cast<long double>(w)) * static_cast<long double>(h));
  }
  ScaleImage(dest, thumbWidth, thumbHeight, source);
  if (dest.IsEmpty()) return;
  dest.madeFromWidth = w;
  dest.madeFromHeight = h;
}

HiColorImage CopyImage(const HiColorImage& image) {
  HiColorImage copy;
  if (image.IsEmpty()) return copy;
  const auto count = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
  copy.width = image.width;
  copy.height = image.height;
  copy.madeFromWidth = image.madeFromWidth;
  copy.madeFromHeight = image.madeFromHeight;
  copy.pixels = std::make_unique_for_overwrite<RGB555[]>(count);
  std::copy_n(image.pixels.get(), count, copy.pixels.get());
  return copy;
}

}  // namespace tessmoor
