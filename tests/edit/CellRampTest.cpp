// Ramps and smoothing over random selections, directions and heights.

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>
#include <vector>

#include "document/CeilingPlane.h"
#include "edit/CellRamp.h"
#include "view/ViewTestSupport.h"

namespace tessmoor {

using namespace viewtest;

namespace {

std::vector<MapCell> CellBytes(const MapDocument& document) { return {document.cells.begin(), document.cells.end()}; }

bool SameGrid(const std::vector<MapCell>& a, const std::vector<MapCell>& b) {
  return std::memcmp(a.data(), b.data(), a.size() * sizeof(MapCell)) == 0;
}

// Every cell with its own uneven heights, so a cell the ramp should not touch shows.
void RoughenHeights(MapDocument& document, std::mt19937& random) {
  std::uniform_real_distribution<float> height(-500.0f, 500.0f);
  for (MapCell& cell : document.cells) {
    cell.floorHeight = height(random);
    for (float& corner : cell.ceilingHeight) corner = height(random);
  }
}

CellRange RandomRange(std::mt19937& random) {
  std::uniform_int_distribution<int> coordinate(0, GridSize - 1);
  const int xa = coordinate(random), xb = coordinate(random), ya = coordinate(random), yb = coordinate(random);
  return {std::min(xa, xb), std::min(ya, yb), std::max(xa, xb), std::max(ya, yb)};
}

RampSettings RandomRamp(std::mt19937& random) {
  std::uniform_real_distribution<float> height(-1000.0f, 1000.0f);
  return {random() % 2 ? RampSurface::Floor : RampSurface::Ceiling, static_cast<RampDirection>(random() % 4),
          height(random), height(random)};
}

int Length(CellRange range, RampDirection direction) {
  const bool alongColumns = direction == RampDirection::Right || direction == RampDirection::Left;
  return alongColumns ? range.x2 - range.x1 + 1 : range.y2 - range.y1 + 1;
}

// The heights a ceiling ramp leaves at the start and the end edge: for each
// direction the cells along its start edge and the two corners they have there,
// and the same for the end edge.
void ExpectExactEdges(const MapDocument& document, CellRange range, const RampSettings& ramp) {
  struct Edge {
    bool alongColumn;  // the edge is a column of cells (x fixed), else a row
    int line;          // that column or row
    int corner0, corner1;
    float height;
  };
  std::array<Edge, 2> edges{};
  switch (ramp.direction) {
    case RampDirection::Right:
      edges = {{{true, range.x1, 0, 3, ramp.start}, {true, range.x2, 1, 2, ramp.end}}};
      break;
    case RampDirection::Left:
      edges = {{{true, range.x2, 1, 2, ramp.start}, {true, range.x1, 0, 3, ramp.end}}};
      break;
    case RampDirection::Down:
      edges = {{{false, range.y1, 0, 1, ramp.start}, {false, range.y2, 2, 3, ramp.end}}};
      break;
    case RampDirection::Up:
      edges = {{{false, range.y2, 2, 3, ramp.start}, {false, range.y1, 0, 1, ramp.end}}};
      break;
  }
  for (const Edge& edge : edges) {
    const int first = edge.alongColumn ? range.y1 : range.x1, last = edge.alongColumn ? range.y2 : range.x2;
    for (int k = first; k <= last; ++k) {
      const MapCell& cell = edge.alongColumn ? document.Cell(edge.line, k) : document.Cell(k, edge.line);
      EXPECT_EQ(cell.ceilingHeight[edge.corner0], edge.height) << k;
      EXPECT_EQ(cell.ceilingHeight[edge.corner1], edge.height) << k;
    }
  }
}

// Inside the range, neighbours agree on every corner they share.
void ExpectSharedCornersEqual(const MapDocument& document, CellRange range) {
  for (int x = range.x1; x <= range.x2; ++x) {
    for (int y = range.y1; y <= range.y2; ++y) {
      const float* c = document.Cell(x, y).ceilingHeight;
      if (x < range.x2) {
        const float* right = document.Cell(x + 1, y).ceilingHeight;
        EXPECT_TRUE(c[1] == right[0] && c[2] == right[3]) << x << "," << y;
      }
      if (y < range.y2) {
        const float* below = document.Cell(x, y + 1).ceilingHeight;
        EXPECT_TRUE(c[3] == below[0] && c[2] == below[1]) << x << "," << y;
      }
    }
  }
}

// The floor stair: each cell at the centre line of its place along the ramp.
void ExpectFloorStair(const MapDocument& document, CellRange range, const RampSettings& ramp) {
  const int cells = Length(range, ramp.direction);
  for (int x = range.x1; x <= range.x2; ++x) {
    for (int y = range.y1; y <= range.y2; ++y) {
      int index = 0;
      switch (ramp.direction) {
        case RampDirection::Right:
          index = x - range.x1;
          break;
        case RampDirection::Left:
          index = range.x2 - x;
          break;
        case RampDirection::Down:
          index = y - range.y1;
          break;
        case RampDirection::Up:
          index = range.y2 - y;
          break;
      }
      const double expected = ramp.start + (double(ramp.end) - ramp.start) * (index + 0.5) / cells;
      EXPECT_EQ(document.Cell(x, y).floorHeight, static_cast<float>(expected)) << x << "," << y;
    }
  }
}

// Outside the range nothing changed, and inside only the ramp's own surface.
void ExpectOnlyTheSurfaceChanged(const std::vector<MapCell>& before, const MapDocument& document, CellRange range,
                                 RampSurface surface) {
  for (int x = 0; x < GridSize; ++x) {
    for (int y = 0; y < GridSize; ++y) {
      MapCell expected = before[static_cast<size_t>(x * GridSize + y)];
      const MapCell& now = document.Cell(x, y);
      const bool inside = x >= range.x1 && x <= range.x2 && y >= range.y1 && y <= range.y2;
      if (inside && surface == RampSurface::Floor) expected.floorHeight = now.floorHeight;
      if (inside && surface == RampSurface::Ceiling) std::memcpy(expected.ceilingHeight, now.ceilingHeight, 16);
      ASSERT_TRUE(SameBytes(expected, now)) << x << "," << y;
    }
  }
}

}  // namespace

TEST(CellRampTest, RandomRampsAreSeamlessExactFlatAndUndoneInOneStep) {
  std::mt19937 random(2811);
  for (int round = 0; round < 200; ++round) {
    ModelEditing edit;
    edit.Arrange([&](MapDocument& document) { RoughenHeights(document, random); });
    const std::vector<MapCell> before = CellBytes(edit.Doc());
    const CellRange range = RandomRange(random);
    const RampSettings ramp = RandomRamp(random);
    SCOPED_TRACE(testing::Message() << "round " << round << " range " << range.x1 << "," << range.y1 << "-" << range.x2
                                    << "," << range.y2 << " direction " << static_cast<int>(ramp.direction)
                                    << " surface " << static_cast<int>(ramp.surface) << " " << ramp.start << "->"
                                    << ramp.end);

    ApplyRamp(edit.model, range, ramp);

    ExpectOnlyTheSurfaceChanged(before, edit.Doc(), range, ramp.surface);
    if (ramp.surface == RampSurface::Ceiling) {
      ExpectSharedCornersEqual(edit.Doc(), range);
      ExpectExactEdges(edit.Doc(), range, ramp);
      for (int x = range.x1; x <= range.x2; ++x) {
        for (int y = range.y1; y <= range.y2; ++y) EXPECT_TRUE(CeilingIsPlanar(edit.Cell(x, y))) << x << "," << y;
      }
    } else {
      ExpectFloorStair(edit.Doc(), range, ramp);
    }
    ASSERT_TRUE(edit.model.Undo());
    EXPECT_TRUE(SameGrid(before, CellBytes(edit.Doc())));
    EXPECT_FALSE(edit.model.Undo());
  }
}

TEST(CellRampTest, SmoothingMeetsAtTheMeanInsideTheSelectionOnly) {
  std::mt19937 random(2812);
  for (int round = 0; round < 100; ++round) {
    ModelEditing edit;
    edit.Arrange([&](MapDocument& document) { RoughenHeights(document, random); });
    const std::vector<MapCell> before = CellBytes(edit.Doc());
    const CellRange range = RandomRange(random);
    SCOPED_TRACE(testing::Message() << "round " << round);

    SmoothCeilings(edit.model, range);

    ExpectSharedCornersEqual(edit.Doc(), range);
    // A corner inside the range, shared by four cells, holds their mean.
    if (range.x2 > range.x1 && range.y2 > range.y1) {
      const int gx = range.x1 + 1, gy = range.y1 + 1;
      const auto was = [&](int x, int y, int c) { return double(before[size_t(x * GridSize + y)].ceilingHeight[c]); };
      const double mean = (was(gx - 1, gy - 1, 2) + was(gx, gy - 1, 3) + was(gx, gy, 0) + was(gx - 1, gy, 1)) / 4;
      EXPECT_EQ(edit.Cell(gx, gy).ceilingHeight[0], static_cast<float>(mean));
    }
    ExpectOnlyTheSurfaceChanged(before, edit.Doc(), range, RampSurface::Ceiling);
    ASSERT_TRUE(edit.model.Undo());
    EXPECT_TRUE(SameGrid(before, CellBytes(edit.Doc())));
  }
}

}  // namespace tessmoor
