#pragma once
// The Edit menu's names of the undoable steps.

#include <string>

#include "edit/StepName.h"

namespace tessmoor {

// The step's short name as the menu shows it after "Rückgängig: ".
std::string StepText(StepName step);
// A step that carries a label of its own (a script's name) is called by it.
std::string StepText(StepName step, const std::string& label);

}  // namespace tessmoor
