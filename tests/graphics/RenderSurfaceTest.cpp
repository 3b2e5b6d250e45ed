#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "graphics/GraphicsError.h"
#include "graphics/RenderSurface.h"
#include "graphics/WinG.h"

namespace tessmoor {

namespace {

using PixelSet = std::set<std::pair<int32_t, int32_t>>;

constexpr RGB555 Red = 0x7C00;
constexpr RGB555 Grey = 0x5EF7;

class SurfaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DestroySurface();
    SetWinGPresenter({});
    SetWinGFailureForTesting(WinGFailure::None);
    baseObjects_ = WinGLiveObjectCount();
    TakeGraphicsError();
  }
  void TearDown() override {
    DestroySurface();
    SetWinGPresenter({});
    SetWinGFailureForTesting(WinGFailure::None);
  }

  static RGB555 At(int32_t x, int32_t y) { return Surface().pixels[y * Surface().width + x]; }

  // Every surface position whose pixel is not black.
  static PixelSet SetPixels() {
    PixelSet pixels;
    for (int32_t y = 0; y < Surface().height; ++y)
      for (int32_t x = 0; x < Surface().width; ++x)
        if (At(x, y) != 0) pixels.insert({x, y});
    return pixels;
  }

  static void ExpectClip(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const RenderSurface& s = Surface();
    EXPECT_EQ(s.clipLeft, left);
    EXPECT_EQ(s.clipTop, top);
    EXPECT_EQ(s.clipRight, right);
    EXPECT_EQ(s.clipBottom, bottom);
    EXPECT_EQ(s.ClipWidth, right - left);
    EXPECT_EQ(s.ClipHeight, bottom - top);
  }

  int32_t baseObjects_ = 0;
};

TEST_F(SurfaceTest, CreationDropsAnOddColumnAndStartsBlackWithTheWholeSurfaceAsClip) {
  int target = 0;
  CreateSurface(641, 480, &target);
  const RenderSurface& s = Surface();
  ASSERT_TRUE(s.created);
  EXPECT_EQ(s.width, 640);
  EXPECT_EQ(s.height, 480);
  EXPECT_EQ(s.TargetDC, &target);
  ExpectClip(0, 0, 639, 479);
  EXPECT_TRUE(SetPixels().empty());
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geNone);
}

TEST_F(SurfaceTest, SurfacesWithoutRoomForAClipRectangleAreRefused) {
  CreateSurface(64, 48, nullptr);
  DestroySurface();
  for (const auto& size : {std::pair{1, 100}, std::pair{100, 1}, std::pair{0, 0}}) {
    CreateSurface(static_cast<uint16_t>(size.first), static_cast<uint16_t>(size.second), nullptr);
    EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geSurface);
    EXPECT_FALSE(Surface().created);
    // A primitive called anyway must not use the old surface's clip rectangle.
    FillRect(0, 0, 63, 47, Red);
  }
  EXPECT_EQ(WinGLiveObjectCount(), baseObjects_);
}

TEST_F(SurfaceTest, CreatingOverAnExistingSurfaceReleasesTheOldOne) {
  CreateSurface(64, 48, nullptr);
  CreateSurface(32, 16, nullptr);
  EXPECT_EQ(Surface().width, 32);
  EXPECT_EQ(WinGLiveObjectCount(), baseObjects_ + 2);
}

TEST_F(SurfaceTest, FailedContextOrBitmapCreationLeavesNoSurfaceAndNoObjects) {
  for (WinGFailure failure : {WinGFailure::CreateDC, WinGFailure::CreateBitmap}) {
    SetWinGFailureForTesting(failure);
    CreateSurface(64, 48, nullptr);
    EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geSurface);
    EXPECT_FALSE(Surface().created);
    EXPECT_EQ(Surface().pixels, nullptr);
    EXPECT_EQ(WinGLiveObjectCount(), baseObjects_);
  }
}

TEST_F(SurfaceTest, DestroyingTwiceIsHarmlessAndKeepsTheClipRectangle) {
  int target = 0;
  CreateSurface(64, 48, &target);
  SetClipRect(4, 5, 20, 30);
  DestroySurface();
  DestroySurface();
  const RenderSurface& s = Surface();
  EXPECT_FALSE(s.created);
  EXPECT_EQ(s.width, 0);
  EXPECT_EQ(s.height, 0);
  EXPECT_EQ(s.pixels, nullptr);
  EXPECT_EQ(s.TargetDC, nullptr);
  ExpectClip(4, 5, 20, 30);
  EXPECT_EQ(WinGLiveObjectCount(), baseObjects_);
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geNone);
}

TEST_F(SurfaceTest, BadClipRectanglesAreRefusedAndTheOldOneStays) {
  CreateSurface(640, 480, nullptr);
  SetClipRect(50, 40, 10, 20);
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geNone);
  ExpectClip(10, 20, 50, 40);
  const int32_t bad[][4] = {{10, 10, 10, 50}, {0, 0, 640, 10}, {-1, 0, 10, 10},
                            {0, 0, 10, 480},  {5, 5, 6, 5},    {INT32_MIN, 0, INT32_MAX, 10}};
  for (const auto& r : bad) {
    SetClipRect(r[0], r[1], r[2], r[3]);
    EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geClip) << r[0] << "," << r[1] << "," << r[2] << "," << r[3];
    ExpectClip(10, 20, 50, 40);
  }
  SetClipRect(638, 478, 639, 479);
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geNone);
  ExpectClip(638, 478, 639, 479);
}

TEST_F(SurfaceTest, ClearingFillsTheWholeSurfaceWhateverTheClip) {
  CreateSurface(64, 48, nullptr);
  SetClipRect(10, 10, 20, 20);
  ClearSurface(Grey);
  for (int32_t y = 0; y < 48; ++y)
    for (int32_t x = 0; x < 64; ++x) ASSERT_EQ(At(x, y), Grey) << x << "," << y;
}

// The rectangle keeps what it held, every other pixel is cleared; a rectangle
// that is empty or reaches outside the surface keeps nothing.
TEST_F(SurfaceTest, ClearingAroundARectangleLeavesExactlyTheRectangle) {
  struct Case {
    int32_t left, top, right, bottom;
    bool kept;
  };
  const Case cases[] = {{10, 5, 20, 9, true},  {0, 0, 63, 47, true},  {0, 0, 0, 0, true},   {63, 47, 63, 47, true},
                        {0, 10, 63, 12, true}, {30, 0, 31, 47, true}, {5, 5, 4, 9, false},  {-1, 0, 10, 10, false},
                        {0, 0, 64, 10, false}, {0, 40, 10, 48, false}};
  CreateSurface(64, 48, nullptr);
  for (const Case& c : cases) {
    ClearSurface(Red);
    ClearSurfaceAround(Grey, c.left, c.top, c.right, c.bottom);
    for (int32_t y = 0; y < 48; ++y) {
      for (int32_t x = 0; x < 64; ++x) {
        const bool inside = c.kept && x >= c.left && x <= c.right && y >= c.top && y <= c.bottom;
        ASSERT_EQ(At(x, y), inside ? Red : Grey) << x << "," << y << " around " << c.left << "," << c.top;
      }
    }
  }
}

TEST_F(SurfaceTest, ALineOfOnePointSetsThePointAndItsRightNeighbourRelativeToTheClip) {
  CreateSurface(64, 48, nullptr);
  SetClipRect(10, 20, 50, 40);
  DrawLine(0, 0, 0, 0, Red);
  EXPECT_EQ(SetPixels(), (PixelSet{{10, 20}, {11, 20}}));
}

TEST_F(SurfaceTest, LinesFollowBresenhamWithTheTwoTieRules) {
  struct LineCase {
    int32_t x1, y1, x2, y2;
    PixelSet pixels;
  };
  const LineCase cases[] = {
      {0, 0, 4, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}}, {4, 2, 0, 0, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
      {0, 0, 2, 4, {{0, 0}, {1, 1}, {1, 2}, {2, 3}, {2, 4}}}, {0, 4, 2, 0, {{0, 4}, {1, 3}, {1, 2}, {2, 1}, {2, 0}}},
      {0, 2, 4, 0, {{0, 2}, {1, 2}, {2, 1}, {3, 1}, {4, 0}}}, {1, 1, 4, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
      {3, 0, 3, 3, {{3, 0}, {3, 1}, {3, 2}, {3, 3}}},         {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
  };
  CreateSurface(16, 16, nullptr);
  for (const LineCase& c : cases) {
    ClearSurface(0);
    DrawLine(c.x1, c.y1, c.x2, c.y2, Red);
    EXPECT_EQ(SetPixels(), c.pixels) << c.x1 << "," << c.y1 << " - " << c.x2 << "," << c.y2;
  }
}

TEST_F(SurfaceTest, AClippedLineSetsExactlyTheInsidePixelsOfTheWholeLine) {
  const int32_t lines[][4] = {{-5, -3, 40, 25}, {35, -10, -8, 30}, {-20, 12, 60, 12}, {15, -40, 15, 70},
                              {-3, 50, 29, -4}, {0, 0, 0, 0},      {-1, -1, -1, -1},  {25, 5, 26, 5}};
  CreateSurface(64, 64, nullptr);
  for (const auto& l : lines) {
    // The whole line, drawn with the full surface as clip and shifted by the clip origin.
    SetClipRect(0, 0, 63, 63);
    ClearSurface(0);
    DrawLine(l[0] + 20, l[1] + 20, l[2] + 20, l[3] + 20, Red);
    PixelSet expected;
    for (const auto& p : SetPixels())
      if (p.first >= 20 && p.first <= 45 && p.second >= 20 && p.second <= 40) expected.insert(p);

    ClearSurface(0);
    SetClipRect(20, 20, 45, 40);
    DrawLine(l[0], l[1], l[2], l[3], Red);
    EXPECT_EQ(SetPixels(), expected) << l[0] << "," << l[1] << " - " << l[2] << "," << l[3];
  }
}

TEST_F(SurfaceTest, RectangleOutlinesAreTheFourEdgeLines) {
  CreateSurface(16, 16, nullptr);
  DrawRect(5, 4, 1, 1, Red);
  PixelSet expected;
  for (int32_t x = 1; x <= 5; ++x) expected.insert({{x, 1}, {x, 4}});
  for (int32_t y = 1; y <= 4; ++y) expected.insert({{1, y}, {5, y}});
  EXPECT_EQ(SetPixels(), expected);
}

PixelSet Block(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  PixelSet pixels;
  for (int32_t y = y1; y <= y2; ++y)
    for (int32_t x = x1; x <= x2; ++x) pixels.insert({x, y});
  return pixels;
}

TEST_F(SurfaceTest, FilledRectanglesAreClampedToTheClipInAnyCornerOrder) {
  struct FillCase {
    int32_t x1, y1, x2, y2;
    PixelSet pixels;
  };
  // Clip (10, 10)-(30, 20); arguments are relative to (10, 10).
  const FillCase cases[] = {
      {2, 2, 5, 5, Block(12, 12, 15, 15)},
      {5, 5, 2, 2, Block(12, 12, 15, 15)},
      {5, 2, 2, 5, Block(12, 12, 15, 15)},
      {1, 0, 1, 0, Block(11, 10, 11, 10)},
      {3, 1, 5, 1, Block(13, 11, 15, 11)},
      {-5, -5, 2, 3, Block(10, 10, 12, 13)},
      {18, 8, 40, 30, Block(28, 18, 30, 20)},
      {-100, -100, 100, 100, Block(10, 10, 30, 20)},
      {21, 0, 25, 5, {}},
      {-8, 0, -1, 5, {}},
      {0, 11, 5, 15, {}},
      {0, -9, 5, -1, {}},
  };
  CreateSurface(64, 32, nullptr);
  SetClipRect(10, 10, 30, 20);
  for (const FillCase& c : cases) {
    ClearSurface(0);
    FillRect(c.x1, c.y1, c.x2, c.y2, Grey);
    EXPECT_EQ(SetPixels(), c.pixels) << c.x1 << "," << c.y1 << " - " << c.x2 << "," << c.y2;
    for (const auto& p : c.pixels) ASSERT_EQ(At(p.first, p.second), Grey);
  }
}

HiColorImage NumberedImage(int32_t width, int32_t height) {
  HiColorImage image;
  AllocImage(width, height, image);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) SetImagePixel(x, y, static_cast<RGB555>(1 + y * width + x), image);
  return image;
}

TEST_F(SurfaceTest, BlackImagePixelsLeaveTheSurfaceAsItWas) {
  HiColorImage image;
  AllocImage(64, 64, image);
  for (int32_t y = 8; y < 56; ++y)
    for (int32_t x = 8; x < 56; ++x) SetImagePixel(x, y, Red, image);
  CreateSurface(80, 80, nullptr);
  FillRect(0, 0, 79, 79, Grey);
  BlitImage(5, 5, image);
  for (int32_t y = 0; y < 80; ++y)
    for (int32_t x = 0; x < 80; ++x) {
      const bool inner = x >= 13 && x < 61 && y >= 13 && y < 61;
      ASSERT_EQ(At(x, y), inner ? Red : Grey) << x << "," << y;
    }
}

// What a blit at clip-relative (x, y) must leave at surface (sx, sy), pixel by pixel.
RGB555 ExpectedBlitPixel(int32_t sx, int32_t sy, int32_t x, int32_t y, const HiColorImage& image,
                         const RenderSurface& s) {
  const int32_t ax = x + s.clipLeft, ay = y + s.clipTop;
  const bool skipped = ax >= s.clipRight || ay >= s.clipBottom;
  const bool inClip = sx >= s.clipLeft && sx <= s.clipRight && sy >= s.clipTop && sy <= s.clipBottom;
  if (skipped || !inClip) return 0;
  return GetImagePixel(sx - ax, sy - ay, image);
}

TEST_F(SurfaceTest, ImagesAreCutAtTheClipEdgesWithTheRightSourceOffset) {
  // Clip (10, 10)-(40, 30) is 31 x 21 pixels; the image is 12 x 9.
  const int32_t positions[][2] = {{-3, -5}, {-11, 0}, {-12, 0}, {25, 15}, {20, 3}, {29, 19}, {30, 5},
                                  {31, 5},  {5, 20},  {5, 19},  {-5, 18}, {0, -8}, {0, -9},  {-100, -100}};
  const HiColorImage image = NumberedImage(12, 9);
  CreateSurface(64, 48, nullptr);
  SetClipRect(10, 10, 40, 30);
  for (const auto& p : positions) {
    ClearSurface(0);
    BlitImage(p[0], p[1], image);
    for (int32_t sy = 0; sy < 48; ++sy)
      for (int32_t sx = 0; sx < 64; ++sx)
        ASSERT_EQ(At(sx, sy), ExpectedBlitPixel(sx, sy, p[0], p[1], image, Surface()))
            << "image at " << p[0] << "," << p[1] << ", surface pixel " << sx << "," << sy;
  }
}

TEST_F(SurfaceTest, AnImageStartingOnTheRightOrBottomClipEdgeIsNotDrawn) {
  const HiColorImage image = NumberedImage(4, 4);
  CreateSurface(64, 48, nullptr);
  SetClipRect(10, 10, 40, 30);
  BlitImage(30, 0, image);
  BlitImage(0, 20, image);
  EXPECT_TRUE(SetPixels().empty());
  BlitImage(29, 0, image);
  EXPECT_EQ(SetPixels(), Block(39, 10, 40, 13));
}

TEST_F(SurfaceTest, PrimitivesWithoutASurfaceDoNothing) {
  ClearSurface(Red);
  DrawLine(0, 0, 10, 10, Red);
  FillRect(0, 0, 10, 10, Red);
  BlitImage(0, 0, NumberedImage(4, 4));
  EXPECT_FALSE(Surface().created);
}

TEST_F(SurfaceTest, PresentingHandsThePixelsToThePresenterAtTheRequestedScale) {
  std::vector<WinGPresentRequest> requests;
  SetWinGPresenter([&requests](const WinGPresentRequest& request) {
    requests.push_back(request);
    return true;
  });
  int target = 0;
  CreateSurface(64, 48, &target);
  EXPECT_TRUE(PresentSurface(1));
  EXPECT_TRUE(PresentSurface(2));
  ASSERT_EQ(requests.size(), 2u);
  for (const WinGPresentRequest& r : requests) {
    EXPECT_EQ(r.targetDC, &target);
    EXPECT_EQ(r.pixels, Surface().pixels);
    EXPECT_EQ(r.width, 64);
    EXPECT_EQ(r.height, 48);
    EXPECT_EQ(r.rowPixels, 64);
    EXPECT_EQ(r.destX, 0);
    EXPECT_EQ(r.destY, 0);
  }
  EXPECT_EQ(requests[0].destWidth, 64);
  EXPECT_EQ(requests[0].destHeight, 48);
  EXPECT_EQ(requests[1].destWidth, 128);
  EXPECT_EQ(requests[1].destHeight, 96);
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geNone);
}

TEST_F(SurfaceTest, PresentingFailsWhenThePresenterRefusesOrNoSurfaceExists) {
  EXPECT_FALSE(PresentSurface(1));
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geSurface);
  CreateSurface(64, 48, nullptr);
  EXPECT_TRUE(PresentSurface(1));  // no presenter: nothing to show, nothing failed
  SetWinGPresenter([](const WinGPresentRequest&) { return false; });
  EXPECT_FALSE(PresentSurface(1));
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geSurface);
  EXPECT_TRUE(Surface().created);
}

}  // namespace

}  // namespace tessmoor
