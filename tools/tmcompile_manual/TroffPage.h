#pragma once
// A manual, written as a troff page in the man macros (man(7)).

#include <string>

#include "tools/tmcompile/Manual.h"

namespace tessmoor {

// The page of section 1 in `language`; `version` goes into its footer.
std::string TroffPage(const Manual& manual, ManualLanguage language, const std::string& version);

}  // namespace tessmoor
