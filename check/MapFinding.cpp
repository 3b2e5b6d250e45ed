#include "check/MapFinding.h"

namespace tessmoor {

const char* SeverityName(Severity severity) {
  switch (severity) {
    case Severity::Error:
      return "Fehler";
    case Severity::Warning:
      return "Warnung";
    case Severity::Hint:
      break;
  }
  return "Hinweis";
}

std::string CellText(GridPoint cell) { return std::to_string(cell.x) + ": " + std::to_string(cell.y); }

std::string FindingLine(const MapFinding& finding) {
  const std::string where = finding.cell ? " " + CellText(*finding.cell) + ": " : ": ";
  return SeverityName(finding.severity) + where + finding.message;
}

}  // namespace tessmoor
