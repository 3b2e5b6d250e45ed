#pragma once
// Length-prefixed byte strings of fixed capacity, as the texture table stores
// names: one length byte, then the bytes (Windows-1252 text, kept as bytes).

#include <cstdint>
#include <string>

namespace tessmoor {

// The bytes the length byte covers; a length above the capacity is cut to it.
std::string ReadPascalString(const uint8_t* field, int capacity);
// Stores at most `capacity` bytes of `text`; bytes after the text keep their values.
void WritePascalString(uint8_t* field, int capacity, const std::string& text);

}  // namespace tessmoor
