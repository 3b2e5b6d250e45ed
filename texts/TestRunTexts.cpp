#include "texts/TestRunTexts.h"

#include "texts/CheckTexts.h"
#include "texts/Translation.h"

namespace tessmoor {

std::string StartCellRefusal(const MapDocument& document, GridPoint cell) {
  const std::optional<StartCellProblem> problem = CheckStartCell(document, cell);
  if (!problem) return std::string();
  switch (*problem) {
    case StartCellProblem::OutsideGrid:
      return Fill(Tr("TestRunTexts", "Die Zelle %1 liegt außerhalb der Karte."), {CellText(cell)});
    case StartCellProblem::Wall:
      return Fill(Tr("TestRunTexts", "Die Zelle %1 ist eine Wand; dort kann der Spieler nicht stehen."),
                  {CellText(cell)});
  }
  return std::string();
}

std::string TestRunCancelledText() { return Tr("TestRunTexts", "Der Testlauf wurde nicht gestartet."); }

void LogTestRunRefusal(const MapFindings& errors, CompileLog& log) {
  for (const MapFinding& finding : errors) log.AddLogLine(FindingLine(finding));
  log.AddLogLine();
  log.AddLogLine(TestRunCancelledText());
}

}  // namespace tessmoor
