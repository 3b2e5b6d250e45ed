#pragma once
// The words of a script's errors: its own mistakes in calls, and what the
// editing interface refused.

#include <string>

#include "app/EditResult.h"
#include "app/ScriptProblem.h"

namespace tessmoor {

std::string ScriptProblemText(const ScriptProblem& problem);
// Why an operation of the editing interface refused; empty for Done.
std::string EditResultText(const EditResult& result);

}  // namespace tessmoor
