#pragma once
// Lets a test compare a message the core hands up with the exact text the user
// reads, and print it when an expectation fails.

#include <ostream>
#include <string>

#include "io/CoreMessage.h"
#include "texts/CoreTexts.h"

namespace tessmoor {

inline bool operator==(const CoreMessage& message, const std::string& text) { return CoreText(message) == text; }
inline bool operator==(const CoreMessage& message, const char* text) { return CoreText(message) == text; }

inline std::ostream& operator<<(std::ostream& out, const CoreMessage& message) { return out << CoreText(message); }

}  // namespace tessmoor
