#pragma once
// One thing the map check found: how bad it is, where (when it has a place on
// the grid) and what, as a code that texts/ words for the editor and tmcompile.

#include <optional>
#include <string>
#include <vector>

#include "document/MapDocument.h"
#include "io/Message.h"

namespace tessmoor {

// Fehler: the compile fails or the engine gets a broken map. Warnung: the
// result is not what the map seems to ask for. Hinweis: housekeeping.
enum class Severity { Error, Warning, Hint };

// What was found; the arguments each code carries are listed beside it.
enum class FindingCode {
  WallWithoutTexture,  // a wall beside an open cell
  ColumnWithoutWallTexture,
  BasinWithoutWallTexture,
  WindowWithoutWallTexture,
  CeilingBelowFloor,
  WaterOutsideRoom,  // the water level not between floor and ceiling
  OpenFloorOnEdge,
  StartOutsideGrid,  // x, y
  StartInWall,
  TextureNotInTable,     // texture number, surface layer number
  TextureUnused,         // texture number, its name in UTF-8 (empty when it has none)
  TextureWithoutFrames,  // texture number, its name in UTF-8 (empty when it has none)
  TableOverflow,         // what is needed, MeshTable number
  TableOverflowBeyond,   // MeshTable number: more than it holds, by how much unknown
};

using FindingMessage = Message<FindingCode>;

struct MapFinding {
  Severity severity = Severity::Hint;
  std::optional<GridPoint> cell;
  FindingMessage message;

  bool operator==(const MapFinding&) const = default;
};

using MapFindings = std::vector<MapFinding>;

// "x: y", as the position label shows a cell.
std::string CellText(GridPoint cell);
// The code's name, as machine-readable reports give it: "WallWithoutTexture".
const char* FindingCodeId(FindingCode code);
// "error", "warning", "hint".
const char* SeverityId(Severity severity);

}  // namespace tessmoor
