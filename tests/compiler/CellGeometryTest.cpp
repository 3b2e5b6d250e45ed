#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "compiler/CellGeometry.h"
#include "compiler/CompilerTestMaps.h"

namespace tessmoor {

using namespace compiler_test;

namespace {

struct Normal {
  double x, y, z;
};

// (Q2 - Q1) x (Q3 - Q1): the side from which the face is seen.
Normal FaceNormal(const std::array<FaceVertex, 4>& q) {
  const double ax = q[1].x - q[0].x, ay = q[1].y - q[0].y, az = q[1].z - q[0].z;
  const double bx = q[2].x - q[0].x, by = q[2].y - q[0].y, bz = q[2].z - q[0].z;
  return {ay * bz - az * by, az * bx - ax * bz, ax * by - ay * bx};
}

float CornerX(int i) { return float(8192 - 128 * i); }
float CornerZ(int j) { return float(128 * j); }

class CellGeometryTest : public ::testing::Test {
 protected:
  std::vector<int> PolygonsOf(int x, int y) const {
    const CellSummary& summary = builder.Summary(x, y);
    std::vector<int> polygons;
    for (int p = 0; p < summary.polygonCount; ++p) polygons.push_back(summary.firstPolygon + p);
    return polygons;
  }
  std::array<FaceVertex, 4> Corners(int polygon) const { return PolygonCorners(builder, polygon); }

  MeshBuilder builder;
};

}  // namespace

TEST(ColumnProfileTest, AccumulatesAngleAndUInSinglePrecision) {
  const ColumnProfile profile = BuildColumnProfile();
  struct Expected {
    int k;
    float px, pz, pu;
  };
  const Expected points[] = {
      {0, 84.37183f, 64.0f, 128.0f},     {1, 81.64252f, 74.18591f, 117.33334f}, {3, 64.0f, 84.37183f, 96.000008f},
      {6, 43.62817f, 64.0f, 64.000015f}, {9, 63.99999f, 43.62817f, 32.000011f}, {12, 84.37183f, 63.999985f, 0.0000095f},
  };
  for (const Expected& e : points) {
    SCOPED_TRACE(e.k);
    EXPECT_NEAR(profile[size_t(e.k)].px, e.px, 1e-5);
    EXPECT_NEAR(profile[size_t(e.k)].pz, e.pz, 1e-5);
    EXPECT_NEAR(profile[size_t(e.k)].pu, e.pu, 1e-5);
  }
  // The circle does not quite close: that decides which column vertices merge.
  EXPECT_EQ(profile[0].pz, 64.0f);
  EXPECT_EQ(profile[12].px, profile[0].px);
  EXPECT_LT(profile[12].pz, 64.0f);
  EXPECT_NEAR(profile[12].pu, 9.5367e-6, 1e-9);
  EXPECT_EQ(profile[3].px, 64.0f);
  EXPECT_EQ(profile[6].pz, 64.0f);
}

TEST_F(CellGeometryTest, WholeMapCountsForOpenWallAndColumnMaps) {
  struct Case {
    const char* name;
    CellType type;
    int x, y;
    int polygons, vertices, texCoords;
  };
  const Case cases[] = {
      {"flat", CellType::Nothing, -1, -1, 8192, 8450, 4},
      {"interior wall", CellType::Wall, 20, 30, 8194, 8450, 6},
      {"column in row 0", CellType::Column, 20, 0, 8204, 8450 + 26, 29},
      {"column in row 1", CellType::Column, 20, 1, 8204, 8450 + 26, 29},
      {"column in row 2", CellType::Column, 20, 2, 8204, 8450 + 24, 29},
      {"column in row 40", CellType::Column, 7, 40, 8204, 8450 + 24, 29},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto map = FlatOpenMap();
    if (c.x >= 0) {
      map->Cell(c.x, c.y).type = static_cast<uint8_t>(c.type);
      map->Cell(c.x, c.y).texture[SurfaceKind::Wall] = WallTexture;
    }
    ASSERT_TRUE(BuildGeometry(*map, builder));
    EXPECT_EQ(builder.PolygonCount(), c.polygons);
    EXPECT_EQ(builder.VertexCount(), c.vertices);
    EXPECT_EQ(builder.TexCoordCount(), c.texCoords);
    EXPECT_EQ(builder.IndexCount(), 4 * c.polygons);
  }
}

TEST_F(CellGeometryTest, FirstColumnFaceRunsFromPointOneToPointZero) {
  auto map = FlatOpenMap();
  MapCell& cell = map->Cell(3, 5);
  cell.type = static_cast<uint8_t>(CellType::Column);
  cell.texture[SurfaceKind::Wall] = WallTexture;
  ASSERT_TRUE(BuildGeometry(*map, builder));
  const std::vector<int> polygons = PolygonsOf(3, 5);
  ASSERT_EQ(polygons.size(), 14u);  // floor, ceiling, twelve sides
  const auto q = Corners(polygons[2]);
  EXPECT_NEAR(q[0].x, CornerX(3) - 81.64252f, 1e-3);
  EXPECT_NEAR(q[0].z, CornerZ(5) + 74.18591f, 1e-3);
  EXPECT_NEAR(q[0].u, 117.33334f, 1e-4);
  EXPECT_EQ(q[1].x, CornerX(3) - 84.37183f);
  EXPECT_EQ(q[1].z, CornerZ(5) + 64.0f);
  EXPECT_EQ(q[1].u, 128.0f);
  EXPECT_EQ(q[0].y, 128.0f);
  EXPECT_EQ(q[2].y, 0.0f);
}

TEST_F(CellGeometryTest, WallSideVFollowsTheOffset) {
  struct Case {
    int16_t offset;
    float upperV, lowerV;
  };
  for (const Case& c : {Case{64, -64.0f, 64.0f}, Case{0, -128.0f, 0.0f}}) {
    SCOPED_TRACE(c.offset);
    auto map = FlatOpenMap();
    MapCell& wall = map->Cell(10, 10);
    wall.type = static_cast<uint8_t>(CellType::Wall);
    wall.texture[SurfaceKind::Wall] = WallTexture;
    wall.textureOffset[SurfaceKind::Wall] = c.offset;
    ASSERT_TRUE(BuildGeometry(*map, builder));
    const std::vector<int> polygons = PolygonsOf(10, 10);
    ASSERT_EQ(polygons.size(), 4u);
    for (int polygon : polygons) {
      const auto q = Corners(polygon);
      EXPECT_EQ(q[0].v, c.upperV);
      EXPECT_EQ(q[1].v, c.upperV);
      EXPECT_EQ(q[2].v, c.lowerV);
      EXPECT_EQ(q[3].v, c.lowerV);
      EXPECT_EQ(q[0].u, 0.0f);
      EXPECT_EQ(q[1].u, 128.0f);
    }
    // The first side faces the row above: P0 = corner (11, 10), P1 = corner (10, 10).
    const auto q = Corners(polygons[0]);
    EXPECT_EQ(q[0].x, CornerX(11));
    EXPECT_EQ(q[1].x, CornerX(10));
    EXPECT_EQ(q[0].z, CornerZ(10));
    EXPECT_EQ(q[0].y, 128.0f);
    EXPECT_EQ(q[3].y, 0.0f);
  }
}

TEST_F(CellGeometryTest, VerticalFaceVUsesTheDropFromEachUpperCorner) {
  auto map = EmptyMap();
  MapCell& wall = map->Cell(4, 4);
  wall.type = static_cast<uint8_t>(CellType::Wall);
  wall.texture[SurfaceKind::Wall] = WallTexture;
  wall.textureOffset[SurfaceKind::Wall] = 10;
  MapCell& open = map->Cell(4, 3);  // the wall's first neighbour
  open.texture[SurfaceKind::Floor] = FloorTexture;
  open.floorHeight = 16.5f;
  open.ceilingHeight[2] = 100.25f;  // at the wall's P0
  open.ceilingHeight[3] = 140.0f;   // at P1
  ASSERT_TRUE(BuildGeometry(*map, builder));
  const std::vector<int> polygons = PolygonsOf(4, 4);
  ASSERT_EQ(polygons.size(), 1u);
  const auto q = Corners(polygons[0]);
  EXPECT_EQ(q[0].y, 100.25f);
  EXPECT_EQ(q[1].y, 140.0f);
  EXPECT_EQ(q[0].v, 10.0f - 100.25f);
  EXPECT_EQ(q[1].v, 10.0f - 140.0f);
  EXPECT_EQ(q[2].v, (10.0f - 140.0f) + (140.0f - 16.5f));
  EXPECT_EQ(q[3].v, (10.0f - 100.25f) + (100.25f - 16.5f));
}

TEST_F(CellGeometryTest, WallBuildsSidesOnlyTowardsOpenFloors) {
  auto map = EmptyMap();
  MapCell& wall = map->Cell(0, 0);  // the border lies above and to the left
  wall.type = static_cast<uint8_t>(CellType::Wall);
  wall.texture[SurfaceKind::Wall] = WallTexture;
  wall.texture[SurfaceKind::Floor] = FloorTexture;  // a wall has no floor of its own
  MapCell& otherWall = map->Cell(1, 0);
  otherWall.type = static_cast<uint8_t>(CellType::Wall);
  otherWall.texture[SurfaceKind::Floor] = FloorTexture;
  map->Cell(0, 1).texture[SurfaceKind::Floor] = FloorTexture;

  ASSERT_TRUE(BuildGeometry(*map, builder));
  EXPECT_EQ(builder.Summary(0, 0).polygonCount, 1);  // towards (0, 1) only
  EXPECT_EQ(builder.Summary(1, 0).polygonCount, 0);  // a wall without a wall texture

  map->Cell(0, 1).texture[SurfaceKind::Floor] = NoTexture;
  ASSERT_TRUE(BuildGeometry(*map, builder));
  EXPECT_EQ(builder.PolygonCount(), 0);
}

TEST_F(CellGeometryTest, FloorStepIsBuiltByTheHigherCellOnly) {
  auto map = EmptyMap();
  MapCell& high = map->Cell(5, 5);
  MapCell& low = map->Cell(6, 5);  // high's fourth neighbour (x + 1)
  for (MapCell* cell : {&high, &low}) {
    cell->texture[SurfaceKind::Floor] = FloorTexture;
    cell->texture[SurfaceKind::PedestalFloor] = StepTexture;
  }
  high.floorHeight = 32.0f;
  high.textureOffset[SurfaceKind::PedestalFloor] = 32;
  map->Cell(5, 6).floorHeight = -8.0f;  // lower, but without a floor texture

  ASSERT_TRUE(BuildGeometry(*map, builder));
  ASSERT_EQ(builder.Summary(5, 5).polygonCount, 2);  // floor + one step
  EXPECT_EQ(builder.Summary(6, 5).polygonCount, 1);  // its floor only
  const auto q = Corners(builder.Summary(5, 5).firstPolygon + 1);
  EXPECT_EQ(q[0].x, CornerX(6));
  EXPECT_EQ(q[0].z, CornerZ(6));
  EXPECT_EQ(q[1].z, CornerZ(5));
  EXPECT_EQ(q[0].y, 32.0f);
  EXPECT_EQ(q[2].y, 0.0f);
  EXPECT_EQ(q[0].v, 0.0f);
  EXPECT_EQ(q[3].v, 32.0f);
  EXPECT_EQ(builder.Polygons()[size_t(builder.Summary(5, 5).firstPolygon + 1)].texture, StepTexture);

  high.floorHeight = 0.0f;
  ASSERT_TRUE(BuildGeometry(*map, builder));
  EXPECT_EQ(builder.Summary(5, 5).polygonCount, 1);  // equal floors: no step
}

TEST_F(CellGeometryTest, CeilingStepsAreBuiltByTheLowerCeilingAndByBothWhereTheyCross) {
  struct Case {
    const char* name;
    float lowerP0, lowerP1;  // (5, 6)'s corners 0 and 1, under (5, 5)'s 140 and 200
    int upperCellFaces, lowerCellFaces;
  };
  const Case cases[] = {
      {"crossing", 160.0f, 160.0f, 1, 1},
      {"neighbour higher at both ends", 250.0f, 250.0f, 1, 0},
      {"equal", 140.0f, 200.0f, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto map = EmptyMap();
    MapCell& a = map->Cell(5, 5);
    MapCell& b = map->Cell(5, 6);
    a.texture[SurfaceKind::PedestalCeiling] = StepTexture;
    b.texture[SurfaceKind::PedestalCeiling] = StepTexture;
    a.ceilingHeight[3] = 140.0f;  // at corner (5, 6)
    a.ceilingHeight[2] = 200.0f;  // at corner (6, 6)
    b.ceilingHeight[0] = c.lowerP0;
    b.ceilingHeight[1] = c.lowerP1;
    ASSERT_TRUE(BuildGeometry(*map, builder));
    EXPECT_EQ(builder.Summary(5, 5).polygonCount, c.upperCellFaces);
    EXPECT_EQ(builder.Summary(5, 6).polygonCount, c.lowerCellFaces);
    if (c.upperCellFaces == 1) {
      const auto q = Corners(builder.Summary(5, 5).firstPolygon);
      EXPECT_EQ(q[0].y, c.lowerP0);  // top: the neighbour's corners
      EXPECT_EQ(q[1].y, c.lowerP1);
      EXPECT_EQ(q[2].y, 200.0f);  // bottom: its own
      EXPECT_EQ(q[3].y, 140.0f);
    }
  }
}

TEST_F(CellGeometryTest, EveryFaceIsWoundTowardsTheSideItIsSeenFrom) {
  auto map = EmptyMap();
  auto setCell = [&](int x, int y, CellType type) -> MapCell& {
    MapCell& cell = map->Cell(x, y);
    cell.type = static_cast<uint8_t>(type);
    cell.texture[SurfaceKind::Floor] = FloorTexture;
    cell.texture[SurfaceKind::Ceiling] = CeilingTexture;
    cell.texture[SurfaceKind::Wall] = WallTexture;
    return cell;
  };
  setCell(10, 10, CellType::WindowHorizontal);
  setCell(20, 10, CellType::WindowVertical);
  setCell(30, 10, CellType::WaterBasin).waterLevel = 20.0f;
  MapCell& wall = setCell(40, 10, CellType::Wall);
  for (int i = 0; i < 4; ++i) setCell(40 + (i == 3) - (i == 2), 10 + (i == 1) - (i == 0), CellType::Nothing);
  (void)wall;
  setCell(50, 10, CellType::Column);
  ASSERT_TRUE(BuildGeometry(*map, builder));

  auto normalOf = [&](int x, int y, int k) { return FaceNormal(Corners(builder.Summary(x, y).firstPolygon + k)); };
  EXPECT_GT(normalOf(10, 10, 0).y, 0);  // floor up
  EXPECT_LT(normalOf(10, 10, 1).y, 0);  // ceiling down
  EXPECT_LT(normalOf(10, 10, 2).z, 0);  // horizontal pane faces -Z
  EXPECT_LT(normalOf(20, 10, 2).x, 0);  // vertical pane faces -X
  EXPECT_GT(normalOf(30, 10, 2).y, 0);  // water up
  // Wall sides towards (x, y-1), (x, y+1), (x-1, y), (x+1, y): -Z, +Z, +X, -X.
  EXPECT_LT(normalOf(40, 10, 0).z, 0);
  EXPECT_GT(normalOf(40, 10, 1).z, 0);
  EXPECT_GT(normalOf(40, 10, 2).x, 0);
  EXPECT_LT(normalOf(40, 10, 3).x, 0);
  // Column sides point away from the cell's middle.
  const double midX = CornerX(50) - 64.0, midZ = CornerZ(10) + 64.0;
  for (int side = 0; side < 12; ++side) {
    const auto q = Corners(builder.Summary(50, 10).firstPolygon + 2 + side);
    const Normal n = FaceNormal(q);
    EXPECT_GT(n.x * (q[0].x - midX) + n.z * (q[0].z - midZ), 0) << side;
  }
}

TEST_F(CellGeometryTest, OpenKindsBuildFloorCeilingThenTheirOwnFace) {
  auto map = FlatOpenMap();
  MapCell& water = map->Cell(8, 8);
  water.type = static_cast<uint8_t>(CellType::WaterBasin);
  water.texture[SurfaceKind::Wall] = WallTexture;
  water.opacity = 90;
  water.waterLevel = 40.0f;
  MapCell& window = map->Cell(12, 8);
  window.type = static_cast<uint8_t>(CellType::WindowVertical);
  window.texture[SurfaceKind::Wall] = WallTexture;
  window.ceilingHeight[0] = 100.0f;  // the pane's top follows corner 0 alone
  window.ceilingHeight[2] = 300.0f;
  window.opacity = 255;
  ASSERT_TRUE(BuildGeometry(*map, builder));

  ASSERT_EQ(builder.Summary(8, 8).polygonCount, 3);
  const MeshPolygon& surface = builder.Polygons()[size_t(builder.Summary(8, 8).firstPolygon + 2)];
  EXPECT_EQ(surface.opacity, 90);
  EXPECT_EQ(surface.translucent, 1);
  EXPECT_EQ(surface.texture, WallTexture);
  EXPECT_EQ(Corners(builder.Summary(8, 8).firstPolygon + 2)[0].y, 40.0f);

  ASSERT_EQ(builder.Summary(12, 8).polygonCount, 3);
  const int pane = builder.Summary(12, 8).firstPolygon + 2;
  EXPECT_EQ(builder.Polygons()[size_t(pane)].translucent, 0);
  const auto q = Corners(pane);
  EXPECT_EQ(q[0].y, 100.0f);
  EXPECT_EQ(q[1].y, 100.0f);
  EXPECT_EQ(q[0].x, CornerX(12) - 64.0f);
  EXPECT_EQ(q[0].z, CornerZ(9));
}

TEST_F(CellGeometryTest, SummariesAreFilledForEveryCell) {
  auto map = FlatOpenMap();
  MapCell& cell = map->Cell(2, 3);
  cell.texture[SurfaceKind::Floor] = NoTexture;
  cell.texture[SurfaceKind::Ceiling] = NoTexture;
  cell.type = 9;  // unknown kinds are kept and build like open cells
  cell.opacity = 77;
  cell.reserved = 0xBEEF;
  cell.floorHeight = -4.0f;
  cell.waterLevel = 12.0f;
  const float corners[4] = {200.0f, 100.0f, 50.0f, 75.0f};
  std::copy(corners, corners + 4, cell.ceilingHeight);
  ASSERT_TRUE(BuildGeometry(*map, builder));

  const CellSummary& summary = builder.Summary(2, 3);
  EXPECT_EQ(summary.type, 9);
  EXPECT_EQ(summary.opacity, 77);
  EXPECT_EQ(summary.reserved, 0xBEEF);
  EXPECT_EQ(summary.floorHeight, -4.0f);
  EXPECT_EQ(summary.waterLevel, 12.0f);
  EXPECT_EQ(summary.lowestCeiling, 50.0f);
  EXPECT_EQ(summary.firstPolygon, 0);  // no polygons, though earlier cells have some
  EXPECT_EQ(summary.polygonCount, 0);
  EXPECT_EQ(builder.Summary(0, 0).firstPolygon, 0);
  EXPECT_EQ(builder.Summary(0, 0).polygonCount, 2);
  EXPECT_EQ(builder.Summary(63, 63).firstPolygon, 8192 - 2 - 2);
}

TEST_F(CellGeometryTest, DiagonalCellsShareTheirCommonCorner) {
  struct Case {
    int firstX, firstY, secondX, secondY;
  };
  // The later cell finds the earlier one through its (x-1, y-1) and its (x+1, y-1) search.
  for (const Case& c : {Case{3, 3, 4, 4}, Case{5, 3, 4, 4}}) {
    auto map = EmptyMap();
    map->Cell(c.firstX, c.firstY).texture[SurfaceKind::Floor] = FloorTexture;
    map->Cell(c.secondX, c.secondY).texture[SurfaceKind::Floor] = FloorTexture;
    ASSERT_TRUE(BuildGeometry(*map, builder));
    EXPECT_EQ(builder.VertexCount(), 7) << c.firstX;
  }
}

TEST_F(CellGeometryTest, ReportsEachFinishedRowInOrder) {
  auto map = FlatOpenMap();
  std::vector<int> rows;
  builder.Reset();
  ASSERT_TRUE(CellGeometry(*map, BuildColumnProfile(), builder, [&](int row) { rows.push_back(row); }));
  ASSERT_EQ(rows.size(), 64u);
  for (int y = 0; y < 64; ++y) EXPECT_EQ(rows[size_t(y)], y);
}

TEST_F(CellGeometryTest, StopsAtTheFirstFaceThatDoesNotFit) {
  auto map = FlatOpenMap();
  // A checkerboard of raised floors: every raised cell adds up to four steps.
  for (int x = 0; x < 64; ++x) {
    for (int y = 0; y < 64; ++y) {
      MapCell& cell = map->Cell(x, y);
      cell.texture[SurfaceKind::PedestalFloor] = StepTexture;
      if ((x + y) % 2 == 0) cell.floorHeight = 32.0f;
    }
  }
  int rowsDone = 0;
  builder.Reset();
  EXPECT_FALSE(CellGeometry(*map, BuildColumnProfile(), builder, [&](int) { ++rowsDone; }));
  EXPECT_EQ(builder.Overflow(), MeshTable::Polygons);
  EXPECT_EQ(builder.PolygonCount(), MaxPolygons);
  EXPECT_LT(rowsDone, 64);
}

TEST(WeldSearchTest, HashedSearchesBuildTheSameTablesAsThePlainWalksOnRandomMaps) {
  auto hashed = std::make_unique<MeshBuilder>();
  auto plain = std::make_unique<MeshBuilder>();
  plain->SetVertexSearch(VertexSearch::Window);
  plain->SetTexCoordSearch(TexCoordSearch::Linear);
  std::mt19937 random(5);
  for (int round = 0; round < 4; ++round) {
    SCOPED_TRACE(round);
    std::unique_ptr<MapDocument> map;
    // Fewer busy cells until the map fits the tables.
    for (int busyPercent = 70; !map || !BuildGeometry(*map, *hashed); busyPercent -= 10) {
      map = FlatOpenMap();
      for (MapCell& cell : map->cells) {
        if (int(random() % 100) >= busyPercent) continue;
        cell.type = uint8_t(random() % 7);
        for (uint16_t& texture : cell.texture) texture = random() % 3 == 0 ? NoTexture : uint16_t(random() % 4);
        cell.floorHeight = float(random() % 5 * 8);
        for (float& corner : cell.ceilingHeight) corner = 100.0f + float(random() % 4 * 10);
        cell.textureOffset[SurfaceKind::Wall] = int16_t(random() % 3 * 16);
        cell.textureOffset[SurfaceKind::PedestalFloor] = int16_t(random() % 3 * 16);
      }
    }
    ASSERT_TRUE(BuildGeometry(*map, *plain));
    ASSERT_GT(hashed->PolygonCount(), 8000);
    ASSERT_EQ(hashed->VertexCount(), plain->VertexCount());
    ASSERT_EQ(hashed->TexCoordCount(), plain->TexCoordCount());
    const auto equal = [](auto a, auto b) { return std::equal(a.begin(), a.end(), b.begin(), b.end()); };
    EXPECT_TRUE(equal(hashed->VertexIndices(), plain->VertexIndices()));
    EXPECT_TRUE(equal(hashed->TexCoordIndices(), plain->TexCoordIndices()));
  }
}

}  // namespace tessmoor
