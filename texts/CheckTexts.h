#pragma once
// The words of the map check, as the check window and tmcompile show them.

#include <string>

#include "check/MapFinding.h"

namespace tessmoor {

// "Fehler", "Warnung", "Hinweis".
std::string SeverityName(Severity severity);

// What was found, in UTF-8: "Säule ohne Wandtextur", "Textur „Stein“ hat keine Bilder".
std::string FindingText(const FindingMessage& message);

// One line for the command line: "Warnung 12: 40: Säule ohne Wandtextur", or
// "Hinweis: ..." for a finding without a cell.
std::string FindingLine(const MapFinding& finding);

}  // namespace tessmoor
