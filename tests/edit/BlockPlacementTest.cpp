// Placing a stamp into another map: its textures are found by name and frames
// or join the table, references follow, heights may follow the target's floor,
// and all of it is one step that undo takes back byte for byte. A table that
// cannot take the new textures refuses the placement and changes nothing.

#include <gtest/gtest.h>

#include "document/MapFile.h"
#include "document/PascalString.h"
#include "edit/BlockPlacement.h"
#include "edit/CellCommands.h"
#include "support/CoreMessageText.h"

namespace tessmoor {
namespace {

void SetTexture(MapDocument& map, int t, const std::string& name, std::vector<std::string> frames) {
  TextureEntry& entry = map.textures[size_t(t)];
  entry.index = t;
  WritePascalString(entry.name, TextureNameCapacity, name);
  entry.frameCount = int32_t(frames.size());
  for (size_t k = 0; k < frames.size(); ++k) WritePascalString(entry.frames[k].fileName, FrameNameCapacity, frames[k]);
  map.textureCount = std::max(map.textureCount, t + 1);
}

// Stamp textures: 0 Stein (reused by the target), 1 Moos (new), 2 Holz with
// other frames than the target's Holz (new).
Stamp TwoByTwo() {
  Stamp stamp{"Probe", {2, 2, std::vector<MapCell>(4)}, {}};
  stamp.textures = {{"Stein", AnimationType::Repeat, {"STONE.PCX"}},
                    {"Moos", AnimationType::PingPong, {"MOSS.PCX", "NOPE.PCX"}},
                    {"Holz", AnimationType::Repeat, {"A.PCX"}}};
  for (size_t k = 0; k < 4; ++k) {
    MapCell& cell = stamp.block.cells[k];
    SetCellDefaults(cell);
    cell.floorHeight = float(8 * k);
    cell.waterLevel = float(k);
    cell.texture[SurfaceKind::Floor] = 0;
    cell.texture[SurfaceKind::Wall] = uint16_t(k % 2 ? 1 : NoTexture);
    cell.texture[SurfaceKind::Ceiling] = uint16_t(k == 3 ? 2 : NoTexture);
  }
  return stamp;
}

void Target(DocumentModel& model) {
  model.Replace([](MapDocument& map) {
    SetTexture(map, 0, "Holz", {"B.PCX"});
    SetTexture(map, 1, "Stein", {"STONE.PCX"});
  });
  MapCell floor;
  SetCellDefaults(floor);
  floor.floorHeight = 40;
  SetCell(model, {10, 10}, floor, PaintStepName);
}

TEST(BlockPlacement, TexturesAreReusedOrAddedAndTheWholePlacementIsOneStep) {
  DocumentModel model;
  Target(model);
  const std::vector<uint8_t> before = MapFileBytes(model.Map());
  const size_t steps = model.History().StepCount();

  const PlacementResult result = PlaceStamp(model, TwoByTwo(), {{10, 10}, {}, false}, TM_BIN_DIR "/");
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(result.addedTextures, 2);
  EXPECT_EQ(model.History().StepCount(), steps + 1);
  EXPECT_EQ(model.History().UndoName(), PlaceStampStepName);
  const MapDocument& map = model.Map();
  ASSERT_EQ(map.textureCount, 4);
  EXPECT_EQ(ReadPascalString(map.textures[2].name, TextureNameCapacity), "Moos");
  EXPECT_EQ(map.textures[2].index, 2);
  EXPECT_EQ(map.textures[2].animationType, AnimationType::PingPong);
  EXPECT_GT(map.textures[2].frames[0].thumbnail.width, 0);  // MOSS.PCX from GFX/
  EXPECT_EQ(map.textures[2].frames[1].thumbnail.width, 0);  // no such picture
  EXPECT_EQ(ReadPascalString(map.textures[3].name, TextureNameCapacity), "Holz");
  EXPECT_EQ(map.Cell(10, 10).texture[SurfaceKind::Floor], 1);  // the target's own Stein
  EXPECT_EQ(map.Cell(10, 11).texture[SurfaceKind::Wall], 2);
  EXPECT_EQ(map.Cell(11, 11).texture[SurfaceKind::Ceiling], 3);
  EXPECT_EQ(map.Cell(11, 10).texture[SurfaceKind::Wall], NoTexture);
  EXPECT_EQ(map.Cell(11, 11).floorHeight, 24.0f);
  const std::vector<uint8_t> placed = MapFileBytes(map);

  ASSERT_TRUE(model.Undo());
  EXPECT_EQ(MapFileBytes(model.Map()), before);
  ASSERT_TRUE(model.Redo());
  EXPECT_EQ(MapFileBytes(model.Map()), placed);
}

TEST(BlockPlacement, AFullTableRefusesAndChangesNothing) {
  DocumentModel model;
  Target(model);
  model.Replace([](MapDocument& map) {
    for (int t = 2; t < MaxTextures - 1; ++t) SetTexture(map, t, "T" + std::to_string(t), {});
  });
  const std::vector<uint8_t> before = MapFileBytes(model.Map());
  const PlacementResult result = PlaceStamp(model, TwoByTwo(), {{10, 10}, {}, false}, "/nonexistent/");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, "Die Anzahl der Texturen ist auf 256 begrenzt.");
  EXPECT_EQ(MapFileBytes(model.Map()), before);
  EXPECT_EQ(model.History().StepCount(), 0u);

  // Clipped at the grid's edge only the top-left cell lands, which needs no new texture.
  const PlacementResult clipped = PlaceStamp(model, TwoByTwo(), {{63, 63}, {}, false}, "/nonexistent/");
  ASSERT_TRUE(clipped.ok);
  EXPECT_EQ(clipped.addedTextures, 0);
  EXPECT_EQ(clipped.range.x1, 63);
  EXPECT_EQ(clipped.range.x2, 63);
  EXPECT_EQ(model.Map().Cell(63, 63).texture[SurfaceKind::Floor], 1);
}

TEST(BlockPlacement, MatchedHeightsPutTheTurnedBlocksFirstFloorOnTheTarget) {
  DocumentModel model;
  Target(model);
  // Turned once, the stamp's (0, 1) lands top-left: floor 8 onto the target's 40.
  const Placement placement{{10, 10}, Orientation{}.TurnedClockwise(), true};
  ASSERT_TRUE(PlaceStamp(model, TwoByTwo(), placement, "/nonexistent/").ok);
  const MapDocument& map = model.Map();
  EXPECT_EQ(map.Cell(10, 10).floorHeight, 40.0f);
  EXPECT_EQ(map.Cell(10, 10).waterLevel, 33.0f);
  EXPECT_EQ(map.Cell(10, 10).ceilingHeight[2], 160.0f);
  EXPECT_EQ(map.Cell(11, 10).floorHeight, 32.0f);  // the stamp's (0, 0)
  EXPECT_EQ(map.Cell(10, 11).floorHeight, 56.0f);  // the stamp's (1, 1)
}

}  // namespace
}  // namespace tessmoor
