#include "preview/EyePosition.h"

#include <algorithm>
#include <cmath>

namespace tessmoor {

// The compiler puts grid corner (i, j) at X = 8192 - 128 i, Z = 128 j.
constexpr float GridOriginX = 8192.0f;
constexpr float CellSize = 128.0f;
constexpr float EyeAboveFloor = 64.0f;

Vec3 CellCentre(int x, int y) { return {GridOriginX - CellSize * float(x) - 64.0f, 0.0f, CellSize * float(y) + 64.0f}; }

GridPoint CellAt(Vec3 point) {
  return {static_cast<int32_t>(std::floor((GridOriginX - point.x) / CellSize)),
          static_cast<int32_t>(std::floor(point.z / CellSize))};
}

float StandingEyeHeight(const MapCell& cell) {
  const float* c = cell.ceilingHeight;
  const float lowest = std::min(std::min(c[0], c[1]), std::min(c[2], c[3]));
  return std::min(EyeAboveFloor, (lowest - cell.floorHeight) / 2.0f);
}

Vec3 StartEyePosition(const MapDocument& document) {
  return EyePositionIn(document, {document.startPosition.x, document.startPosition.y});
}

Vec3 EyePositionIn(const MapDocument& document, GridPoint at) {
  const int x = std::clamp<int32_t>(at.x, 0, GridSize - 1);
  const int y = std::clamp<int32_t>(at.y, 0, GridSize - 1);
  const MapCell& cell = document.Cell(x, y);
  Vec3 eye = CellCentre(x, y);
  eye.y = cell.floorHeight + StandingEyeHeight(cell);
  return eye;
}

}  // namespace tessmoor
