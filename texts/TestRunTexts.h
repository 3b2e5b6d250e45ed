#pragma once
// The words of test-play that the session hands up as codes.

#include <string>

#include "app/TestBuild.h"
#include "compiler/CompileLog.h"
#include "texts/CompileLogLines.h"

namespace tessmoor {

// The last line of a log whose test run did not start, in the current language.
std::string TestRunCancelledText();

// Why the player cannot start in `cell` (outside the grid, a wall), in the
// words of the message box; empty when the cell is fine.
std::string StartCellRefusal(const MapDocument& document, GridPoint cell);

// The log of a test build that did not start: the map check's errors when it
// found any, then an empty line and TestRunCancelledText().
void LogTestRunRefusal(const MapFindings& errors, CompileLog& log);

}  // namespace tessmoor
