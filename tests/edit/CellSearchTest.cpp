// Find and replace over cells: a table of queries against a map whose cells
// differ in every field, and a replace that changes exactly the matches.

#include <gtest/gtest.h>

#include "document/MapFile.h"
#include "edit/CellCommands.h"
#include "edit/CellSearch.h"

namespace tessmoor {
namespace {

constexpr int32_t FloorLayer = static_cast<int32_t>(SurfaceKind::Floor);
constexpr int32_t WallLayer = static_cast<int32_t>(SurfaceKind::Wall);

// Cells (x, 5) for x = 0..7 differ; every other cell keeps the defaults
// (type 0, opacity 128, floor 0, ceiling 128, water 0, no textures).
void Fill(DocumentModel& model) {
  for (int x = 0; x < 8; ++x) {
    MapCell cell;
    SetCellDefaults(cell);
    cell.type = uint8_t(x % 3);
    cell.opacity = uint8_t(x * 30);
    cell.floorHeight = float(x * 8);  // 0, 8, ..., 56
    cell.ceilingHeight[x % 4] = 300;
    cell.waterLevel = x == 6 ? 20.0f : 0.0f;
    cell.texture[size_t(x % 5)] = uint16_t(x);
    SetCell(model, {x, 5}, cell, PaintStepName);
  }
}

int Count(const std::vector<GridPoint>& cells) { return int(cells.size()); }

TEST(CellSearch, ConditionsCombineWithAnd) {
  DocumentModel model;
  Fill(model);
  struct Row {
    const char* what;
    void (*ask)(CellQuery&);
    int count;
    GridPoint first;
  };
  const Row rows[] = {
      {"nothing asked matches all", [](CellQuery&) {}, GridCells, {0, 0}},
      {"type 1", [](CellQuery& q) { q.type = 1; }, 3, {1, 5}},
      {"floor 16..40",
       [](CellQuery& q) {
         q.floor = HeightRange{16, 40};
       },
       4,
       {2, 5}},
      {"type 2 and floor 16..40",
       [](CellQuery& q) {
         q.type = 2;
         q.floor = HeightRange{16, 40};
       },
       2,
       {2, 5}},
      {"a corner at 300",
       [](CellQuery& q) {
         q.ceiling = HeightRange{300, 300};
       },
       8,
       {0, 5}},
      {"water from 10",
       [](CellQuery& q) {
         q.water = HeightRange{10, 1000};
       },
       1,
       {6, 5}},
      {"texture 3 on any layer", [](CellQuery& q) { q.texture = 3; }, 1, {3, 5}},
      {"texture 3 on the floor",
       [](CellQuery& q) {
         q.texture = 3;
         q.textureLayer = FloorLayer;
       },
       0,
       {}},
      {"texture 7 on the wall",
       [](CellQuery& q) {
         q.texture = 7;
         q.textureLayer = WallLayer;
       },
       1,
       {7, 5}},
      {"no floor texture",
       [](CellQuery& q) {
         q.texture = NoTexture;
         q.textureLayer = FloorLayer;
       },
       GridCells - 2,
       {0, 0}},
      {"opacity 60..150",
       [](CellQuery& q) {
         q.opacityLow = 60;
         q.opacityHigh = 150;
       },
       GridCells - 4,
       {0, 0}},
      {"in the selection only",
       [](CellQuery& q) {
         q.floor = HeightRange{8, 8};
         q.within = CellRange{0, 0, 3, 5};
       },
       1,
       {1, 5}},
      {"outside the selection",
       [](CellQuery& q) {
         q.floor = HeightRange{8, 8};
         q.within = CellRange{2, 0, 9, 9};
       },
       0,
       {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    CellQuery query;
    row.ask(query);
    const std::vector<GridPoint> found = FindCells(model.Map(), query);
    EXPECT_EQ(Count(found), row.count);
    if (!found.empty()) {
      EXPECT_EQ(found.front(), row.first);
    }
    // Row by row, each from left to right.
    for (size_t k = 1; k < found.size(); ++k) {
      EXPECT_TRUE(found[k - 1].y < found[k].y || (found[k - 1].y == found[k].y && found[k - 1].x < found[k].x));
    }
  }
}

TEST(CellSearch, ReplaceChangesExactlyTheMatchesAsOneStep) {
  DocumentModel model;
  Fill(model);
  const std::vector<uint8_t> before = MapFileBytes(model.Map());
  const auto cellsBefore = model.Map().cells;
  CellQuery fortyHigh;
  fortyHigh.floor = HeightRange{40, 40};
  const std::vector<GridPoint> found = FindCells(model.Map(), fortyHigh);
  ASSERT_EQ(Count(found), 1);
  std::vector<GridPoint> twice = {found[0], found[0], {3, 5}, {70, 2}};
  CellFieldEdit edit;
  edit.changed.set(CellField::FloorHeight);
  edit.values.floorHeight = 16;
  edit.relativeHeights = true;
  const size_t steps = model.History().StepCount();
  ASSERT_TRUE(ReplaceInCells(model, twice, edit));
  EXPECT_EQ(model.History().StepCount(), steps + 1);
  for (int x = 0; x < GridSize; ++x) {
    for (int y = 0; y < GridSize; ++y) {
      const float old = cellsBefore[size_t(x * GridSize + y)].floorHeight;
      const bool listed = (x == 5 || x == 3) && y == 5;
      EXPECT_EQ(model.Map().Cell(x, y).floorHeight, listed ? old + 16 : old) << x << "," << y;
    }
  }
  ASSERT_TRUE(model.Undo());
  EXPECT_EQ(MapFileBytes(model.Map()), before);
  EXPECT_FALSE(ReplaceInCells(model, found, CellFieldEdit{}));
  EXPECT_FALSE(ReplaceInCells(model, {}, edit));
}

}  // namespace
}  // namespace tessmoor
