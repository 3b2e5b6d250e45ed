// Turning and mirroring a block: the compiled model of the block placed in
// each of the eight orientations is the turned and mirrored model of the block
// as it was, and any sequence of turns and mirrors is the one orientation it adds up to.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "compiler/CompilerTestMaps.h"
#include "edit/BlockPlacement.h"

namespace tessmoor {
namespace {

constexpr GridPoint At{20, 30};

MapCell Open(float floor, std::array<float, 4> ceiling) {
  MapCell cell;
  SetCellDefaults(cell);
  cell.floorHeight = floor;
  std::copy(ceiling.begin(), ceiling.end(), cell.ceilingHeight);
  cell.texture[SurfaceKind::Floor] = 0;
  cell.texture[SurfaceKind::Ceiling] = 1;
  cell.texture[SurfaceKind::PedestalFloor] = 3;
  cell.texture[SurfaceKind::PedestalCeiling] = 4;
  for (size_t s = 0; s < SurfaceCount; ++s) cell.textureOffset[s] = int16_t(5 * s + 3);
  return cell;
}

MapCell Typed(CellType type, MapCell cell, uint8_t opacity = 200) {
  cell.type = static_cast<uint8_t>(type);
  cell.texture[SurfaceKind::Wall] = 2;
  cell.opacity = opacity;
  return cell;
}

// 3 x 2: sloped ceilings, a window across, a wall, a column, a basin, steps up
// and down on every side. A pane and a column take their top from the first
// corner, so those cells have level ceilings.
CellBlock Niche() {
  CellBlock block{3, 2, {}};
  block.cells = {
      Open(0, {128, 160, 192, 144}),                                          // (0, 0)
      Typed(CellType::Column, Open(16, {150, 150, 150, 150})),                // (0, 1)
      Typed(CellType::WindowHorizontal, Open(8, {176, 176, 176, 176}), 100),  // (1, 0)
      Typed(CellType::WaterBasin, Open(-16, {128, 140, 130, 200}), 80),       // (1, 1)
      Typed(CellType::Wall, Open(0, {128, 128, 128, 128})),                   // (2, 0)
      Open(4, {100, 220, 170, 120}),                                          // (2, 1)
  };
  return block;
}

struct Corner {
  float x, y, z;
};
struct Face {
  uint16_t texture;
  uint8_t opacity;
  std::vector<Corner> corners;
};

std::vector<Face> CompileFaces(const CellBlock& block, Orientation orientation) {
  DocumentModel model;
  model.Replace([](MapDocument& map) { map.textureCount = 5; });
  EXPECT_TRUE(PlaceBlock(model, block, {At, orientation, false}, StepName::Paste).ok);
  MeshBuilder builder;
  EXPECT_TRUE(compiler_test::BuildGeometry(model.Map(), builder));
  std::vector<Face> faces;
  for (const MeshPolygon& polygon : builder.Polygons()) {
    Face face{polygon.texture, polygon.opacity, {}};
    for (int k = 0; k < polygon.vertexCount; ++k) {
      const MeshVertex& v = builder.Vertices()[builder.VertexIndices()[polygon.firstIndex + size_t(k)]];
      face.corners.push_back({v.x, v.y, v.z});
    }
    faces.push_back(face);
  }
  return faces;
}

// Where a world point of the block placed as it was lies after the orientation.
Corner Moved(Corner c, int width, int height, Orientation orientation) {
  float u = (8192.0f - c.x) / 128.0f - float(At.x), v = c.z / 128.0f - float(At.y);
  if (orientation.mirrored) u = float(width) - u;
  for (int k = 0; k < orientation.turns; ++k) {
    const float turnedU = float(height) - v;
    v = u;
    u = turnedU;
    std::swap(width, height);
  }
  return {8192.0f - 128.0f * (float(At.x) + u), c.y, 128.0f * (float(At.y) + v)};
}

// The column's circle is rounded in single precision, so its points meet their
// turned partners only to a few thousandths.
bool Near(const Corner& a, const Corner& b) {
  return std::fabs(a.x - b.x) < 0.05f && std::fabs(a.y - b.y) < 0.05f && std::fabs(a.z - b.z) < 0.05f;
}

bool SameFace(const Face& a, const Face& b) {
  if (a.texture != b.texture || a.opacity != b.opacity || a.corners.size() != b.corners.size()) return false;
  for (const Corner& corner : a.corners) {
    if (std::none_of(b.corners.begin(), b.corners.end(), [&](const Corner& other) { return Near(corner, other); }))
      return false;
  }
  return true;
}

TEST(BlockOrientation, TheModelOfATurnedBlockIsTheTurnedModelInAllEightOrientations) {
  const CellBlock block = Niche();
  const std::vector<Face> original = CompileFaces(block, {});
  ASSERT_GT(original.size(), 30u);
  for (int turns = 0; turns < 4; ++turns) {
    for (const bool mirrored : {false, true}) {
      SCOPED_TRACE(testing::Message() << turns << " turns, mirrored " << mirrored);
      const Orientation orientation{turns, mirrored};
      std::vector<Face> actual = CompileFaces(block, orientation);
      ASSERT_EQ(actual.size(), original.size());
      for (const Face& face : original) {
        Face expected = face;
        for (Corner& corner : expected.corners) corner = Moved(corner, block.width, block.height, orientation);
        const auto match =
            std::find_if(actual.begin(), actual.end(), [&](const Face& f) { return SameFace(expected, f); });
        ASSERT_NE(match, actual.end()) << "texture " << face.texture << " at " << face.corners[0].x << ", "
                                       << face.corners[0].y << ", " << face.corners[0].z;
        actual.erase(match);
      }
    }
  }
}

TEST(BlockOrientation, AnySequenceOfStepsIsTheOrientationItAddsUpTo) {
  std::mt19937 random(20);
  const CellBlock original = Niche();
  const Orientation steps[] = {Orientation{}.TurnedClockwise(), Orientation{}.TurnedCounterClockwise(),
                               Orientation{}.MirroredLeftRight(), Orientation{}.MirroredTopBottom()};
  for (int run = 0; run < 20; ++run) {
    CellBlock stepwise = original;
    Orientation total;
    for (int n = 0; n < 12; ++n) {
      const int step = int(random() % 4);
      stepwise = Oriented(stepwise, steps[step]);
      total = step == 0   ? total.TurnedClockwise()
              : step == 1 ? total.TurnedCounterClockwise()
              : step == 2 ? total.MirroredLeftRight()
                          : total.MirroredTopBottom();
      const CellBlock direct = Oriented(original, total);
      ASSERT_EQ(direct.width, stepwise.width);
      ASSERT_EQ(direct.height, stepwise.height);
      ASSERT_EQ(direct.width, OrientedWidth(original.width, original.height, total));
      ASSERT_EQ(std::memcmp(direct.cells.data(), stepwise.cells.data(), direct.cells.size() * sizeof(MapCell)), 0)
          << run << "/" << n;
    }
  }
  // Four turns and two mirrors give the block back.
  const Orientation none = Orientation{}.TurnedClockwise().TurnedClockwise().TurnedClockwise().TurnedClockwise();
  EXPECT_TRUE(none.IsIdentity());
  EXPECT_TRUE(Orientation{}.MirroredTopBottom().MirroredTopBottom().IsIdentity());
}

}  // namespace
}  // namespace tessmoor
