#pragma once
// tmcompile's --help, made from its manual. It is English in every language:
// a pipeline's log reads the same whatever its locale.

#include <string>

#include "Manual.h"

namespace tessmoor {

// The usage: the ways to call the program, what it does, its options as an
// indented two-column list, exit status, environment and where to read more,
// every line shorter than 80 columns. It begins "Usage: " and the first way.
std::string UsageText(const Manual& manual);

}  // namespace tessmoor
