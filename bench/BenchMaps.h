#pragma once
// The maps the benchmarks run on, built in code:
//
//   Sample: rooms behind walls with doors, raised platforms, lowered ceilings,
//           columns, water basins and windows - what a level designer builds.
//   Dense:  every cell open, with floor and ceiling steps at many different
//           heights and offsets: close to the 12000-polygon capacity, with the
//           texture-coordinate table filled close to its 1000 entries.

#include <memory>
#include <random>

#include "document/MapDocument.h"

namespace tessmoor {

namespace bench_maps {

inline constexpr uint16_t FloorTexture = 0, CeilingTexture = 1, WallTexture = 2, StepTexture = 3, WaterTexture = 4;

inline std::unique_ptr<MapDocument> NewMap() {
  auto map = std::make_unique<MapDocument>();
  EditorState editor;
  ResetDocument(*map, editor, true);
  map->textureCount = 5;
  return map;
}

inline void Open(MapCell& cell) {
  cell.type = static_cast<uint8_t>(CellType::Nothing);
  cell.texture[SurfaceKind::Floor] = FloorTexture;
  cell.texture[SurfaceKind::Ceiling] = CeilingTexture;
  cell.texture[SurfaceKind::PedestalFloor] = StepTexture;
  cell.texture[SurfaceKind::PedestalCeiling] = StepTexture;
}

inline void MakeKind(MapCell& cell, CellType type) {
  cell.type = static_cast<uint8_t>(type);
  cell.texture[SurfaceKind::Wall] = type == CellType::WaterBasin ? WaterTexture : WallTexture;
}

// Rooms of 7 x 7 open cells inside walls, with a door in each wall.
inline std::unique_ptr<MapDocument> SampleMap() {
  auto map = NewMap();
  std::mt19937 random(7);
  for (int x = 0; x < GridSize; ++x) {
    for (int y = 0; y < GridSize; ++y) {
      MapCell& cell = map->Cell(x, y);
      const bool wallLine = x % 8 == 0 || y % 8 == 0;
      const bool door = (x % 8 == 4 && y % 8 == 0 && y > 0) || (y % 8 == 4 && x % 8 == 0 && x > 0);
      if (wallLine && !door) {
        MakeKind(cell, CellType::Wall);
        cell.textureOffset[SurfaceKind::Wall] = int16_t(random() % 4 * 32);
        continue;
      }
      Open(cell);
      if (door)
        for (float& corner : cell.ceilingHeight) corner = 96.0f;
    }
  }
  for (int roomX = 0; roomX < 8; ++roomX) {
    for (int roomY = 0; roomY < 8; ++roomY) {
      const int x0 = roomX * 8 + 1, y0 = roomY * 8 + 1;
      switch ((roomX + 3 * roomY) % 4) {
        case 0:  // a raised platform in the middle
          for (int x = x0 + 2; x < x0 + 5; ++x)
            for (int y = y0 + 2; y < y0 + 5; ++y) map->Cell(x, y).floorHeight = 16.0f * float(1 + roomX % 3);
          break;
        case 1:  // four columns
          for (int c = 0; c < 4; ++c) MakeKind(map->Cell(x0 + 1 + c % 2 * 4, y0 + 1 + c / 2 * 4), CellType::Column);
          break;
        case 2:  // a basin and a lowered, sloping ceiling
          for (int x = x0 + 1; x < x0 + 6; ++x) {
            for (int y = y0 + 1; y < y0 + 6; ++y) {
              MapCell& cell = map->Cell(x, y);
              MakeKind(cell, CellType::WaterBasin);
              cell.floorHeight = -32.0f;
              cell.waterLevel = -8.0f;
              cell.opacity = 100;
            }
          }
          for (int x = x0; x < x0 + 7; ++x) map->Cell(x, y0).ceilingHeight[0] = 80.0f + float(x - x0) * 8;
          break;
        default:  // windows across the room
          for (int x = x0 + 1; x < x0 + 6; ++x) MakeKind(map->Cell(x, y0 + 3), CellType::WindowHorizontal);
          MakeKind(map->Cell(x0 + 3, y0 + 1), CellType::WindowVertical);
          break;
      }
    }
  }
  return map;
}

// Every cell open; floors and ceilings at random heights with random step
// offsets, and steps only in some cells, so the polygons stay just below the
// capacity while the texture coordinates take most of their table.
inline std::unique_ptr<MapDocument> DenseMap() {
  auto map = NewMap();
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> floorHeight(0, 31), ceilingRaise(0, 31), offset(0, 330);
  for (MapCell& cell : map->cells) {
    Open(cell);
    cell.texture[SurfaceKind::PedestalFloor] = random() % 100 < 28 ? StepTexture : NoTexture;
    cell.texture[SurfaceKind::PedestalCeiling] = random() % 100 < 16 ? StepTexture : NoTexture;
    cell.floorHeight = float(floorHeight(random));
    const float ceiling = 128.0f + float(ceilingRaise(random));
    for (float& corner : cell.ceilingHeight) corner = ceiling;
    cell.textureOffset[SurfaceKind::PedestalFloor] = int16_t(offset(random));
    cell.textureOffset[SurfaceKind::PedestalCeiling] = int16_t(offset(random));
  }
  return map;
}

}  // namespace bench_maps

}  // namespace tessmoor
