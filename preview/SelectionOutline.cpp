#include "preview/SelectionOutline.h"

#include <algorithm>

namespace tessmoor {

namespace {

constexpr float Lift = 0.5f;

Vec3 GridCorner(int i, int j, float height) { return {8192.0f - 128.0f * float(i), height, 128.0f * float(j)}; }

void AddLine(std::vector<Vec3>& lines, Vec3 a, Vec3 b) {
  lines.push_back(a);
  lines.push_back(b);
}

}  // namespace

void SelectionOutline(const MapDocument& document, const CellRange& range, std::vector<Vec3>& lines) {
  lines.clear();
  const int x1 = std::max(range.x1, 0), x2 = std::min(range.x2, GridSize - 1);
  const int y1 = std::max(range.y1, 0), y2 = std::min(range.y2, GridSize - 1);
  for (int x = x1; x <= x2; ++x) {
    for (int y = y1; y <= y2; ++y) {
      if (x != x1 && x != x2 && y != y1 && y != y2) continue;
      const float h = document.Cell(x, y).floorHeight + Lift;
      if (y == y1) AddLine(lines, GridCorner(x, y, h), GridCorner(x + 1, y, h));
      if (y == y2) AddLine(lines, GridCorner(x, y + 1, h), GridCorner(x + 1, y + 1, h));
      if (x == x1) AddLine(lines, GridCorner(x, y, h), GridCorner(x, y + 1, h));
      if (x == x2) AddLine(lines, GridCorner(x + 1, y, h), GridCorner(x + 1, y + 1, h));
    }
  }
}

}  // namespace tessmoor
