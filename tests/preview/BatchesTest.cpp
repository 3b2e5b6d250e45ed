#include <gtest/gtest.h>

#include <map>
#include <random>

#include "compiler/CompilerTestMaps.h"
#include "preview/CellPicking.h"
#include "preview/EyePosition.h"
#include "preview/PreviewModel.h"
#include "preview/SelectionOutline.h"
#include "texts/CoreTexts.h"

namespace tessmoor {

namespace {

using namespace compiler_test;

// Open cells, walls, columns, water and windows with random textures and heights.
std::unique_ptr<MapDocument> RandomMap(uint32_t seed) {
  auto map = FlatOpenMap();
  map->textureCount = 6;
  std::mt19937 random(seed);
  for (MapCell& cell : map->cells) {
    cell.type = static_cast<uint8_t>(random() % CellTypeCount);
    cell.floorHeight = float(random() % 4) * 16;
    for (float& corner : cell.ceilingHeight) corner = 128 + float(random() % 3) * 32;
    cell.waterLevel = 8;
    cell.opacity = random() % 2 ? 255 : 100;
    for (uint16_t& texture : cell.texture) texture = random() % 7 == 0 ? NoTexture : uint16_t(random() % 6);
  }
  return map;
}

TEST(DrawBatches, EveryPolygonBecomesItsTrianglesInTheBatchOfItsTexture) {
  for (uint32_t seed = 1; seed <= 4; ++seed) {
    auto map = RandomMap(seed);
    PreviewModel model;
    model.Rebuild(*map);
    const MeshBuilder& builder = model.Builder();
    std::map<uint16_t, int> opaqueCorners;
    int translucent = 0;
    for (const MeshPolygon& polygon : builder.Polygons()) {
      ASSERT_EQ(polygon.vertexCount, 4);
      if (polygon.translucent) {
        ++translucent;
      } else {
        opaqueCorners[polygon.texture] += 6;
      }
    }
    const DrawBatches& batches = model.Batches();
    ASSERT_EQ(batches.opaque.size(), opaqueCorners.size());
    int32_t next = 0;
    for (const TextureBatch& batch : batches.opaque) {
      EXPECT_EQ(batch.vertexCount, opaqueCorners[batch.texture]) << "texture " << batch.texture;
      EXPECT_EQ(batch.firstVertex, next);
      next += batch.vertexCount;
    }
    EXPECT_EQ(int(batches.translucent.size()), translucent);
    EXPECT_EQ(batches.vertices.size(), size_t(6 * builder.PolygonCount()));
  }
}

TEST(DrawBatches, TranslucentFacesAreOrderedFurthestFirst) {
  auto map = RandomMap(7);
  PreviewModel model;
  model.Rebuild(*map);
  const Vec3 eye = CellCentre(20, 30);
  std::vector<int32_t> order;
  OrderBackToFront(model.Batches(), eye, order);
  ASSERT_GT(order.size(), 10u);
  for (size_t i = 1; i < order.size(); ++i) {
    const Vec3 a = model.Batches().translucent[size_t(order[i - 1])].centre - eye;
    const Vec3 b = model.Batches().translucent[size_t(order[i])].centre - eye;
    ASSERT_GE(Dot(a, a), Dot(b, b));
  }
}

TEST(PreviewModel, AMapBeyondACapacityShowsWhatFitsAndSaysWhichCapacity) {
  auto map = FlatOpenMap();
  for (MapCell& cell : map->cells) {  // three faces a cell: more polygons than the model takes
    cell.type = static_cast<uint8_t>(CellType::WaterBasin);
    cell.texture[SurfaceKind::Wall] = WallTexture;
  }
  PreviewModel model;
  model.Rebuild(*map);
  EXPECT_NE(model.Overflow(), MeshTable::None);
  EXPECT_NE(CoreText(model.CapacityMessage()).find("höchstens"), std::string::npos);
  EXPECT_GT(model.Builder().PolygonCount(), 11000);
  EXPECT_EQ(model.Batches().vertices.size(), size_t(6 * model.Builder().PolygonCount()));
  model.Rebuild(*FlatOpenMap());
  EXPECT_EQ(CoreText(model.CapacityMessage()), "");
}

// Around the eye: a wall cell ahead, a raised floor beyond the next column, a
// lowered ceiling behind, water beside. A pick names the surface whose texture
// the face wears: a step its pedestal's, water the wall's.
TEST(CellPicking, RaysMeetTheFloorCeilingAndTheWallCellThatBuiltTheFace) {
  auto map = FlatOpenMap();
  map->Cell(3, 7).type = static_cast<uint8_t>(CellType::Wall);
  map->Cell(3, 7).texture[SurfaceKind::Wall] = WallTexture;
  map->Cell(5, 4).floorHeight = 32;
  map->Cell(5, 4).texture[SurfaceKind::PedestalFloor] = StepTexture;
  for (float& corner : map->Cell(3, 2).ceilingHeight) corner = 96;
  map->Cell(3, 2).texture[SurfaceKind::PedestalCeiling] = StepTexture;
  map->Cell(2, 4).type = static_cast<uint8_t>(CellType::WaterBasin);
  map->Cell(2, 4).waterLevel = 16;
  map->Cell(2, 4).texture[SurfaceKind::Wall] = WallTexture;
  PreviewModel model;
  model.Rebuild(*map);
  Vec3 eye = CellCentre(3, 4);
  eye.y = 64;
  struct Ray {
    Vec3 direction;
    GridPoint cell;
    float distance;
    SurfaceKind surface;
  };
  using enum SurfaceKind;
  const Ray rays[] = {
      {{0, -1, 0}, {3, 4}, 64, Floor},                          // the floor below
      {{0, 1, 0}, {3, 4}, 64, Ceiling},                         // the ceiling above
      {{0, 0, 1}, {3, 7}, 128 * 2 + 64, Wall},                  // the wall face two cells ahead
      {{-1, -0.5f, 0}, {4, 4}, Length({-128, -64, 0}), Floor},  // the next column's floor (X falls as columns grow)
      {{-1, -0.25f, 0}, {5, 4}, Length({-192, -48, 0}), PedestalFloor},  // the raised floor's step, 16 up
      {{0, 0.25f, -1}, {3, 2}, Length({0, 48, -192}), PedestalCeiling},  // the lowered ceiling's step, 112 up
      {{1, -0.5f, 0}, {2, 4}, Length({96, -48, 0}), Wall},               // the water wears the wall texture
  };
  for (const Ray& ray : rays) {
    const CellPick pick = PickCell(model.Builder(), eye, ray.direction);
    ASSERT_TRUE(pick.hit);
    EXPECT_EQ(pick.cell, ray.cell);
    EXPECT_NEAR(pick.distance * Length(ray.direction), ray.distance, 1e-2);
    EXPECT_EQ(pick.surface, ray.surface) << pick.cell.x << ", " << pick.cell.y;
  }
  model.Rebuild(*EmptyMap());
  EXPECT_FALSE(PickCell(model.Builder(), eye, {0, -1, 0}).hit);
}

TEST(SelectionOutline, OnlyTheBlocksBorderAtEachBorderCellsFloor) {
  auto map = FlatOpenMap();
  map->Cell(2, 2).floorHeight = 40;
  std::vector<Vec3> lines;
  SelectionOutline(*map, {2, 2, 4, 3}, lines);
  EXPECT_EQ(lines.size(), size_t(2 * (3 + 3 + 2 + 2)));
  int raised = 0;
  for (const Vec3& end : lines) raised += end.y > 40;
  EXPECT_EQ(raised, 4);  // the corner cell's two edges, at its own floor
}

}  // namespace

}  // namespace tessmoor
