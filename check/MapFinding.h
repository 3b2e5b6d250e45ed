#pragma once
// One thing the map check found: how bad it is, where (when it has a place on
// the grid) and what, in the words the editor and tmcompile show.

#include <optional>
#include <string>
#include <vector>

#include "document/MapDocument.h"

namespace tessmoor {

// Fehler: the compile fails or the engine gets a broken map. Warnung: the
// result is not what the map seems to ask for. Hinweis: housekeeping.
enum class Severity { Error, Warning, Hint };

struct MapFinding {
  Severity severity = Severity::Hint;
  std::optional<GridPoint> cell;
  std::string message;  // UTF-8

  bool operator==(const MapFinding&) const = default;
};

using MapFindings = std::vector<MapFinding>;

// "Fehler", "Warnung", "Hinweis".
const char* SeverityName(Severity severity);

// "x: y", as the position label shows a cell.
std::string CellText(GridPoint cell);

// One line for the command line: "Warnung 12: 40: Säule ohne Wandtextur", or
// "Hinweis: ..." for a finding without a cell.
std::string FindingLine(const MapFinding& finding);

}  // namespace tessmoor
