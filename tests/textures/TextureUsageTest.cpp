// The usage of one texture: cells per layer, and cells in all.

#include <gtest/gtest.h>

#include "textures/TextureUsage.h"

namespace tessmoor {

namespace {

std::unique_ptr<MapDocument> MapWithTextures(int count) {
  auto map = std::make_unique<MapDocument>();
  EditorState editor;
  ResetDocument(*map, editor, true);
  map->textureCount = count;
  return map;
}

TEST(TextureUsageTest, CountsCellsPerLayerAndEachCellOnce) {
  auto map = MapWithTextures(3);
  map->Cell(0, 0).texture[SurfaceKind::Floor] = 1;
  map->Cell(0, 0).texture[SurfaceKind::Ceiling] = 1;
  map->Cell(5, 9).texture[SurfaceKind::Floor] = 1;
  map->Cell(63, 63).texture[SurfaceKind::PedestalCeiling] = 1;
  map->Cell(7, 7).texture[SurfaceKind::Wall] = 2;
  map->paletteSlots[0].cell.texture[SurfaceKind::Wall] = 1;  // a template is not part of the map

  TextureUsage expected;
  expected.layerCells = {2, 1, 0, 0, 1};
  expected.cells = 3;
  EXPECT_EQ(CountTextureUsage(*map, 1), expected);
  EXPECT_EQ(CountTextureUsage(*map, 0), TextureUsage{});
}

TEST(TextureUsageTest, NothingOutsideTheTable) {
  auto map = MapWithTextures(2);
  map->Cell(1, 1).texture[SurfaceKind::Floor] = 4;  // a stale reference beyond the table
  for (const int texture : {-1, 2, 4, int(NoTexture)}) EXPECT_EQ(CountTextureUsage(*map, texture), TextureUsage{});
}

}  // namespace

}  // namespace tessmoor
