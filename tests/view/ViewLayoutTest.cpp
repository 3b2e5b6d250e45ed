// Where the map area and the scroll bars go, and the symbols of the cell kinds.

#include <gtest/gtest.h>

#include <filesystem>

#include "graphics/GraphicsError.h"
#include "graphics/PcxTestFile.h"
#include "support/TempDir.h"
#include "view/MapView.h"
#include "view/ViewTestSupport.h"

namespace tessmoor {

using namespace viewtest;

namespace {

TEST(MapAreaTest, DesignSizeMapAreaEndsBeforeTheScrollBars) {
  const ViewRect area = MapArea(DesignView());
  EXPECT_EQ(area.left, 73);
  EXPECT_EQ(area.top, 2);
  EXPECT_EQ(area.right, 509);
  EXPECT_EQ(area.bottom, 275);
}

TEST(ScrollBarLayoutTest, DesignSizeWindow) {
  // ViewPort 528 x 294 below the 25-pixel tool bar.
  const ScrollBarLayout layout = LayoutScrollBars(528, 319, 25, 16, 16);
  EXPECT_EQ(layout.horizontalLeft, 74);
  EXPECT_EQ(layout.horizontalTop, 301);
  EXPECT_EQ(layout.horizontalWidth, 436);
  EXPECT_EQ(layout.verticalLeft, 510);
  EXPECT_EQ(layout.verticalTop, 27);
  EXPECT_EQ(layout.verticalHeight, 274);
  EXPECT_EQ(layout.horizontalPageStep, 6);
  EXPECT_EQ(layout.verticalPageStep, 3);
}

TEST(ScrollBarLayoutTest, PageStepsDivideByTheFullSixtyFourAndTruncateTowardZero) {
  struct Case {
    int clientWidth, clientHeight, horizontal, vertical;
  };
  const Case cases[] = {
      {78 + 64 * 2, 31 + 64 * 2, 1, 1},
      {78 + 64 * 2 - 1, 31 + 64 * 2 - 1, 0, 0},
      {78, 31, -1, -1},
      {40, 20, -1, -1},  // (-38) / 64 is 0, not -1
      {78 - 64, 31 - 64, -2, -2},
  };
  for (const Case& c : cases) {
    const ScrollBarLayout layout = LayoutScrollBars(c.clientWidth, c.clientHeight, 25, 16, 16);
    EXPECT_EQ(layout.horizontalPageStep, c.horizontal) << c.clientWidth;
    EXPECT_EQ(layout.verticalPageStep, c.vertical) << c.clientHeight;
  }
}

class CellSymbolsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(dir.File("TMEGfx"));
    edit.editor.programDirectory = dir.Dir();
  }
  void WriteSymbol(const std::string& name, int width, int height) {
    const std::vector<uint8_t> indices(static_cast<size_t>(width * height), 7);
    ASSERT_TRUE(pcxtest::WriteBytes(dir.File("TMEGfx/" + name),
                                    pcxtest::MakeIndexedPcx(width, height, indices, pcxtest::DistinctPalette())));
  }

  TempDir dir;
  Editing edit;
};

TEST_F(CellSymbolsTest, LoadsTheFiveKindsInOrderBehindABlankNothing) {
  const char* names[] = {"TypeWall.pcx", "TypeColumn.pcx", "TypeWater.pcx", "TypeWindowHoriz.pcx",
                         "TypeWindowVert.pcx"};
  for (int i = 0; i < 5; ++i) WriteSymbol(names[i], 10 + i, 20);
  EXPECT_TRUE(LoadCellSymbols(edit.editor));
  const HiColorImage& blank = edit.editor.cellSymbols[0];
  ASSERT_EQ(blank.width, 32);
  ASSERT_EQ(blank.height, 32);
  for (int i = 0; i < 32 * 32; ++i) ASSERT_EQ(blank.pixels[static_cast<size_t>(i)], 0);
  for (int kind = 1; kind <= 5; ++kind) {
    EXPECT_EQ(edit.editor.cellSymbols[kind].width, 9 + kind) << kind;
    EXPECT_EQ(GetImagePixel(0, 0, edit.editor.cellSymbols[kind]),
              pcxtest::PaletteColour(pcxtest::DistinctPalette(), 7));
  }
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geNone);
}

TEST_F(CellSymbolsTest, OneMissingFileFailsTheWholeLoadButKeepsTheOthers) {
  WriteSymbol("TypeWall.pcx", 8, 8);
  WriteSymbol("TypeColumn.pcx", 8, 8);
  WriteSymbol("TypeWindowHoriz.pcx", 8, 8);
  WriteSymbol("TypeWindowVert.pcx", 8, 8);
  EXPECT_FALSE(LoadCellSymbols(edit.editor));
  EXPECT_TRUE(edit.editor.cellSymbols[3].IsEmpty());
  EXPECT_EQ(edit.editor.cellSymbols[2].width, 8);
  EXPECT_EQ(edit.editor.cellSymbols[5].width, 8);
  EXPECT_EQ(edit.editor.cellSymbols[0].width, 32);
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geNone);
}

TEST_F(CellSymbolsTest, AnErrorFromBeforeDoesNotFailTheLoad) {
  for (const char* name :
       {"TypeWall.pcx", "TypeColumn.pcx", "TypeWater.pcx", "TypeWindowHoriz.pcx", "TypeWindowVert.pcx"}) {
    WriteSymbol(name, 4, 4);
  }
  SetGraphicsError(GraphicsErrorCode::geRead);
  EXPECT_TRUE(LoadCellSymbols(edit.editor));
}

TEST_F(CellSymbolsTest, LoadingAgainReplacesTheSymbols) {
  for (const char* name :
       {"TypeWall.pcx", "TypeColumn.pcx", "TypeWater.pcx", "TypeWindowHoriz.pcx", "TypeWindowVert.pcx"}) {
    WriteSymbol(name, 4, 4);
  }
  ASSERT_TRUE(LoadCellSymbols(edit.editor));
  WriteSymbol("TypeWall.pcx", 6, 6);
  EXPECT_TRUE(LoadCellSymbols(edit.editor));
  EXPECT_EQ(edit.editor.cellSymbols[1].width, 6);
}

}  // namespace

}  // namespace tessmoor
