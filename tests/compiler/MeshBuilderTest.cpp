#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "compiler/MeshBuilder.h"

namespace tessmoor {

namespace {

FaceVertex Corner(float x, float y, float z, float u = 0, float v = 0) { return {x, y, z, u, v}; }

class MeshBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override { builder.Reset(); }

  // Emits and counts, as the geometry pass does.
  int Emit(std::span<const FaceVertex> face, int x, int y, uint8_t opacity = 255) {
    const int polygon = builder.EmitPolygon(face, 7, opacity, x, y, SurfaceKind::Floor);
    if (polygon != EmitFailed && !face.empty()) builder.CountPolygon(x, y);
    return polygon;
  }
  // A one-corner face.
  int EmitPoint(int x, int y, float px, float u = 0, float v = 0) {
    const FaceVertex corner = Corner(px, 0, 0, u, v);
    return Emit({&corner, 1}, x, y);
  }
  void ExpectCounts(int vertices, int polygons, int texCoords, int indices) const {
    EXPECT_EQ(builder.VertexCount(), vertices);
    EXPECT_EQ(builder.PolygonCount(), polygons);
    EXPECT_EQ(builder.TexCoordCount(), texCoords);
    EXPECT_EQ(builder.IndexCount(), indices);
  }

  MeshBuilder builder;
};

}  // namespace

TEST_F(MeshBuilderTest, EmptyFaceRecordsNothing) {
  EXPECT_EQ(Emit({}, 3, 3), 0);
  ExpectCounts(0, 0, 0, 0);
}

TEST_F(MeshBuilderTest, PolygonRecordsItsCornersAndOpacity) {
  const std::array<FaceVertex, 4> face = {Corner(0, 0, 0, 0, 0), Corner(1, 0, 0, 128, 0), Corner(1, 1, 0, 128, 128),
                                          Corner(0, 1, 0, 0, 128)};
  EXPECT_EQ(Emit(face, 2, 2), 0);
  EXPECT_EQ(Emit(face, 2, 2, 90), 1);
  ExpectCounts(4, 2, 4, 8);
  const MeshPolygon& second = builder.Polygons()[1];
  EXPECT_EQ(second.firstIndex, 4);
  EXPECT_EQ(second.vertexCount, 4);
  EXPECT_EQ(second.texture, 7);
  EXPECT_EQ(second.opacity, 90);
  EXPECT_EQ(second.translucent, 1);
  EXPECT_EQ(builder.Polygons()[0].translucent, 0);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(builder.VertexIndices()[4 + size_t(k)], k);
  const MeshVertex& vertex = builder.Vertices()[2];
  EXPECT_EQ(vertex.x, 1.0f);
  EXPECT_EQ(vertex.y, 1.0f);
  for (uint8_t channel : vertex.colour) EXPECT_EQ(channel, 255);
  EXPECT_EQ(builder.Summary(2, 2).firstPolygon, 0);
  EXPECT_EQ(builder.Summary(2, 2).polygonCount, 2);
}

TEST_F(MeshBuilderTest, EqualCornersOfOneFaceStaySeparateUnlessAnEarlierPolygonHoldsThem) {
  const std::array<FaceVertex, 2> twice = {Corner(5, 5, 5), Corner(5, 5, 5)};
  Emit(twice, 1, 1);
  EXPECT_EQ(builder.VertexCount(), 2);
  Emit(twice, 1, 1);
  EXPECT_EQ(builder.VertexCount(), 2);
  EXPECT_EQ(builder.VertexIndices()[2], 0);
  EXPECT_EQ(builder.VertexIndices()[3], 0);
}

TEST_F(MeshBuilderTest, VerticesMergeOnlyWithinTheFiveCellWindow) {
  struct Case {
    int dx, dy;  // the earlier cell relative to the later one at (10, 10)
    bool merges;
  };
  const Case cases[] = {{-1, -1, true}, {0, -1, true}, {1, -1, true}, {-1, 0, true},  {0, 0, true},  {1, 0, false},
                        {-1, 1, false}, {0, 1, false}, {1, 1, false}, {2, -1, false}, {0, -2, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
    builder.Reset();
    EmitPoint(10 + c.dx, 10 + c.dy, 42.0f);
    EmitPoint(10, 10, 42.0f);
    EXPECT_EQ(builder.VertexCount(), c.merges ? 1 : 2);
  }
}

TEST_F(MeshBuilderTest, VerticesMergeOnlyOnExactlyEqualCoordinates) {
  EmitPoint(0, 0, 1.0f);
  EmitPoint(0, 0, std::nextafter(1.0f, 2.0f));
  EmitPoint(0, 0, -0.0f);
  EmitPoint(0, 0, 0.0f);  // equals -0.0 as a float
  EmitPoint(0, 0, std::numeric_limits<float>::quiet_NaN());
  EmitPoint(0, 0, std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(builder.VertexCount(), 5);
}

TEST_F(MeshBuilderTest, WindowSearchSkipsCellsOutsideTheGrid) {
  EmitPoint(0, 0, 1.0f);
  EmitPoint(63, 0, 1.0f);
  EmitPoint(0, 1, 1.0f);
  EXPECT_EQ(builder.VertexCount(), 2);  // (0, 1) finds (0, 0); (63, 0) is far away
}

TEST_F(MeshBuilderTest, FillSummaryTakesTheStrictlySmallestCeilingCorner) {
  MapCell cell{};
  SetCellDefaults(cell);
  const float corners[][4] = {{128, 128, 128, 128}, {200, 100, 50, 75}, {3, 9, 3, 4}, {-1, 0, 0, -2}};
  const float lowest[] = {128, 50, 3, -2};
  for (int i = 0; i < 4; ++i) {
    std::copy(corners[i], corners[i] + 4, cell.ceilingHeight);
    builder.FillSummary(cell, 4, i);
    EXPECT_EQ(builder.Summary(4, i).lowestCeiling, lowest[i]) << i;
  }
}

TEST_F(MeshBuilderTest, ResetEmptiesCountsSummariesAndOverflow) {
  for (int i = 0; i < MaxPolygons + 1; ++i) EmitPoint(1, 1, 0.0f);
  ASSERT_EQ(builder.Overflow(), MeshTable::Polygons);
  builder.Reset();
  ExpectCounts(0, 0, 0, 0);
  EXPECT_EQ(builder.Overflow(), MeshTable::None);
  EXPECT_EQ(builder.Summary(1, 1).polygonCount, 0);
  EXPECT_EQ(EmitPoint(1, 1, 0.0f), 0);
}

// Each table takes exactly its capacity; the face that would pass it is refused
// whole and leaves every count as it was.
TEST_F(MeshBuilderTest, PolygonTableTakesExactlyItsCapacity) {
  for (int i = 0; i < MaxPolygons; ++i) ASSERT_NE(EmitPoint(1, 1, 0.0f), EmitFailed) << i;
  ExpectCounts(1, MaxPolygons, 1, MaxPolygons);
  EXPECT_EQ(EmitPoint(1, 1, 0.0f), EmitFailed);
  EXPECT_EQ(builder.Overflow(), MeshTable::Polygons);
  ExpectCounts(1, MaxPolygons, 1, MaxPolygons);
}

TEST_F(MeshBuilderTest, VertexTableTakesExactlyItsCapacityAndWeldedCornersNeedNoRoom) {
  // One eight-corner face per cell, each corner new (a cell's polygons must be
  // consecutive, as the geometry pass makes them).
  constexpr int Corners = 8;
  constexpr int Faces = MaxVertices / Corners;
  float next = 0;
  for (int i = 0; i < Faces; ++i) {
    std::array<FaceVertex, Corners> face;
    for (FaceVertex& corner : face) corner = Corner(next++, 0, 0);
    ASSERT_NE(Emit(face, i % 64, i / 64), EmitFailed) << i;
  }
  ASSERT_EQ(builder.VertexCount(), MaxVertices);
  const int lastX = (Faces - 1) % 64, lastY = (Faces - 1) / 64;
  // Corners that all exist in the window still fit.
  const std::array<FaceVertex, 2> existing = {Corner(next - 1, 0, 0), Corner(next - 2, 0, 0)};
  EXPECT_NE(Emit(existing, lastX, lastY), EmitFailed);
  const std::array<FaceVertex, 2> oneNew = {Corner(next - 1, 0, 0), Corner(-5, 0, 0)};
  EXPECT_EQ(Emit(oneNew, lastX, lastY), EmitFailed);
  EXPECT_EQ(builder.Overflow(), MeshTable::Vertices);
  ExpectCounts(MaxVertices, Faces + 1, 1, MaxVertices + 2);
}

TEST_F(MeshBuilderTest, TexCoordTableTakesExactlyItsCapacityCountingRepeatsInOneFaceOnce) {
  for (int i = 0; i < MaxTexCoords - 1; ++i) ASSERT_NE(EmitPoint(1, 1, 0.0f, float(i), 1.0f), EmitFailed);
  // The same new pair twice in one face needs one entry: it fits.
  const std::array<FaceVertex, 3> repeated = {Corner(0, 0, 0, -1, -1), Corner(0, 0, 0, 0, 1), Corner(0, 0, 0, -1, -1)};
  ASSERT_NE(Emit(repeated, 1, 1), EmitFailed);
  ASSERT_EQ(builder.TexCoordCount(), MaxTexCoords);
  EXPECT_EQ(builder.TexCoordIndices()[size_t(builder.IndexCount() - 1)], MaxTexCoords - 1);
  EXPECT_NE(EmitPoint(1, 1, 0.0f, 5.0f, 1.0f), EmitFailed);  // an existing pair
  EXPECT_EQ(EmitPoint(1, 1, 0.0f, 5.0f, 2.0f), EmitFailed);
  EXPECT_EQ(builder.Overflow(), MeshTable::TexCoords);
  EXPECT_EQ(builder.TexCoordCount(), MaxTexCoords);
}

TEST_F(MeshBuilderTest, IndexTableTakesExactlyItsCapacity) {
  std::array<FaceVertex, MaxFaceVertices> face;
  face.fill(Corner(0, 0, 0));
  for (int i = 0; i < MaxIndices / MaxFaceVertices; ++i) ASSERT_NE(Emit(face, 3, 3), EmitFailed) << i;
  ExpectCounts(MaxFaceVertices, MaxIndices / MaxFaceVertices, 1, MaxIndices);
  EXPECT_EQ(EmitPoint(3, 3, 0.0f), EmitFailed);
  EXPECT_EQ(builder.Overflow(), MeshTable::Indices);
  EXPECT_EQ(builder.IndexCount(), MaxIndices);
}

TEST_F(MeshBuilderTest, FaceWithTooManyCornersIsRefused) {
  std::array<FaceVertex, MaxFaceVertices + 1> face{};
  EXPECT_EQ(Emit(face, 0, 0), EmitFailed);
  EXPECT_EQ(builder.Overflow(), MeshTable::FaceCorners);
  ExpectCounts(0, 0, 0, 0);
}

TEST(TexCoordSearchTest, HashedSearchGivesTheLinearSearchIndices) {
  auto hashed = std::make_unique<MeshBuilder>();
  auto linear = std::make_unique<MeshBuilder>();
  linear->SetTexCoordSearch(TexCoordSearch::Linear);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  std::vector<float> pool = {0.0f,
                             -0.0f,
                             nan,
                             -nan,
                             inf,
                             -inf,
                             128.0f,
                             -128.0f,
                             64.0f,
                             std::numeric_limits<float>::denorm_min(),
                             -std::numeric_limits<float>::denorm_min(),
                             std::numeric_limits<float>::max(),
                             1e-30f};
  std::mt19937 random(1234);
  std::uniform_real_distribution<float> any(-4096.0f, 4096.0f);
  for (int i = 0; i < 40; ++i) pool.push_back(any(random));
  for (int i = 0; i < 20; ++i) pool.push_back(float(int(any(random))));
  std::uniform_int_distribution<size_t> pick(0, pool.size() - 1);

  for (int round = 0; round < 3; ++round) {
    hashed->Reset();
    linear->Reset();
    for (int i = 0; i < 6000; ++i) {
      const float u = pool[pick(random)], v = pool[pick(random)];
      const int expected = linear->WeldTexCoord(u, v);
      ASSERT_EQ(hashed->WeldTexCoord(u, v), expected) << "draw " << i << ": " << u << ", " << v;
    }
    ASSERT_EQ(hashed->TexCoordCount(), linear->TexCoordCount());
    EXPECT_EQ(hashed->TexCoordCount(), MaxTexCoords);  // the table filled up on the way
  }
}

TEST(TexCoordSearchTest, ZerosOfEitherSignMergeAndNaNNeverDoes) {
  MeshBuilder builder;
  builder.Reset();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(builder.WeldTexCoord(-0.0f, 0.0f), 0);
  EXPECT_EQ(builder.WeldTexCoord(0.0f, -0.0f), 0);
  EXPECT_EQ(builder.WeldTexCoord(nan, 1.0f), 1);
  EXPECT_EQ(builder.WeldTexCoord(nan, 1.0f), 2);
  EXPECT_EQ(builder.WeldTexCoord(1.0f, nan), 3);
  EXPECT_EQ(builder.WeldTexCoord(1.0f, 1.0f), 4);
  EXPECT_EQ(builder.WeldTexCoord(1.0f, 1.0f), 4);
}

namespace {

// Emits the same random faces into both builders, stopping at the first that does
// not fit.
void EmitRandomFaces(MeshBuilder& a, MeshBuilder& b, std::mt19937& random, int faces) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  // Few distinct values, so equal positions are common, signed zeros and NaN among them.
  const float values[] = {0.0f, -0.0f, 1.0f, 2.0f, 128.0f, nan, 0.5f};
  std::uniform_int_distribution<int> value(0, 6), cell(0, 63), near(-1, 1), corners(1, MaxFaceVertices);
  int x = cell(random), y = cell(random);
  for (int f = 0; f < faces; ++f) {
    // Mostly moving along like the geometry pass, sometimes jumping anywhere.
    if (random() % 8 == 0) {
      x = cell(random);
      y = cell(random);
    } else {
      x = std::clamp(x + near(random), 0, 63);
      y = std::clamp(y + near(random), 0, 63);
    }
    std::vector<FaceVertex> face(size_t(corners(random)));
    for (FaceVertex& corner : face) {
      corner = {values[value(random)], values[value(random)], values[value(random)], 0, 0};
    }
    const int first = a.EmitPolygon(face, 0, 255, x, y, SurfaceKind::Floor);
    ASSERT_EQ(b.EmitPolygon(face, 0, 255, x, y, SurfaceKind::Floor), first);
    if (first == EmitFailed) return;
    a.CountPolygon(x, y);
    b.CountPolygon(x, y);
  }
}

}  // namespace

TEST(VertexSearchTest, HashedSearchGivesTheWindowWalkIndices) {
  auto hashed = std::make_unique<MeshBuilder>();
  auto walked = std::make_unique<MeshBuilder>();
  walked->SetVertexSearch(VertexSearch::Window);
  std::mt19937 random(99);
  for (int round = 0; round < 20; ++round) {
    SCOPED_TRACE(round);
    hashed->Reset();
    walked->Reset();
    EmitRandomFaces(*hashed, *walked, random, 600);
    ASSERT_EQ(hashed->VertexCount(), walked->VertexCount());
    ASSERT_EQ(hashed->IndexCount(), walked->IndexCount());
    for (int k = 0; k < hashed->IndexCount(); ++k) {
      ASSERT_EQ(hashed->VertexIndices()[size_t(k)], walked->VertexIndices()[size_t(k)]) << "corner " << k;
    }
  }
}

}  // namespace tessmoor
