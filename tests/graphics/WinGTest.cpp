#include <gtest/gtest.h>

#include "graphics/WinG.h"

namespace tessmoor {

namespace {

WinGBitmapInfo TopDown16(int32_t width, int32_t height) {
  WinGBitmapInfo info;
  WinGRecommendDIBFormat(&info);
  info.header.width = width;
  info.header.height = -height;
  return info;
}

TEST(WinG, RefusesBitmapsTheSurfaceCannotUse) {
  WinGDC dc = WinGCreateDC();
  ASSERT_NE(dc, nullptr);
  WinGBitmapInfo eightBit = TopDown16(8, 8);
  eightBit.header.bitCount = 8;
  WinGBitmapInfo bottomUp = TopDown16(8, 8);
  bottomUp.header.height = 8;
  for (const WinGBitmapInfo& info : {eightBit, bottomUp, TopDown16(0, 8), TopDown16(65535, 65535)}) {
    void* bits = &dc;
    EXPECT_EQ(WinGCreateBitmap(dc, &info, &bits), nullptr);
    EXPECT_EQ(bits, nullptr);
  }
  EXPECT_TRUE(WinGDeleteDC(dc));
  EXPECT_FALSE(WinGDeleteDC(dc));
}

TEST(WinG, ASelectedBitmapStaysUntilDeselected) {
  WinGDC dc = WinGCreateDC();
  const WinGBitmapInfo info = TopDown16(8, 4);
  void* bits = nullptr;
  WinGBitmap bitmap = WinGCreateBitmap(dc, &info, &bits);
  ASSERT_NE(bitmap, nullptr);
  ASSERT_NE(bits, nullptr);
  EXPECT_EQ(WinGSelectBitmap(dc, bitmap), nullptr);
  EXPECT_FALSE(WinGDeleteBitmap(bitmap));
  EXPECT_EQ(WinGSelectBitmap(dc, nullptr), bitmap);
  EXPECT_TRUE(WinGDeleteBitmap(bitmap));
  EXPECT_TRUE(WinGDeleteDC(dc));
}

TEST(WinG, BlitsOnlyBlocksInsideTheSelectedBitmap) {
  WinGDC dc = WinGCreateDC();
  const WinGBitmapInfo info = TopDown16(8, 4);
  void* bits = nullptr;
  WinGBitmap bitmap = WinGCreateBitmap(dc, &info, &bits);
  EXPECT_EQ(WinGBitBlt(nullptr, 0, 0, 8, 4, dc, 0, 0), 0);  // nothing selected yet
  WinGSelectBitmap(dc, bitmap);
  WinGPresentRequest seen;
  SetWinGPresenter([&seen](const WinGPresentRequest& request) {
    seen = request;
    return true;
  });
  EXPECT_NE(WinGBitBlt(nullptr, 3, 2, 4, 2, dc, 4, 2), 0);
  EXPECT_EQ(seen.pixels, static_cast<const RGB555*>(bits) + 2 * 8 + 4);
  EXPECT_EQ(seen.rowPixels, 8);
  EXPECT_EQ(seen.destX, 3);
  EXPECT_EQ(WinGBitBlt(nullptr, 0, 0, 8, 4, dc, 1, 0), 0);
  EXPECT_EQ(WinGStretchBlt(nullptr, 0, 0, 16, 8, dc, 0, 0, 8, 5), 0);
  EXPECT_EQ(WinGBitBlt(nullptr, 0, 0, 8, 4, nullptr, 0, 0), 0);
  SetWinGPresenter({});
  WinGSelectBitmap(dc, nullptr);
  WinGDeleteBitmap(bitmap);
  WinGDeleteDC(dc);
}

}  // namespace

}  // namespace tessmoor
