#pragma once
// The words of the stamp library's outcomes.

#include <string>

#include "app/StampLibrary.h"

namespace tessmoor {

// The message box's text for a failed save or rename; empty for an outcome the
// user is not told about (done, no name, a file that stays).
std::string StampText(const StampOutcome& outcome);

}  // namespace tessmoor
