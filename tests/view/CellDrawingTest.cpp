// One cell's picture: black, the current layer's thumbnail, the kind's symbol,
// and nothing at all for references a corrupt map can carry.

#include <gtest/gtest.h>

#include "graphics/GraphicsError.h"
#include "view/MapView.h"
#include "view/ViewColours.h"
#include "view/ViewTestSupport.h"

namespace tessmoor {

using namespace viewtest;

namespace {

constexpr RGB555 Background = 0x1111;
constexpr RGB555 Brick = 0x2A4A;
constexpr RGB555 Mark = 0x0421;

class CellDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeSurface(100, 100);
    ClearSurface(Background);
    MapDocument& doc = edit.Doc();
    doc.textureCount = 1;
    doc.textures[0].frameCount = 1;
    doc.textures[0].frames[0].thumbnail = SolidImage(64, 64, Brick);
    // Stale frames behind textureCount, as a corrupt table could hold them.
    doc.textures[1].frameCount = 1;
    doc.textures[1].frames[0].thumbnail = SolidImage(64, 64, Brick);
    for (int kind = 1; kind < CellTypeCount; ++kind) edit.editor.cellSymbols[kind] = SolidImage(20, 20, Mark);
    SetCellDefaults(cell);
  }
  void TearDown() override { DestroySurface(); }

  // True when the 64 x 64 box at (10, 10) holds only black.
  bool PictureIsBlack() const {
    for (int y = 10; y < 74; ++y) {
      for (int x = 10; x < 74; ++x) {
        if (Pixel(x, y) != ColourBlack) return false;
      }
    }
    return true;
  }

  Editing edit;
  MapCell cell;
};

TEST_F(CellDrawingTest, CellWithoutTextureOrKindIsBlackAndStaysInsideItsBox) {
  DrawCell(10, 10, cell, edit.Doc(), edit.editor);
  EXPECT_TRUE(PictureIsBlack());
  EXPECT_EQ(Pixel(9, 10), Background);
  EXPECT_EQ(Pixel(74, 73), Background);
  EXPECT_EQ(Pixel(73, 74), Background);
}

TEST_F(CellDrawingTest, SymbolLiesOverTheThumbnailAtTheTopLeft) {
  cell.texture[SurfaceKind::Wall] = 0;
  cell.type = static_cast<uint8_t>(CellType::WaterBasin);
  DrawCell(10, 10, cell, edit.Doc(), edit.editor);
  EXPECT_EQ(Pixel(10, 10), Mark);
  EXPECT_EQ(Pixel(29, 29), Mark);
  EXPECT_EQ(Pixel(30, 30), Brick);
  EXPECT_EQ(Pixel(73, 73), Brick);
}

struct UnusableTexture {
  uint16_t index;
  int32_t textureCount;
  const char* why;
};

TEST_F(CellDrawingTest, UnusableTextureReferenceDrawsNoThumbnail) {
  const UnusableTexture cases[] = {
      {NoTexture, 1, "no texture"},
      {1, 1, "beyond textureCount, though the entry has a frame"},
      {256, 300, "beyond the table, with a corrupt count"},
      {40000, 300, "far beyond the table"},
  };
  for (const UnusableTexture& c : cases) {
    ClearSurface(Background);
    edit.Doc().textureCount = c.textureCount;
    cell.texture[SurfaceKind::Wall] = c.index;
    DrawCell(10, 10, cell, edit.Doc(), edit.editor);
    EXPECT_TRUE(PictureIsBlack()) << c.why;
  }
}

TEST_F(CellDrawingTest, TextureWithoutFramesDrawsNoThumbnail) {
  edit.Doc().textures[0].frameCount = 0;
  cell.texture[SurfaceKind::Wall] = 0;
  DrawCell(10, 10, cell, edit.Doc(), edit.editor);
  EXPECT_TRUE(PictureIsBlack());
}

TEST_F(CellDrawingTest, KindBeyondTheSixKindsDrawsNoSymbol) {
  for (int type : {6, 200, 255}) {
    ClearSurface(Background);
    cell.type = static_cast<uint8_t>(type);
    DrawCell(10, 10, cell, edit.Doc(), edit.editor);
    EXPECT_TRUE(PictureIsBlack()) << type;
  }
}

TEST_F(CellDrawingTest, SymbolThatFailedToLoadDrawsNothing) {
  edit.editor.cellSymbols[2] = HiColorImage{};
  cell.type = static_cast<uint8_t>(CellType::Column);
  DrawCell(10, 10, cell, edit.Doc(), edit.editor);
  EXPECT_TRUE(PictureIsBlack());
}

}  // namespace

}  // namespace tessmoor
