#include <gtest/gtest.h>

#include "graphics/GraphicsError.h"
#include "graphics/HiColorImage.h"

namespace tessmoor {

namespace {

struct PackCase {
  uint8_t red, green, blue;
  RGB555 packed;
};

TEST(PackRGB555, PutsRedHighGreenMiddleBlueLow) {
  const PackCase cases[] = {{31, 0, 0, 0x7C00},   {0, 31, 0, 0x03E0},  {0, 0, 31, 0x001F},
                            {31, 31, 31, 0x7FFF}, {31, 16, 0, 0x7E00}, {0, 0, 0, 0}};
  for (const PackCase& c : cases) {
    EXPECT_EQ(PackRGB555(c.red, c.green, c.blue), c.packed);
    uint8_t r = 99, g = 99, b = 99;
    UnpackRGB555(c.packed, r, g, b);
    EXPECT_EQ(r, c.red);
    EXPECT_EQ(g, c.green);
    EXPECT_EQ(b, c.blue);
  }
}

TEST(UnpackRGB555, IgnoresTheTopBit) {
  uint8_t r = 0, g = 0, b = 0;
  UnpackRGB555(0xFFFF, r, g, b);
  EXPECT_EQ(r, 31);
  EXPECT_EQ(g, 31);
  EXPECT_EQ(b, 31);
}

TEST(AllocImage, GivesBlackPixelsOfTheRequestedSize) {
  TakeGraphicsError();
  HiColorImage image;
  AllocImage(3, 2, image);
  ASSERT_FALSE(image.IsEmpty());
  EXPECT_EQ(image.width, 3);
  EXPECT_EQ(image.height, 2);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(image.pixels[i], 0);
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geNone);
}

TEST(AllocImage, RefusesSizesThatAreNotAPositive32BitByteCount) {
  struct Size {
    int32_t width, height;
  };
  // -1 x -1 and 65535 x 65535 both give a small positive 32-bit product.
  const Size refused[] = {{0, 10}, {10, 0}, {-1, -1}, {-4, 3}, {65535, 65535}, {32768, 32768}, {46341, 46341}};
  for (const Size& size : refused) {
    TakeGraphicsError();
    HiColorImage image;
    AllocImage(size.width, size.height, image);
    EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geImage) << size.width << " x " << size.height;
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_EQ(image.width, 0);
    EXPECT_EQ(image.height, 0);
  }
  EXPECT_TRUE(IsImageSizeAllowed(32768, 32767));
  EXPECT_FALSE(IsImageSizeAllowed(32768, 32768));
}

TEST(ImagePixels, OutsideReadsAreBlackAndOutsideWritesAreIgnored) {
  HiColorImage image;
  AllocImage(4, 3, image);
  const int32_t outside[][2] = {{-1, 0}, {4, 0}, {0, -1}, {0, 3}, {-1, -1}};
  for (const auto& p : outside) SetImagePixel(p[0], p[1], 0x1234, image);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(image.pixels[i], 0);
  SetImagePixel(3, 2, 0x1234, image);
  EXPECT_EQ(image.pixels[11], 0x1234);
  EXPECT_EQ(GetImagePixel(3, 2, image), 0x1234);
  for (const auto& p : outside) EXPECT_EQ(GetImagePixel(p[0], p[1], image), 0);
  EXPECT_EQ(GetImagePixel(0, 0, HiColorImage{}), 0);
}

TEST(FreeImage, EmptiesTheImageAndLeavesAnEmptyOneAlone) {
  HiColorImage image;
  FreeImage(image);
  EXPECT_TRUE(image.IsEmpty());
  AllocImage(5, 5, image);
  FreeImage(image);
  EXPECT_TRUE(image.IsEmpty());
  EXPECT_EQ(image.width, 0);
  EXPECT_EQ(image.height, 0);
}

// Each pixel carries its own coordinates, so a resampled pixel tells where it came from.
HiColorImage CoordinateImage(int32_t width, int32_t height) {
  HiColorImage image;
  AllocImage(width, height, image);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) SetImagePixel(x, y, static_cast<RGB555>(y * 256 + x), image);
  return image;
}

TEST(ScaleImage, TakesTheSourcePixelAtTheExactIntegerRatio) {
  const int32_t sizes[][4] = {{128, 64, 64, 32}, {3, 1, 64, 1},    {5, 3, 7, 11},   {100, 30, 64, 19},
                              {1, 1, 64, 64},    {41, 41, 64, 63}, {200, 7, 3, 200}};
  for (const auto& s : sizes) {
    const HiColorImage source = CoordinateImage(s[0], s[1]);
    HiColorImage dest;
    ScaleImage(dest, s[2], s[3], source);
    ASSERT_EQ(dest.width, s[2]);
    ASSERT_EQ(dest.height, s[3]);
    for (int32_t y = 0; y < s[3]; ++y)
      for (int32_t x = 0; x < s[2]; ++x)
        ASSERT_EQ(GetImagePixel(x, y, dest), GetImagePixel(x * s[0] / s[2], y * s[1] / s[3], source))
            << s[0] << "x" << s[1] << " -> " << s[2] << "x" << s[3] << " at " << x << "," << y;
  }
}

TEST(ScaleImage, SpreadsThreeColumnsOverSixtyFour) {
  const HiColorImage source = CoordinateImage(3, 1);
  HiColorImage dest;
  ScaleImage(dest, 64, 1, source);
  for (int32_t x = 0; x < 64; ++x) EXPECT_EQ(GetImagePixel(x, 0, dest), x <= 21 ? 0 : x <= 42 ? 1 : 2) << x;
}

TEST(ScaleImage, RefusesAnEmptyDestinationOrSource) {
  const HiColorImage source = CoordinateImage(4, 4);
  HiColorImage dest;
  TakeGraphicsError();
  ScaleImage(dest, 0, 5, source);
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geImage);
  EXPECT_TRUE(dest.IsEmpty());
  ScaleImage(dest, 5, 5, HiColorImage{});
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geImage);
  EXPECT_TRUE(dest.IsEmpty());
}

TEST(MakeThumbnail, FitsTheLongSideToSixtyFourAndTruncatesTheShortOne) {
  const int32_t cases[][4] = {{128, 64, 64, 32}, {64, 128, 32, 64}, {100, 30, 64, 19}, {64, 64, 64, 64},
                              {41, 41, 64, 63},  {1, 64, 1, 64},    {640, 10, 64, 1},  {3, 5, 38, 64}};
  for (const auto& c : cases) {
    TakeGraphicsError();
    const HiColorImage source = CoordinateImage(c[0], c[1]);
    HiColorImage thumbnail;
    MakeThumbnail(source, thumbnail);
    EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geNone);
    EXPECT_EQ(thumbnail.width, c[2]) << c[0] << " x " << c[1];
    EXPECT_EQ(thumbnail.height, c[3]) << c[0] << " x " << c[1];
  }
}

TEST(MakeThumbnail, LeavesTheThumbnailEmptyWhenASideComesOutAtZero) {
  const int32_t sizes[][2] = {{1, 200}, {200, 1}, {0, 0}};
  for (const auto& s : sizes) {
    TakeGraphicsError();
    HiColorImage source;
    if (s[0] > 0) source = CoordinateImage(s[0], s[1]);
    HiColorImage thumbnail;
    MakeThumbnail(source, thumbnail);
    EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geImage) << s[0] << " x " << s[1];
    EXPECT_TRUE(thumbnail.IsEmpty());
  }
}

}  // namespace

}  // namespace tessmoor
