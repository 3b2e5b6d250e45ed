#include "tools/tmgen/SampleMap.h"

#include <memory>

#include "document/MapFile.h"
#include "edit/DocumentModel.h"
#include "edit/TextureHousekeeping.h"
#include "texts/CoreTexts.h"
#include "tools/tmgen/CourtyardMap.h"
#include "tools/tmgen/MapBuilder.h"
#include "tools/tmgen/SampleTextures.h"

namespace tessmoor {

namespace {

constexpr Area Hall{3, 3, 14, 12};
constexpr Area Corridor{15, 7, 24, 8};
constexpr Area Bath{25, 3, 33, 14};
constexpr Area Library{3, 14, 13, 26};
constexpr Area Garden{15, 16, 33, 26};
constexpr Area Walkway{15, 16, 33, 17};

// A throne dais in two steps, four marble columns and a raised coffer in the middle
// of the ceiling; a painted door on the west wall and a frieze behind the dais.
void BuildHall(MapDocument& d, const SampleTextures& t) {
  BuildFloor(d, Hall, {t.tiles, t.ceiling, NoTexture, t.stone, t.plaster}, 0, 128);
  SetFloorHeight(d, {7, 3, 10, 3}, 32);
  SetFloorHeight(d, {7, 4, 10, 4}, 16);
  SetFloorTexture(d, {7, 3, 10, 4}, t.marble);
  BuildFloor(d, {7, 6, 10, 9}, {t.tiles, t.ceiling, NoTexture, t.stone, t.plaster}, 0, 160);
  for (const auto& [x, y] : {std::pair{5, 5}, {12, 5}, {5, 10}, {12, 10}})
    PlaceFixture(d, x, y, CellType::Column, t.marble, 255);
  d.Cell(2, 7).texture[SurfaceKind::Wall] = t.door;
  for (int x = 6; x <= 11; ++x) d.Cell(x, 2).texture[SurfaceKind::Wall] = t.frieze;
}

// A low wooden corridor (its ceiling steps up into the hall and the bath) with a
// metal grate in the middle.
void BuildCorridor(MapDocument& d, const SampleTextures& t) {
  BuildFloor(d, Corridor, {t.wood, t.ceiling, NoTexture, t.stone, t.plaster}, 0, 96);
  SetFloorTexture(d, {19, 7, 20, 8}, t.metal);
  FaceWallsAround(d, {16, 7, 23, 8}, t.plaster);
}

// The ceiling rises from west to east; the sunken basin is lined with marble steps.
void BuildBath(MapDocument& d, const SampleTextures& t) {
  BuildFloor(d, Bath, {t.tiles, t.plaster, NoTexture, t.marble, t.plaster}, 0, 128);
  SlopeCeiling(d, Bath, [](int i, int) { return 128.0f + 16.0f * static_cast<float>(i - Bath.x1); });
  const Area basin{27, 6, 31, 10};
  SetFloorHeight(d, basin, -32);
  for (int x = basin.x1; x <= basin.x2; ++x) {
    for (int y = basin.y1; y <= basin.y2; ++y) {
      PlaceFixture(d, x, y, CellType::WaterBasin, t.water, 160);
      d.Cell(x, y).waterLevel = -8;
    }
  }
  FaceWallsAround(d, Bath, t.marble);
}

// Parquet, plastered walls and a reading gallery two steps up in the south-west corner.
void BuildLibrary(MapDocument& d, const SampleTextures& t) {
  BuildFloor(d, Library, {t.parquet, t.ceiling, NoTexture, t.wood, t.wood}, 0, 128);
  SetFloorHeight(d, {3, 22, 6, 22}, 16);
  SetFloorHeight(d, {3, 23, 6, 26}, 32);
  FaceWallsAround(d, Library, t.plaster);
  BuildFloor(d, {8, 13, 8, 13}, {t.parquet, t.ceiling, NoTexture, t.wood, t.wood}, 0, 104);
}

// Open to the sky, with a roofed walkway and its columns along the north side, a
// cobbled path, a glowing fire pit and a raised stone terrace.
void BuildGarden(MapDocument& d, const SampleTextures& t) {
  BuildFloor(d, Garden, {t.grass, t.sky, NoTexture, t.stone, t.wood}, 0, 256);
  BuildFloor(d, Walkway, {t.cobble, t.roof, NoTexture, t.stone, t.wood}, 0, 160);
  for (const int x : {17, 21, 30}) PlaceFixture(d, x, 17, CellType::Column, t.stone, 255);
  SetFloorTexture(d, {15, 21, 33, 22}, t.cobble);
  SetFloorTexture(d, {26, 18, 26, 20}, t.cobble);
  SetFloorTexture(d, {19, 23, 21, 25}, t.sand);
  d.Cell(20, 24).floorHeight = -16;
  PlaceFixture(d, 20, 24, CellType::WaterBasin, t.lava, 255);
  d.Cell(20, 24).waterLevel = -4;
  BuildFloor(d, {30, 24, 33, 26}, {t.stone, t.sky, NoTexture, t.stone, t.wood}, 24, 256);
  FaceWallsAround(d, Garden, t.moss);
}

// A doorway and windows in the wall lines between the rooms: the windows stand on
// a sill and under a lintel, which the step faces of their cells close up.
void BuildOpenings(MapDocument& d, const SampleTextures& t) {
  const Surfaces frame{t.stone, t.plaster, NoTexture, t.stone, t.plaster};
  BuildFloor(d, {26, 15, 26, 15}, frame, 0, 112);
  for (const int x : {29, 31}) {
    BuildFloor(d, {x, 15, x, 15}, frame, 24, 112);
    PlaceFixture(d, x, 15, CellType::WindowHorizontal, t.window, 180);
  }
  for (const int y : {19, 23}) {
    BuildFloor(d, {14, y, 14, y}, frame, 24, 112);
    PlaceFixture(d, 14, y, CellType::WindowVertical, t.window, 180);
  }
}

}  // namespace

void BuildSampleMap(MapDocument& document) {
  const SampleTextures textures = AddSampleTextures(document);
  BuildWalls(document, {2, 2, 34, 27}, textures.brick);
  // The garden comes first, so the walls it shares with the house keep the
  // bath's and the library's textures.
  BuildGarden(document, textures);
  BuildHall(document, textures);
  BuildCorridor(document, textures);
  BuildBath(document, textures);
  BuildLibrary(document, textures);
  BuildOpenings(document, textures);
  document.startPosition = {8, 11};
}

namespace {

// Every map shares the sample's texture set while it is built; a shipped map
// keeps only the textures it uses, so its check has nothing to say.
bool WriteMap(const std::string& path, void (*build)(MapDocument&), std::string& error) {
  DocumentModel model;
  model.Replace([&](MapDocument& document) {
    EditorState editor;
    ResetDocument(document, editor, true);
    build(document);
  });
  DeleteUnusedTextures(model, nullptr);
  const MapFileResult saved = model.Save(path);
  if (!saved.ok) error = CoreText(saved.message);
  return saved.ok;
}

}  // namespace

bool WriteSampleMaps(const std::string& directory, std::string& error) {
  return WriteMap(directory + SampleMapName, BuildSampleMap, error) &&
         WriteMap(directory + CourtyardMapName, BuildCourtyardMap, error);
}

}  // namespace tessmoor
