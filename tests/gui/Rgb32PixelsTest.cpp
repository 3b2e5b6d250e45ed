// The map view hands the window system 32-bit pixels converted by our own code
// instead of RGB555 ones that Qt converts on every paint. The picture must stay
// what Qt's own conversion shows, for every colour.
#include <gtest/gtest.h>

#include <QImage>
#include <cstring>
#include <random>
#include <vector>

#include "graphics/Rgb32Pixels.h"

namespace tessmoor {

namespace {

// Every 16-bit value once, 256 to a row: all 32768 colours, each with bit 15
// clear and set (the view's grid lines are drawn as 0xFFFF).
QImage EveryRgb555Value() {
  QImage image(256, 256, QImage::Format_RGB555);
  for (int y = 0; y < 256; ++y) {
    auto* row = reinterpret_cast<RGB555*>(image.scanLine(y));
    for (int x = 0; x < 256; ++x) row[x] = static_cast<RGB555>(y * 256 + x);
  }
  return image;
}

const RGB555* Rgb555Row(const QImage& image, int y) { return reinterpret_cast<const RGB555*>(image.constScanLine(y)); }
const uint32_t* Rgb32Row(const QImage& image, int y) {
  return reinterpret_cast<const uint32_t*>(image.constScanLine(y));
}

}  // namespace

TEST(Rgb32Pixels, EveryColourComesOutAsQtConvertsIt) {
  const QImage source = EveryRgb555Value();
  for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
    const QImage byQt = source.convertToFormat(format);
    std::vector<uint32_t> ours(256);
    for (int y = 0; y < 256; ++y) {
      ConvertRgb555ToRgb32(Rgb555Row(source, y), ours.data(), ours.size());
      for (int x = 0; x < 256; ++x) {
        const RGB555 pixel = Rgb555Row(source, y)[x];
        ASSERT_EQ(ours[size_t(x)], Rgb32Row(byQt, y)[x]) << "pixel " << pixel << ", format " << format;
        ASSERT_EQ(Rgb555ToRgb32(pixel), ours[size_t(x)]) << "pixel " << pixel;
      }
    }
  }
}

TEST(Rgb32Pixels, BlockConvertsExactlyItsRectangle) {
  const QImage source = EveryRgb555Value();
  const QImage byQt = source.convertToFormat(QImage::Format_RGB32);
  constexpr uint32_t Untouched = 0x12345678;
  std::mt19937 random(555);
  for (int round = 0; round < 200; ++round) {
    const int left = int(random() % 256), top = int(random() % 256);
    const int width = int(random() % (257 - left)), height = int(random() % (257 - top));
    QImage dest(256, 256, QImage::Format_ARGB32);  // keeps the marker word as it is
    dest.fill(Untouched);
    ConvertRgb555BlockToRgb32(Rgb555Row(source, top) + left, int32_t(source.bytesPerLine() / 2),
                              reinterpret_cast<uint32_t*>(dest.scanLine(top)) + left, int32_t(dest.bytesPerLine() / 4),
                              width, height);
    for (int y = 0; y < 256; ++y) {
      for (int x = 0; x < 256; ++x) {
        const bool inside = x >= left && x < left + width && y >= top && y < top + height;
        ASSERT_EQ(Rgb32Row(dest, y)[x], inside ? Rgb32Row(byQt, y)[x] : Untouched)
            << "block " << left << "," << top << " " << width << "x" << height << ", pixel " << x << "," << y;
      }
    }
  }
}

// A block as large as a 4K view is converted by two threads, each half of the
// rows: together they write exactly the block, as one thread would.
TEST(Rgb32Pixels, ALargeBlockSplitBetweenThreadsIsConvertedWhole) {
  constexpr int Width = 1500, Height = 1001, Margin = 3;
  static_assert(int64_t(Width) * Height >= ParallelConversionPixels);
  std::mt19937 random(4096);
  std::vector<RGB555> source(size_t(Width + Margin) * Height);
  for (RGB555& pixel : source) pixel = RGB555(random());
  constexpr uint32_t Untouched = 0x12345678;
  std::vector<uint32_t> dest(size_t(Width + Margin) * (Height + 1), Untouched);
  ConvertRgb555BlockToRgb32(source.data(), Width + Margin, dest.data(), Width + Margin, Width, Height);
  for (int y = 0; y <= Height; ++y) {
    for (int x = 0; x < Width + Margin; ++x) {
      const uint32_t got = dest[size_t(y) * (Width + Margin) + size_t(x)];
      const bool inside = x < Width && y < Height;
      const uint32_t wanted = inside ? Rgb555ToRgb32(source[size_t(y) * (Width + Margin) + size_t(x)]) : Untouched;
      ASSERT_EQ(got, wanted) << x << ", " << y;
    }
  }
}

}  // namespace tessmoor
