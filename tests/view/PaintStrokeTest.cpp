// Brush strokes along random pointer paths, with jumps of many cells and
// stretches off the grid: the painted cells are exactly the lines between the
// pointer's cells, and one undo gives back the map byte for byte.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <set>

#include "document/MapFile.h"
#include "view/PaintStroke.h"

namespace tessmoor {

namespace {

constexpr float PaintedHeight = 999.0f;

int Pick(std::mt19937& rng, int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

TEST(PaintStroke, SegmentsStepOneCellAtATimeAlongTheLine) {
  std::mt19937 rng(7);
  for (int round = 0; round < 2000; ++round) {
    const GridPoint from{Pick(rng, -10, 74), Pick(rng, -10, 74)}, to{Pick(rng, -10, 74), Pick(rng, -10, 74)};
    const std::vector<GridPoint> cells = CellsOnSegment(from, to);
    const int dx = to.x - from.x, dy = to.y - from.y;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    ASSERT_EQ(cells.size(), static_cast<size_t>(steps) + 1);
    EXPECT_EQ(cells.front(), from);
    EXPECT_EQ(cells.back(), to);
    for (size_t i = 0; i < cells.size(); ++i) {
      const int step = static_cast<int>(i);
      const GridPoint c = cells[i];
      // One step along the longer axis each, across it no further than half a cell from the line.
      if (std::abs(dx) >= std::abs(dy)) {
        EXPECT_EQ(c.x, from.x + (dx < 0 ? -step : step));
        if (steps > 0) {
          EXPECT_LE(std::abs(c.y - (from.y + static_cast<double>(dy) * step / steps)), 0.5);
        }
      } else {
        EXPECT_EQ(c.y, from.y + (dy < 0 ? -step : step));
        EXPECT_LE(std::abs(c.x - (from.x + static_cast<double>(dx) * step / steps)), 0.5);
      }
    }
  }
}

TEST(PaintStroke, PaintsEveryCellOnThePathAsOneStep) {
  for (unsigned seed = 1; seed <= 200; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 rng(seed);
    DocumentModel model;
    model.Replace([&](MapDocument& document) {
      for (MapCell& cell : document.cells) cell.floorHeight = static_cast<float>(Pick(rng, 0, 200));
      document.paletteSlots[2].cell.floorHeight = PaintedHeight;
      document.paletteSlots[2].filled = true;
      document.currentSlot = 2;
    });
    const std::vector<uint8_t> before = MapFileBytes(model.Map());
    const size_t stepsBefore = model.History().UndoCount();

    PaintStroke stroke;
    GridPoint at{Pick(rng, 0, GridSize - 1), Pick(rng, 0, GridSize - 1)};
    BeginStroke(model, stroke, at, "");
    std::set<std::pair<int, int>> expected{{at.x, at.y}};
    const int moves = Pick(rng, 0, 30);
    for (int m = 0; m < moves; ++m) {
      const int reach = Pick(rng, 0, 2) == 0 ? 40 : 2;  // now and then a fast jump
      const GridPoint next{std::clamp(at.x + Pick(rng, -reach, reach), -8, GridSize + 8),
                           std::clamp(at.y + Pick(rng, -reach, reach), -8, GridSize + 8)};
      for (const GridPoint& c : CellsOnSegment(at, next))
        if (c.x >= 0 && c.x < GridSize && c.y >= 0 && c.y < GridSize) expected.insert({c.x, c.y});
      ContinueStroke(model, stroke, next);
      at = next;
    }

    EXPECT_EQ(model.History().UndoCount(), stepsBefore + 1);
    for (int x = 0; x < GridSize; ++x) {
      for (int y = 0; y < GridSize; ++y) {
        const bool painted = model.Map().Cell(x, y).floorHeight == PaintedHeight;
        ASSERT_EQ(painted, expected.count({x, y}) == 1) << x << ", " << y;
      }
    }
    ASSERT_TRUE(model.Undo());
    EXPECT_EQ(MapFileBytes(model.Map()), before);
  }
}

}  // namespace

}  // namespace tessmoor
