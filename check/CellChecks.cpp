#include "check/CellChecks.h"

#include <algorithm>

namespace tessmoor {

namespace {

constexpr uint8_t WallType = static_cast<uint8_t>(CellType::Wall);

bool InsideGrid(int x, int y) { return x >= 0 && x < GridSize && y >= 0 && y < GridSize; }

bool OnGridEdge(int x, int y) { return x == 0 || y == 0 || x == GridSize - 1 || y == GridSize - 1; }

// The finding for a fixture the compile drops for want of a wall texture;
// nothing for cells whose wall texture is optional.
std::optional<FindingCode> FixtureWithoutWallTexture(uint8_t type) {
  switch (static_cast<CellType>(type)) {
    case CellType::Column:
      return FindingCode::ColumnWithoutWallTexture;
    case CellType::WaterBasin:
      return FindingCode::BasinWithoutWallTexture;
    case CellType::WindowHorizontal:
    case CellType::WindowVertical:
      return FindingCode::WindowWithoutWallTexture;
    default:
      return std::nullopt;
  }
}

class CellChecker {
 public:
  CellChecker(const MapDocument& document, MapFindings& findings) : document_(document), findings_(findings) {}

  void Check(const MapCell& cell, int x, int y) {
    at_ = {x, y};
    if (cell.type == WallType) {
      CheckWall(cell, x, y);
    } else {
      CheckOpenCell(cell, x, y);
    }
  }

 private:
  // Where a wall meets an open floor the compile builds a side face in the
  // wall's texture; without one the player looks through a hole. Buried walls
  // may carry any texture: they show none.
  void CheckWall(const MapCell& cell, int x, int y) {
    if (cell.texture[SurfaceKind::Wall] == NoTexture && WallFacesAnOpenFloor(document_, x, y))
      Warn(FindingCode::WallWithoutTexture);
  }

  void CheckOpenCell(const MapCell& cell, int x, int y) {
    const std::optional<FindingCode> fixture = FixtureWithoutWallTexture(cell.type);
    if (fixture && cell.texture[SurfaceKind::Wall] == NoTexture) Warn(*fixture);
    const float lowest = *std::min_element(std::begin(cell.ceilingHeight), std::end(cell.ceilingHeight));
    if (lowest < cell.floorHeight) Warn(FindingCode::CeilingBelowFloor);
    const bool basin = cell.type == static_cast<uint8_t>(CellType::WaterBasin);
    if (basin && (cell.waterLevel < cell.floorHeight || cell.waterLevel > lowest)) Warn(FindingCode::WaterOutsideRoom);
    if (cell.texture[SurfaceKind::Floor] != NoTexture && OnGridEdge(x, y)) Warn(FindingCode::OpenFloorOnEdge);
  }

  void Warn(FindingCode code) { findings_.push_back({Severity::Warning, at_, {code, {}}}); }

  const MapDocument& document_;
  MapFindings& findings_;
  GridPoint at_;
};

}  // namespace

void CheckStartPosition(const MapDocument& document, MapFindings& findings) {
  const StartPosition& start = document.startPosition;
  if (!InsideGrid(start.x, start.y)) {
    findings.push_back({Severity::Error,
                        std::nullopt,
                        {FindingCode::StartOutsideGrid, {std::to_string(start.x), std::to_string(start.y)}}});
  } else if (document.Cell(start.x, start.y).type == WallType) {
    findings.push_back({Severity::Error, GridPoint{start.x, start.y}, {FindingCode::StartInWall, {}}});
  }
}

void CheckCells(const MapDocument& document, MapFindings& findings) {
  CellChecker checker(document, findings);
  for (int y = 0; y < GridSize; ++y) {
    for (int x = 0; x < GridSize; ++x) checker.Check(document.Cell(x, y), x, y);
  }
}

}  // namespace tessmoor
