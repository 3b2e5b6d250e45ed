// The composed picture, pixel for pixel, at the main window's design size.

#include <gtest/gtest.h>

#include <random>

#include "graphics/GraphicsError.h"
#include "view/MapView.h"
#include "view/ViewColours.h"
#include "view/Zoom.h"
#include "view/ViewTestSupport.h"

namespace tessmoor {

using namespace viewtest;

namespace {

class RedrawViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TakeGraphicsError();
    MakeSurface(528, 294);
  }
  void TearDown() override { DestroySurface(); }
  void Redraw() { RedrawView(edit.Doc(), edit.editor, DesignView()); }

  Editing edit;
};

struct PixelCase {
  int x, y;
  RGB555 colour;
  const char* what;
};

void ExpectPixels(const std::vector<PixelCase>& cases) {
  for (const PixelCase& c : cases) {
    EXPECT_EQ(Pixel(c.x, c.y), c.colour) << c.what << " at (" << c.x << ", " << c.y << ")";
  }
}

TEST_F(RedrawViewTest, DesignSizeDrawsEightColumnsAndSixRows) {
  edit.editor.viewOrigin = {10, 20};
  Redraw();
  EXPECT_EQ(edit.editor.lastVisibleColumn, 17);
  EXPECT_EQ(edit.editor.lastVisibleRow, 25);
}

TEST_F(RedrawViewTest, VisibleRangeStopsAtTheLastGridCell) {
  edit.editor.viewOrigin = {60, 62};
  Redraw();
  EXPECT_EQ(edit.editor.lastVisibleColumn, 63);
  EXPECT_EQ(edit.editor.lastVisibleRow, 63);
}

TEST_F(RedrawViewTest, PaletteSlotsHaveSunkenFramesOnTheStrip) {
  Redraw();
  for (int i = 0; i < 4; ++i) {
    const int top = 72 * i;
    SCOPED_TRACE(i);
    ExpectPixels({
        {1, top + 30, ColourDarkGrey, "outer left line"},
        {2, top + 30, ColourBlack, "inner left line"},
        {68, top + 30, ColourLightGrey, "inner right line"},
        {69, top + 30, ColourWhite, "outer right line"},
        {30, top, ColourDarkGrey, "outer top line"},
        {30, top + 1, ColourBlack, "inner top line"},
        {30, top + 67, ColourLightGrey, "inner bottom line"},
        {30, top + 68, ColourWhite, "outer bottom line"},
        {69, top + 68, ColourLightGrey, "undrawn corner shows the strip"},
        {67, top + 30, ColourLightGrey, "strip column right of the picture"},
        {30, top + 66, ColourLightGrey, "strip row below the picture"},
        {0, top + 30, ColourLightGrey, "strip left of the frame"},
        {71, top + 30, ColourLightGrey, "strip right of the frame"},
    });
  }
  ExpectPixels({{35, 290, ColourLightGrey, "strip below the last slot"}});
}

TEST_F(RedrawViewTest, MapFrameAndCornerSquare) {
  Redraw();
  ExpectPixels({
      {200, 0, ColourDarkGrey, "frame top outer"},
      {200, 1, ColourBlack, "frame top inner"},
      {72, 100, ColourDarkGrey, "frame left outer"},
      {73, 1, ColourBlack, "frame left inner above the grid"},
      {527, 100, ColourWhite, "frame right outer"},
      {526, 100, ColourLightGrey, "frame right inner"},
      {200, 293, ColourWhite, "frame bottom outer"},
      {200, 292, ColourLightGrey, "frame bottom inner"},
      {515, 280, ColourLightGrey, "corner square"},
      {510, 276, ColourLightGrey, "corner square's first pixel"},
      {509, 276, ColourBlack, "under the horizontal scroll bar"},
      {515, 100, ColourBlack, "under the vertical scroll bar"},
  });
}

TEST_F(RedrawViewTest, GridLinesLieEverySixtyFivePixelsInsideTheMapArea) {
  Redraw();
  for (int u = 0; u <= 6; ++u) {
    SCOPED_TRACE(u);
    ExpectPixels({{73 + 65 * u, 150, ColourGridWhite, "vertical grid line"},
                  {73 + 65 * u + 1, 150, ColourBlack, "first picture column"},
                  {73 + 65 * u + 30, 132, ColourGridWhite, "horizontal grid line"}});
  }
  ExpectPixels({
      {200, 262, ColourGridWhite, "last grid line that fits"},
      {509, 262, ColourGridWhite, "grid line at the map area's right edge"},
      {510, 262, ColourBlack, "nothing right of the map area"},
      {200, 276, ColourBlack, "nothing below the map area"},
  });
}

TEST_F(RedrawViewTest, SelectModeDoublesTheSelectionFrameAndNotTheSlotFrame) {
  edit.editor.selection = {1, 1, 1, 1};
  Redraw();
  ExpectPixels({
      {138, 100, ColourRed, "selection outer left on the grid line"},
      {139, 100, ColourBlack, "between the two frames"},
      {140, 100, ColourRed, "selection inner left"},
      {203, 100, ColourRed, "selection outer right"},
      {201, 100, ColourRed, "selection inner right"},
      {170, 67, ColourRed, "selection outer top"},
      {170, 69, ColourRed, "selection inner top"},
      {170, 132, ColourRed, "selection outer bottom"},
      {3, 30, ColourRed, "active slot single frame"},
      {5, 30, ColourBlack, "no second slot frame"},
      {3, 72 + 30, ColourBlack, "inactive slot has no frame"},
  });
}

TEST_F(RedrawViewTest, PaintModeDoublesTheSlotFrameAndNotTheSelectionFrame) {
  edit.editor.toolMode = ToolMode::Paint;
  edit.Doc().currentSlot = 2;
  edit.editor.selection = {1, 1, 1, 1};
  Redraw();
  ExpectPixels({
      {3, 144 + 30, ColourRed, "active slot outer frame"},
      {5, 144 + 30, ColourRed, "active slot inner frame"},
      {4, 144 + 30, ColourBlack, "between the slot frames"},
      {3, 30, ColourBlack, "slot 0 is no longer framed"},
      {138, 100, ColourRed, "selection single frame"},
      {140, 100, ColourBlack, "no second selection frame"},
  });
}

TEST_F(RedrawViewTest, SelectionCornersInEitherOrderDrawTheSameRectangle) {
  edit.editor.selection = {5, 7, 2, 3};
  Redraw();
  std::vector<RGB555> reversed(Surface().pixels, Surface().pixels + 528 * 294);
  edit.editor.selection = {2, 3, 5, 7};
  Redraw();
  EXPECT_TRUE(std::equal(reversed.begin(), reversed.end(), Surface().pixels));
}

TEST_F(RedrawViewTest, FarCornerOriginDrawsOnlyTheLastCell) {
  edit.editor.viewOrigin = {63, 63};
  edit.editor.selection = {63, 63, 63, 63};
  Redraw();
  ExpectPixels({
      {73, 30, ColourRed, "selection around the one cell"},
      {100, 30, ColourBlack, "the cell's picture"},
      {138, 120, ColourBlack, "no grid line below the cell"},
      {139, 30, ColourBlack, "nothing right of the cell"},
      {300, 30, ColourBlack, "the rest of the map area"},
      {300, 200, ColourBlack, "the rest of the map area"},
  });
  for (int x = 140; x <= 509; ++x) ASSERT_EQ(Pixel(x, 67), ColourBlack) << x;
}

TEST_F(RedrawViewTest, HalfHeightThumbnailCoversTheUpperHalfOfTheCell) {
  constexpr RGB555 brick = 0x2A4A;
  edit.Doc().textureCount = 1;
  edit.Doc().textures[0].frameCount = 1;
  edit.Doc().textures[0].frames[0].thumbnail = SolidImage(64, 32, brick);
  edit.Cell(1, 1).texture[SurfaceKind::Wall] = 0;
  Redraw();
  // Cell (1, 1)'s picture starts at view pixel (139, 68).
  ExpectPixels({
      {139, 68, brick, "top-left pixel"},
      {202, 99, brick, "last pixel of the upper half"},
      {140, 69, ColourBlack, "black thumbnail pixel lets the cell show"},
      {139, 100, ColourBlack, "lower half"},
      {202, 131, ColourBlack, "lower half's last pixel"},
  });
}

TEST_F(RedrawViewTest, OnlyTheCurrentLayersTextureIsShown) {
  constexpr RGB555 brick = 0x2A4A;
  edit.Doc().textureCount = 1;
  edit.Doc().textures[0].frameCount = 1;
  edit.Doc().textures[0].frames[0].thumbnail = SolidImage(64, 64, brick);
  edit.Cell(0, 0).texture[SurfaceKind::Floor] = 0;
  Redraw();
  EXPECT_EQ(Pixel(100, 30), ColourBlack);
  edit.editor.currentLayer = SurfaceKind::Floor;
  Redraw();
  EXPECT_EQ(Pixel(100, 30), brick);
}

TEST_F(RedrawViewTest, PaletteSlotShowsItsCellsThumbnailAndSymbol) {
  constexpr RGB555 brick = 0x2A4A;
  constexpr RGB555 mark = 0x0421;
  edit.Doc().textureCount = 1;
  edit.Doc().textures[0].frameCount = 1;
  edit.Doc().textures[0].frames[0].thumbnail = SolidImage(64, 64, brick);
  edit.editor.cellSymbols[1] = SolidImage(20, 20, mark);
  edit.Doc().paletteSlots[1].cell.texture[SurfaceKind::Wall] = 0;
  edit.Doc().paletteSlots[1].cell.type = static_cast<uint8_t>(CellType::Wall);
  Redraw();
  // Slot 1's picture starts at (3, 74); the symbol lies over the thumbnail.
  EXPECT_EQ(Pixel(3, 74), mark);
  EXPECT_EQ(Pixel(10, 80), mark);
  EXPECT_EQ(Pixel(30, 80), brick);
  EXPECT_EQ(Pixel(40, 120), brick);
  EXPECT_EQ(Pixel(67, 120), ColourLightGrey);
}

TEST_F(RedrawViewTest, CellsOverTheFrameEdgeStillGetTheirBlackBackground) {
  // Without scroll bars and with an odd width, the frame's light grey inner right
  // line (x 524) lies inside the map area, under column 6 of the grid.
  MakeSurface(527, 294);
  RedrawView(edit.Doc(), edit.editor, {527, 294, 0, 0});
  EXPECT_EQ(Pixel(524, 100), ColourBlack);
  EXPECT_EQ(Pixel(525, 100), ColourWhite);
}

TEST_F(RedrawViewTest, TinyViewDrawsTheFrameAndLeavesTheMapAreaBlack) {
  MakeSurface(80, 40);
  edit.editor.viewOrigin = {3, 3};
  RedrawView(edit.Doc(), edit.editor, {80, 40, 16, 16});
  EXPECT_EQ(Pixel(72, 10), ColourDarkGrey);
  EXPECT_EQ(Pixel(79, 10), ColourWhite);
  for (int y = 2; y <= 21; ++y) {
    for (int x = 74; x <= 77; ++x) ASSERT_EQ(Pixel(x, y), ColourBlack) << x << "," << y;
  }
  EXPECT_LT(edit.editor.lastVisibleColumn, edit.editor.viewOrigin.x);
  EXPECT_LT(edit.editor.lastVisibleRow, edit.editor.viewOrigin.y);
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geNone);
}

TEST_F(RedrawViewTest, ViewOneCellWideDrawsNoGridLeftOfTheMapArea) {
  // mapArea (73, 2)-(73, 275): one pixel wide, which the clip refuses.
  MakeSurface(92, 294);
  RedrawView(edit.Doc(), edit.editor, {92, 294, 16, 16});
  for (int y = 2; y <= 275; ++y) ASSERT_NE(Pixel(73, y), ColourGridWhite) << y;
  EXPECT_EQ(Pixel(72, 100), ColourDarkGrey);
}

TEST_F(RedrawViewTest, SurfaceTooSmallForAnyClipIsOnlyCleared) {
  // Should such a surface exist, the clip rectangle of the larger one before
  // would still be in force; drawing with it would write far outside the surface.
  MakeSurface(3, 1);
  TakeGraphicsError();
  RedrawView(edit.Doc(), edit.editor, {3, 1, 16, 16});
  if (Surface().created) {
    EXPECT_EQ(Pixel(0, 0), ColourBlack);
    EXPECT_EQ(Pixel(1, 0), ColourBlack);
  }
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geNone);
}

TEST_F(RedrawViewTest, RedrawKeepsAnErrorThatWasAlreadyPending) {
  MakeSurface(80, 40);
  SetGraphicsError(GraphicsErrorCode::geRead);
  RedrawView(edit.Doc(), edit.editor, {80, 40, 16, 16});
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geRead);
}

// The redraw leaves out of its clear the cells it paints in full, so what the
// surface held before must never show: random views over random cells, with
// thumbnails of any size (black pixels, smaller than a cell, larger than one),
// each drawn once over black and once over noise.
TEST_F(RedrawViewTest, NothingOfTheEarlierPictureShowsThrough) {
  std::mt19937 random(7);
  const auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  for (int t = 0; t < 6; ++t) {
    HiColorImage& thumbnail = edit.Doc().textures[static_cast<size_t>(t)].frames[0].thumbnail;
    thumbnail = SolidImage(1 + below(70), 1 + below(70), static_cast<RGB555>(random()));
    for (int i = 0; i < thumbnail.width * thumbnail.height; i += 1 + below(5)) thumbnail.pixels[static_cast<size_t>(i)] = 0;
    edit.Doc().textures[static_cast<size_t>(t)].frameCount = 1;
  }
  edit.Doc().textureCount = 6;
  edit.editor.cellSymbols[0] = SolidImage(32, 32, 0);
  for (int kind = 1; kind < CellTypeCount; ++kind)
    edit.editor.cellSymbols[static_cast<size_t>(kind)] = SolidImage(20, 20, static_cast<RGB555>(random()));
  for (int round = 0; round < 40; ++round) {
    // Sparse and dense maps take different ways through the redraw.
    const int empty = 1 + below(8);
    for (MapCell& cell : edit.Doc().cells) {
      cell.type = static_cast<uint8_t>(below(CellTypeCount + 1));
      for (uint16_t& texture : cell.texture) texture = below(8) < empty ? NoTexture : static_cast<uint16_t>(below(7));
    }
    const int width = 2 * (20 + below(700)), height = 20 + below(700);
    const ViewGeometry view{width, height, below(3) == 0 ? 0 : 16, 16, DefaultZoomLevel};
    edit.editor.viewOrigin = {below(66) - 1, below(66) - 1};
    edit.editor.currentLayer = static_cast<SurfaceKind>(below(SurfaceCount));
    edit.editor.toolMode = below(2) ? ToolMode::Select : ToolMode::Paint;
    edit.editor.selection = {below(GridSize), below(GridSize), below(GridSize), below(GridSize)};
    MakeSurface(width, height);
    RedrawView(edit.Doc(), edit.editor, view);
    const std::vector<RGB555> overBlack = SurfacePicture();
    const RenderSurface& surface = Surface();
    for (int i = 0; i < surface.width * surface.height; ++i) surface.pixels[static_cast<size_t>(i)] = static_cast<RGB555>(random());
    RedrawView(edit.Doc(), edit.editor, view);
    ASSERT_TRUE(SurfacePicture() == overBlack) << "round " << round << ": " << width << " x " << height << " from ("
                                               << edit.editor.viewOrigin.x << ", " << edit.editor.viewOrigin.y << ")";
  }
}

TEST_F(RedrawViewTest, NoSurfaceMeansNothingIsDrawn) {
  DestroySurface();
  edit.editor.lastVisibleColumn = 42;
  Redraw();
  EXPECT_EQ(edit.editor.lastVisibleColumn, 42);
}

}  // namespace

}  // namespace tessmoor
