#pragma once
// The Edit menu's names of the undoable steps.

#include <string>

#include "edit/StepName.h"

namespace tessmoor {

// The step's short name as the menu shows it after "Rückgängig: ".
std::string StepText(StepName step);

}  // namespace tessmoor
