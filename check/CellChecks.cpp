#include "check/CellChecks.h"

#include <algorithm>

namespace tessmoor {

namespace {

constexpr uint8_t WallType = static_cast<uint8_t>(CellType::Wall);

bool InsideGrid(int x, int y) { return x >= 0 && x < GridSize && y >= 0 && y < GridSize; }

bool OnGridEdge(int x, int y) { return x == 0 || y == 0 || x == GridSize - 1 || y == GridSize - 1; }

// What a fixture is called when the compile drops it for want of a wall texture;
// nullptr for cells whose wall texture is optional.
const char* FixtureName(uint8_t type) {
  switch (static_cast<CellType>(type)) {
    case CellType::Column:
      return "Säule";
    case CellType::WaterBasin:
      return "Wasserbecken";
    case CellType::WindowHorizontal:
    case CellType::WindowVertical:
      return "Fenster";
    default:
      return nullptr;
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
      Warn("Wand ohne Wandtextur neben offener Zelle");
  }

  void CheckOpenCell(const MapCell& cell, int x, int y) {
    if (const char* fixture = FixtureName(cell.type); fixture && cell.texture[SurfaceKind::Wall] == NoTexture)
      Warn(std::string(fixture) + " ohne Wandtextur");
    const float lowest = *std::min_element(std::begin(cell.ceilingHeight), std::end(cell.ceilingHeight));
    if (lowest < cell.floorHeight) Warn("Deckenecke unter dem Boden");
    const bool basin = cell.type == static_cast<uint8_t>(CellType::WaterBasin);
    if (basin && (cell.waterLevel < cell.floorHeight || cell.waterLevel > lowest))
      Warn("Wasserspiegel nicht zwischen Boden und Decke");
    if (cell.texture[SurfaceKind::Floor] != NoTexture && OnGridEdge(x, y)) Warn("Offener Boden am Kartenrand");
  }

  void Warn(std::string message) { findings_.push_back({Severity::Warning, at_, std::move(message)}); }

  const MapDocument& document_;
  MapFindings& findings_;
  GridPoint at_;
};

}  // namespace

void CheckStartPosition(const MapDocument& document, MapFindings& findings) {
  const StartPosition& start = document.startPosition;
  if (!InsideGrid(start.x, start.y)) {
    findings.push_back({Severity::Error, std::nullopt,
                        "Startposition " + CellText({start.x, start.y}) + " liegt außerhalb der Karte"});
  } else if (document.Cell(start.x, start.y).type == WallType) {
    findings.push_back({Severity::Error, GridPoint{start.x, start.y}, "Startposition in einer Wand"});
  }
}

void CheckCells(const MapDocument& document, MapFindings& findings) {
  CellChecker checker(document, findings);
  for (int y = 0; y < GridSize; ++y) {
    for (int x = 0; x < GridSize; ++x) checker.Check(document.Cell(x, y), x, y);
  }
}

}  // namespace tessmoor
