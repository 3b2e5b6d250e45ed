#include "texts/TestRunTexts.h"

#include "texts/CheckTexts.h"

namespace tessmoor {

std::string StartCellRefusal(const MapDocument& document, GridPoint cell) {
  const std::optional<StartCellProblem> problem = CheckStartCell(document, cell);
  if (!problem) return std::string();
  switch (*problem) {
    case StartCellProblem::OutsideGrid:
      return "Die Zelle " + CellText(cell) + " liegt außerhalb der Karte.";
    case StartCellProblem::Wall:
      return "Die Zelle " + CellText(cell) + " ist eine Wand; dort kann der Spieler nicht stehen.";
  }
  return std::string();
}

void LogTestRunRefusal(const MapFindings& errors, CompileLog& log) {
  for (const MapFinding& finding : errors) log.AddLogLine(FindingLine(finding));
  log.AddLogLine();
  log.AddLogLine(TestRunCancelled);
}

}  // namespace tessmoor
