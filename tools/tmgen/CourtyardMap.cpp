#include "tools/tmgen/CourtyardMap.h"

#include <algorithm>

#include "tools/tmgen/MapBuilder.h"
#include "tools/tmgen/SampleTextures.h"

namespace tessmoor {

namespace {

constexpr Area Outline{10, 10, 29, 29};
constexpr Area Cloister{11, 11, 28, 28};
constexpr Area Courtyard{14, 14, 25, 25};
constexpr int WalkWidth = 3;

// Grid corners on the outer wall are high, those on the colonnade low.
float RoofHeight(int i, int j) {
  const int fromWall = std::min({i - Cloister.x1, Cloister.x2 + 1 - i, j - Cloister.y1, Cloister.y2 + 1 - j});
  return 200.0f - 24.0f * static_cast<float>(std::clamp(fromWall, 0, WalkWidth));
}

void BuildWalk(MapDocument& d, const SampleTextures& t) {
  BuildFloor(d, Cloister, {t.cobble, t.roof, NoTexture, t.stone, t.wood}, 0, 128);
  SlopeCeiling(d, Cloister, RoofHeight);
  const int inner = Courtyard.x1 - 1;  // the colonnade row and column on every side
  for (const int k : {Courtyard.x1, Courtyard.x1 + 3, Courtyard.x2 - 3, Courtyard.x2}) {
    for (const auto& [x, y] : {std::pair{k, inner}, {k, Courtyard.y2 + 1}, {inner, k}, {Courtyard.x2 + 1, k}})
      PlaceFixture(d, x, y, CellType::Column, t.marble, 255);
  }
  d.Cell(19, Outline.y2).texture[SurfaceKind::Wall] = t.door;
  d.Cell(20, Outline.y2).texture[SurfaceKind::Wall] = t.door;
}

// Grass under the open sky, a raised stone rim around a sunken fountain basin.
void BuildCourtyard(MapDocument& d, const SampleTextures& t) {
  BuildFloor(d, Courtyard, {t.grass, t.sky, NoTexture, t.stone, t.wood}, 0, 256);
  const Area rim{17, 17, 22, 22};
  const Area basin{18, 18, 21, 21};
  BuildFloor(d, rim, {t.stone, t.sky, NoTexture, t.stone, t.wood}, 16, 256);
  SetFloorHeight(d, basin, -24);
  for (int x = basin.x1; x <= basin.x2; ++x) {
    for (int y = basin.y1; y <= basin.y2; ++y) {
      PlaceFixture(d, x, y, CellType::WaterBasin, t.water, 150);
      d.Cell(x, y).waterLevel = -6;
      d.Cell(x, y).texture[SurfaceKind::Floor] = t.tiles;
    }
  }
}

}  // namespace

void BuildCourtyardMap(MapDocument& document) {
  const SampleTextures textures = AddSampleTextures(document);
  BuildWalls(document, Outline, textures.stone);
  BuildWalk(document, textures);
  BuildCourtyard(document, textures);
  document.startPosition = {19, 27};
}

}  // namespace tessmoor
