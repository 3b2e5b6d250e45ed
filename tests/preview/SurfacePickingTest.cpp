#include <gtest/gtest.h>

#include "compiler/CompilerTestMaps.h"
#include "preview/CellPicking.h"
#include "preview/EyePosition.h"
#include "preview/PreviewModel.h"

namespace tessmoor {

namespace {

using namespace compiler_test;

// Around the eye in cell (3, 4), 64 above its floor: a wall cell ahead, a
// raised floor beyond the next column, a lowered ceiling behind, water beside.
std::unique_ptr<MapDocument> RoomWithEverySurface() {
  auto map = FlatOpenMap();
  MapCell& wall = map->Cell(3, 7);
  wall.type = static_cast<uint8_t>(CellType::Wall);
  wall.texture[SurfaceKind::Wall] = WallTexture;
  MapCell& raised = map->Cell(5, 4);
  raised.floorHeight = 32;
  raised.texture[SurfaceKind::PedestalFloor] = StepTexture;
  MapCell& lowered = map->Cell(3, 2);
  for (float& corner : lowered.ceilingHeight) corner = 96;
  lowered.texture[SurfaceKind::PedestalCeiling] = StepTexture;
  MapCell& water = map->Cell(2, 4);
  water.type = static_cast<uint8_t>(CellType::WaterBasin);
  water.waterLevel = 16;
  water.texture[SurfaceKind::Wall] = WallTexture;
  return map;
}

TEST(SurfacePicking, APickNamesTheCellAndTheSurfaceWhoseTextureTheFaceWears) {
  PreviewModel model;
  model.Rebuild(*RoomWithEverySurface());
  Vec3 eye = CellCentre(3, 4);
  eye.y = 64;
  struct Ray {
    Vec3 direction;
    GridPoint cell;
    SurfaceKind surface;
  };
  // X falls as columns grow, Z grows with rows.
  const Ray rays[] = {
      {{0, -1, 0}, {3, 4}, SurfaceKind::Floor},
      {{0, 1, 0}, {3, 4}, SurfaceKind::Ceiling},
      {{0, 0, 1}, {3, 7}, SurfaceKind::Wall},                  // the wall cell's side
      {{-1, -0.25f, 0}, {5, 4}, SurfaceKind::PedestalFloor},   // the raised floor's step, 16 up
      {{0, 0.25f, -1}, {3, 2}, SurfaceKind::PedestalCeiling},  // the lowered ceiling's step, 112 up
      {{1, -0.5f, 0}, {2, 4}, SurfaceKind::Wall},              // the water wears the wall texture
      {{-1, -0.75f, 0}, {4, 4}, SurfaceKind::Floor},           // the next column's floor, short of the step
      {{0, 1, -0.5f}, {3, 4}, SurfaceKind::Ceiling},           // the own ceiling, short of the step
  };
  for (const Ray& ray : rays) {
    const CellPick pick = PickCell(model.Builder(), eye, ray.direction);
    ASSERT_TRUE(pick.hit);
    EXPECT_EQ(pick.cell, ray.cell) << ray.direction.x << ", " << ray.direction.y << ", " << ray.direction.z;
    EXPECT_EQ(pick.surface, ray.surface) << ray.direction.x << ", " << ray.direction.y << ", " << ray.direction.z;
  }
}

}  // namespace

}  // namespace tessmoor
