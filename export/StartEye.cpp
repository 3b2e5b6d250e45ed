#include "export/StartEye.h"

#include <algorithm>

std::optional<WorldPoint> StartEyePosition(const MapDocument& document) {
  const StartPosition start = document.startPosition;
  if (start.x < 0 || start.x >= GridSize || start.y < 0 || start.y >= GridSize) return std::nullopt;
  const MapCell& cell = document.Cell(start.x, start.y);
  const float* ceiling = cell.ceilingHeight;
  const float lowestCeiling = std::min({ceiling[0], ceiling[1], ceiling[2], ceiling[3]});
  const float floor = cell.floorHeight;
  const float eye = std::min(floor + EyeHeight, floor + (lowestCeiling - floor) / 2.0f);
  // The same corner numbering as the geometry pass: column x spans X 8192-128x down to 8192-128(x+1).
  return WorldPoint{8192.0f - 128.0f * float(start.x) - 64.0f, eye, 128.0f * float(start.y) + 64.0f};
}
