#pragma once
// Names inside map files are Windows-1252 bytes. The core keeps them as bytes;
// these convert at the user-interface boundary.

#include <optional>
#include <string>

namespace tessmoor {

// Every byte maps to a character; the five bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, so
// the conversion never loses a byte.
std::string Windows1252ToUtf8(const std::string& bytes);

// Nothing when the text holds a character Windows-1252 cannot store (or is not
// valid UTF-8).
std::optional<std::string> Utf8ToWindows1252(const std::string& text);

// True when every character of the UTF-8 text can be stored.
bool IsWindows1252Representable(const std::string& text);

}  // namespace tessmoor
