// The picture of a block is the map view's own picture of those cells: the
// layer's thumbnail, the kind's symbol over it and the grid lines around them,
// pixel for pixel; at a smaller size it keeps its proportions.

#include <gtest/gtest.h>

#include "view/BlockPicture.h"
#include "view/MapView.h"
#include "view/ViewColours.h"
#include "view/ViewTestSupport.h"

namespace tessmoor {
namespace {

using namespace viewtest;

TEST(BlockPicture, ShowsTheCellsAsTheMapViewDrawsThem) {
  Editing edit;
  MapDocument& map = edit.Doc();
  map.textureCount = 2;
  for (int t = 0; t < 2; ++t) {
    map.textures[size_t(t)].frameCount = 1;
    map.textures[size_t(t)].frames[0].thumbnail = SolidImage(64, 48 - 16 * t, RGB555(0x1234 + 0x2000 * t));
  }
  for (int k = 1; k < CellTypeCount; ++k) edit.editor.cellSymbols[size_t(k)] = SolidImage(32, 20, RGB555(0x0300 * k));
  edit.editor.currentLayer = SurfaceKind::Wall;
  CellBlock block{2, 2, {}};
  for (int x = 2; x < 4; ++x) {
    for (int y = 1; y < 3; ++y) {
      MapCell& cell = map.Cell(x, y);
      cell.type = uint8_t(x + 2 * y - 3);
      cell.texture[static_cast<size_t>(SurfaceKind::Wall)] = uint16_t(x == 2 ? y - 1 : NoTexture);
      block.cells.push_back(cell);
    }
  }
  MakeSurface(528, 294);
  RedrawView(map, edit.editor, DesignView());

  const HiColorImage picture = BlockPicture(block, edit.editor.currentLayer, MapThumbnails(map), edit.editor, 64);
  ASSERT_EQ(picture.width, 2 * 65 + 1);
  ASSERT_EQ(picture.height, 2 * 65 + 1);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      ASSERT_EQ(GetImagePixel(x, y, picture), Pixel(MapAreaLeft + 2 * 65 + x, MapAreaTop + 65 + y)) << x << ", " << y;
    }
  }
  const HiColorImage small = BlockPicture(block, edit.editor.currentLayer, MapThumbnails(map), edit.editor, 16);
  EXPECT_EQ(small.width, 2 * 17 + 1);
  EXPECT_EQ(GetImagePixel(0, 0, small), ColourGridWhite);
  DestroySurface();
}

}  // namespace
}  // namespace tessmoor
