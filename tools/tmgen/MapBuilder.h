#pragma once
// Small drawing operations on a map document, so a sample map reads as a list of
// rooms, walls and fixtures instead of cell-by-cell assignments.

#include <functional>
#include <initializer_list>
#include <string>

#include "document/MapDocument.h"

namespace tessmoor {

// A block of cells, corners included.
struct Area {
  int x1, y1, x2, y2;
};

// Texture references for the five surfaces of a cell.
struct Surfaces {
  uint16_t floor = NoTexture;
  uint16_t ceiling = NoTexture;
  uint16_t wall = NoTexture;
  uint16_t pedestalFloor = NoTexture;
  uint16_t pedestalCeiling = NoTexture;
};

// Appends a texture entry (name in Windows-1252 bytes) and returns its index.
uint16_t AddTexture(MapDocument& document, const std::string& name, AnimationType animation,
                    std::initializer_list<const char*> frameNames);

// Makes every cell of the area a wall carrying `wallTexture` on its sides.
void BuildWalls(MapDocument& document, Area area, uint16_t wallTexture);

// Makes every cell of the area open (kind Nothing) with the given surfaces, the
// floor at `floorHeight` and a flat ceiling at `ceilingHeight`.
void BuildFloor(MapDocument& document, Area area, const Surfaces& surfaces, float floorHeight, float ceilingHeight);

// Raises or lowers the floor of the area, keeping everything else.
void SetFloorHeight(MapDocument& document, Area area, float floorHeight);
void SetFloorTexture(MapDocument& document, Area area, uint16_t texture);

// Gives each ceiling corner the height of its grid corner (i, j), so neighbours
// share their corner heights and the ceiling slopes without steps.
void SlopeCeiling(MapDocument& document, Area area, const std::function<float(int i, int j)>& cornerHeight);

// Turns an open cell into a fixture (column, basin, window) showing `wallTexture`.
void PlaceFixture(MapDocument& document, int x, int y, CellType type, uint16_t wallTexture, uint8_t opacity);

// Re-textures the wall cells that touch the area (sides and corners) with `wallTexture`.
void FaceWallsAround(MapDocument& document, Area area, uint16_t wallTexture);

}  // namespace tessmoor
