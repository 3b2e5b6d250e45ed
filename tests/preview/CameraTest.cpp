#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "compiler/CompilerTestMaps.h"
#include "preview/AnimationClock.h"
#include "preview/EyePosition.h"
#include "preview/PreviewCamera.h"

namespace tessmoor {

namespace {

using compiler_test::FlatOpenMap;

struct EyeCase {
  float floor;
  std::array<float, 4> ceiling;
  float expectedEyeY;
};

TEST(EyePosition, StartsAtTheCellCentreAtStandingHeightOrHalfwayToTheLowestCeiling) {
  const EyeCase cases[] = {
      {0, {128, 128, 128, 128}, 64},    // the usual room: 64 above the floor
      {0, {100, 100, 100, 100}, 50},    // low ceiling: halfway up
      {10, {200, 90, 200, 200}, 50},    // sloped: the lowest corner counts
      {-40, {400, 400, 400, 400}, 24},  // high ceiling, sunken floor
  };
  for (const EyeCase& c : cases) {
    auto map = FlatOpenMap();
    map->startPosition = {5, 9};
    MapCell& cell = map->Cell(5, 9);
    cell.floorHeight = c.floor;
    std::copy(c.ceiling.begin(), c.ceiling.end(), cell.ceilingHeight);
    const Vec3 eye = StartEyePosition(*map);
    EXPECT_FLOAT_EQ(eye.x, 8192 - 128 * 5 - 64);
    EXPECT_FLOAT_EQ(eye.z, 128 * 9 + 64);
    EXPECT_FLOAT_EQ(eye.y, c.expectedEyeY);
    EXPECT_EQ(CellAt(eye), (GridPoint{5, 9}));
  }
}

TEST(EyePosition, StartPositionOutsideTheGridIsMovedToTheNearestCell) {
  auto map = FlatOpenMap();
  map->startPosition = {-7, 900};
  EXPECT_EQ(CellAt(StartEyePosition(*map)), (GridPoint{0, 63}));
}

// "Ab hier": the start pose as if the start were in that cell, whatever the camera did before.
TEST(PreviewCamera, StandingInACellIsTheStartPoseMovedThere) {
  auto map = FlatOpenMap();
  map->Cell(30, 7).floorHeight = -40;
  PreviewCamera camera;
  camera.Reset(*map);
  camera.Turn(1.0f);
  camera.Pitch(0.5f);
  camera.SetFreeFlight(*map, true);
  camera.StandAt(*map, {30, 7});
  map->startPosition = {30, 7};
  PreviewCamera fromStart;
  fromStart.Reset(*map);
  EXPECT_EQ(camera.Cell(), (GridPoint{30, 7}));
  EXPECT_FALSE(camera.FreeFlight());
  EXPECT_FLOAT_EQ(camera.Eye().y, fromStart.Eye().y);
  EXPECT_FLOAT_EQ(camera.Yaw(), fromStart.Yaw());
  EXPECT_FLOAT_EQ(camera.PitchAngle(), fromStart.PitchAngle());
}

TEST(PreviewCamera, StartPoseLooksLevelTowardsGrowingRowsWithRightTowardsLowerColumns) {
  auto map = FlatOpenMap();
  map->startPosition = {10, 10};
  PreviewCamera camera;
  camera.Reset(*map);
  EXPECT_FALSE(camera.FreeFlight());
  EXPECT_NEAR(camera.Forward().z, 1, 1e-6);
  EXPECT_NEAR(camera.Forward().y, 0, 1e-6);
  camera.Turn(float(M_PI) / 2);
  camera.Walk(*map, 128);
  EXPECT_EQ(camera.Cell(), (GridPoint{9, 10}));
}

TEST(PreviewCamera, WalkingStepsOntoAHigherFloorAndStopsAtAWall) {
  auto map = FlatOpenMap();
  map->startPosition = {5, 5};
  map->Cell(5, 6).floorHeight = 32;
  for (int x = 0; x < GridSize; ++x) map->Cell(x, 8).type = static_cast<uint8_t>(CellType::Wall);
  PreviewCamera camera;
  camera.Reset(*map);
  camera.Walk(*map, 128);
  EXPECT_EQ(camera.Cell(), (GridPoint{5, 6}));
  EXPECT_FLOAT_EQ(camera.Eye().y, 32 + 48);  // halfway up to the ceiling at 128
  camera.Walk(*map, 1000);
  EXPECT_EQ(camera.Cell(), (GridPoint{5, 7}));
  EXPECT_FLOAT_EQ(camera.Eye().y, 64);
  // Diagonally against the wall: slides along it, still never in it.
  camera.Turn(0.5f);
  camera.Walk(*map, 300);
  EXPECT_EQ(camera.Cell().y, 7);
  EXPECT_LT(camera.Cell().x, 5);
}

TEST(PreviewCamera, WalkModeNeverLeavesTheGridButFreeFlightDoesAndCannotLandThere) {
  auto map = FlatOpenMap();
  map->startPosition = {0, 0};
  PreviewCamera camera;
  camera.Reset(*map);
  for (float yaw : {0.0f, 1.0f, 2.0f, 3.0f, 4.0f, 5.0f}) {
    camera.Turn(yaw);
    camera.Walk(*map, 20000);
    camera.Strafe(*map, -20000);
    const GridPoint cell = camera.Cell();
    EXPECT_TRUE(cell.x >= 0 && cell.x < GridSize && cell.y >= 0 && cell.y < GridSize);
  }
  camera.Reset(*map);
  camera.Turn(float(M_PI));
  ASSERT_TRUE(camera.SetFreeFlight(*map, true));
  camera.Walk(*map, 500);
  EXPECT_LT(camera.Eye().z, 0);
  EXPECT_FALSE(camera.SetFreeFlight(*map, false));
  camera.Walk(*map, -500);
  EXPECT_TRUE(camera.SetFreeFlight(*map, false));
}

TEST(PreviewCamera, ProjectionAndPickingRaysAgree) {
  auto map = FlatOpenMap();
  PreviewCamera camera;
  camera.Reset(*map);
  std::mt19937 random(12);
  std::uniform_real_distribution<float> any(-0.95f, 0.95f);
  for (int i = 0; i < 200; ++i) {
    camera.Turn(any(random));
    camera.Pitch(any(random) * 0.3f);
    const float aspect = 0.5f + (any(random) + 1);
    const float ndcX = any(random), ndcY = any(random);
    const Vec3 point = camera.Eye() + camera.RayThrough(ndcX, ndcY, aspect) * 300;
    const Mat4 m = camera.ViewProjection(aspect);
    const float clipX = m[0] * point.x + m[4] * point.y + m[8] * point.z + m[12];
    const float clipY = m[1] * point.x + m[5] * point.y + m[9] * point.z + m[13];
    const float clipW = m[3] * point.x + m[7] * point.y + m[11] * point.z + m[15];
    ASSERT_NEAR(clipX / clipW, ndcX, 1e-3);
    ASSERT_NEAR(clipY / clipW, ndcY, 1e-3);
  }
}

TEST(AnimationClock, RepeatAndPingPongFrameSequences) {
  struct Row {
    int frames;
    AnimationType type;
    std::vector<int> expected;
  };
  const Row rows[] = {
      {3, AnimationType::Repeat, {0, 1, 2, 0, 1, 2, 0}},
      {3, AnimationType::PingPong, {0, 1, 2, 1, 0, 1, 2}},
      {2, AnimationType::PingPong, {0, 1, 0, 1, 0}},
      {4, AnimationType::PingPong, {0, 1, 2, 3, 2, 1, 0, 1}},
      {1, AnimationType::PingPong, {0, 0, 0}},
      {0, AnimationType::Repeat, {0, 0}},
      {3, AnimationType{77}, {0, 1, 2, 0}},  // an unknown type from a damaged file repeats
  };
  for (const Row& row : rows) {
    for (size_t tick = 0; tick < row.expected.size(); ++tick) {
      EXPECT_EQ(FrameAtTick(row.frames, row.type, int64_t(tick)), row.expected[tick])
          << row.frames << " frames, type " << static_cast<int>(row.type) << ", tick " << tick;
    }
  }
  EXPECT_EQ(TickAt(1.0, 8), 8);
  EXPECT_EQ(TickAt(0.99, 4), 3);
  EXPECT_EQ(TickAt(2.0, 0), 16);  // no rate chosen: the default
  EXPECT_TRUE(IsAnimationRate(12));
  EXPECT_FALSE(IsAnimationRate(9));
}

}  // namespace

namespace {

TEST(PreviewCamera, AfterAnEditTheWalkerFollowsItsFloorOrGoesBackToTheStart) {
  auto map = FlatOpenMap();
  map->startPosition = {5, 5};
  PreviewCamera camera;
  camera.Reset(*map);
  camera.Walk(*map, 128);
  map->Cell(5, 6).floorHeight = 20;
  camera.Settle(*map);
  EXPECT_EQ(camera.Cell(), (GridPoint{5, 6}));
  EXPECT_FLOAT_EQ(camera.Eye().y, 20 + 54);
  map->Cell(5, 6).type = static_cast<uint8_t>(CellType::Wall);
  camera.Settle(*map);
  EXPECT_EQ(camera.Cell(), (GridPoint{5, 5}));
}

TEST(AnimationClock, OnlyTexturesWithSeveralFramesAnimate) {
  auto map = FlatOpenMap();
  map->textures[2].frameCount = 3;
  EXPECT_TRUE(HasAnimatedTextures(*map));
  map->textureCount = 2;  // the entry beyond the table's end does not count
  EXPECT_FALSE(HasAnimatedTextures(*map));
}

}  // namespace

}  // namespace tessmoor
