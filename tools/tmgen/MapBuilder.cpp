#include "tools/tmgen/MapBuilder.h"

#include "document/PascalString.h"

namespace tessmoor {

namespace {

bool InsideGrid(int x, int y) { return x >= 0 && y >= 0 && x < GridSize && y < GridSize; }

void ForEachCell(MapDocument& document, Area area, const std::function<void(MapCell&)>& change) {
  for (int x = area.x1; x <= area.x2; ++x)
    for (int y = area.y1; y <= area.y2; ++y)
      if (InsideGrid(x, y)) change(document.Cell(x, y));
}

}  // namespace

uint16_t AddTexture(MapDocument& document, const std::string& name, AnimationType animation,
                    std::initializer_list<const char*> frameNames) {
  const int t = document.textureCount++;
  TextureEntry& entry = document.textures[static_cast<size_t>(t)];
  entry.index = t;
  WritePascalString(entry.name, TextureNameCapacity, name);
  entry.animationType = animation;
  entry.frameCount = 0;
  for (const char* frameName : frameNames)
    WritePascalString(entry.frames[static_cast<size_t>(entry.frameCount++)].fileName, FrameNameCapacity, frameName);
  return static_cast<uint16_t>(t);
}

void BuildWalls(MapDocument& document, Area area, uint16_t wallTexture) {
  ForEachCell(document, area, [&](MapCell& cell) {
    SetCellDefaults(cell);
    cell.type = static_cast<uint8_t>(CellType::Wall);
    cell.texture[SurfaceKind::Wall] = wallTexture;
  });
}

void BuildFloor(MapDocument& document, Area area, const Surfaces& surfaces, float floorHeight, float ceilingHeight) {
  ForEachCell(document, area, [&](MapCell& cell) {
    SetCellDefaults(cell);
    cell.floorHeight = floorHeight;
    for (float& corner : cell.ceilingHeight) corner = ceilingHeight;
    cell.texture[SurfaceKind::Floor] = surfaces.floor;
    cell.texture[SurfaceKind::Ceiling] = surfaces.ceiling;
    cell.texture[SurfaceKind::Wall] = surfaces.wall;
    cell.texture[SurfaceKind::PedestalFloor] = surfaces.pedestalFloor;
    cell.texture[SurfaceKind::PedestalCeiling] = surfaces.pedestalCeiling;
  });
}

void SetFloorHeight(MapDocument& document, Area area, float floorHeight) {
  ForEachCell(document, area, [&](MapCell& cell) { cell.floorHeight = floorHeight; });
}

void SetFloorTexture(MapDocument& document, Area area, uint16_t texture) {
  ForEachCell(document, area, [&](MapCell& cell) { cell.texture[SurfaceKind::Floor] = texture; });
}

void SlopeCeiling(MapDocument& document, Area area, const std::function<float(int i, int j)>& cornerHeight) {
  for (int x = area.x1; x <= area.x2; ++x) {
    for (int y = area.y1; y <= area.y2; ++y) {
      MapCell& cell = document.Cell(x, y);
      cell.ceilingHeight[0] = cornerHeight(x, y);
      cell.ceilingHeight[1] = cornerHeight(x + 1, y);
      cell.ceilingHeight[2] = cornerHeight(x + 1, y + 1);
      cell.ceilingHeight[3] = cornerHeight(x, y + 1);
    }
  }
}

void PlaceFixture(MapDocument& document, int x, int y, CellType type, uint16_t wallTexture, uint8_t opacity) {
  MapCell& cell = document.Cell(x, y);
  cell.type = static_cast<uint8_t>(type);
  cell.texture[SurfaceKind::Wall] = wallTexture;
  cell.opacity = opacity;
}

void FaceWallsAround(MapDocument& document, Area area, uint16_t wallTexture) {
  ForEachCell(document, {area.x1 - 1, area.y1 - 1, area.x2 + 1, area.y2 + 1}, [&](MapCell& cell) {
    if (cell.type == static_cast<uint8_t>(CellType::Wall)) cell.texture[SurfaceKind::Wall] = wallTexture;
  });
}

}  // namespace tessmoor
