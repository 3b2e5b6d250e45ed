#include "document/PascalString.h"

#include <algorithm>
#include <cstring>

namespace tessmoor {

std::string ReadPascalString(const uint8_t* field, int capacity) {
  const int length = std::min<int>(field[0], capacity);
  return std::string(reinterpret_cast<const char*>(field + 1), static_cast<size_t>(length));
}

void WritePascalString(uint8_t* field, int capacity, const std::string& text) {
  const size_t length = std::min(text.size(), static_cast<size_t>(capacity));
  field[0] = static_cast<uint8_t>(length);
  std::memcpy(field + 1, text.data(), length);
}

}  // namespace tessmoor
