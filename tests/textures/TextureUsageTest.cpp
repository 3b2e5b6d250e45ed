// The usage of one texture: cells per layer, and cells in all.

#include <gtest/gtest.h>

#include <random>

#include "edit/CellCommands.h"
#include "edit/CellFieldEdit.h"
#include "edit/TextureCommands.h"
#include "edit/TextureHousekeeping.h"
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

CellRange RandomRange(std::mt19937& random) {
  std::uniform_int_distribution<int> coordinate(0, GridSize - 1);
  const int x = coordinate(random), y = coordinate(random);
  return {x, y, std::min(x + int(random() % 9), GridSize - 1), std::min(y + int(random() % 9), GridSize - 1)};
}

// A table position, a reference past the table, or none.
uint16_t RandomReference(std::mt19937& random, const MapDocument& map) {
  const int pick = int(random() % (map.textureCount + 3));
  return pick < map.textureCount + 2 ? uint16_t(pick) : NoTexture;
}

// One edit of the grid or the table as the editor makes them, or an undo or redo.
void RandomEdit(std::mt19937& random, DocumentModel& model) {
  const MapDocument& map = model.Map();
  switch (random() % 7) {
    case 0:
    case 1: {
      CellFieldEdit edit;
      for (int layer = 0; layer < SurfaceCount; ++layer) {
        if (random() % 3 > 0) continue;
        edit.changed.set(TextureField(SurfaceKind(layer)));
        edit.values.texture[layer] = RandomReference(random, map);
      }
      EditCells(model, RandomRange(random), edit);
      break;
    }
    case 2: {
      MapCell cell = map.Cell(0, 0);
      for (uint16_t& texture : cell.texture) texture = RandomReference(random, map);
      FillCells(model, RandomRange(random), cell);
      break;
    }
    case 3:
      AddTexture(model);
      break;
    case 4:
      if (random() % 4 == 0)
        DeleteUnusedTextures(model, nullptr);
      else
        DeleteTexture(model, int(random() % (map.textureCount + 1)), nullptr);
      break;
    case 5:
      model.Undo();
      break;
    default:
      model.Redo();
      break;
  }
}

TEST(TextureUsageTest, EveryTextureAtOnceEqualsEachCountedAloneThroughRandomEdits) {
  std::mt19937 random(32);
  DocumentModel model;
  for (int t = 0; t < 6; ++t) AddTexture(model);
  for (int step = 0; step < 600; ++step) {
    RandomEdit(random, model);
    const std::vector<TextureUsage> every = CountEveryTextureUsage(model.Map());
    ASSERT_EQ(int(every.size()), model.Map().textureCount) << "step " << step;
    for (int t = 0; t < model.Map().textureCount; ++t)
      ASSERT_EQ(every[size_t(t)], CountTextureUsage(model.Map(), t)) << "texture " << t << ", step " << step;
  }
}

}  // namespace

}  // namespace tessmoor
