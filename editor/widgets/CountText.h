#pragma once
// A number with its noun, in the singular for one: "1 Zelle", "3 Zellen",
// "0 Zellen". Every count the windows show goes through here.

#include <QString>

namespace tessmoor {

inline QString CountText(long long count, const char* one, const char* many) {
  return QString::number(count) + ' ' + QString::fromUtf8(count == 1 ? one : many);
}

}  // namespace tessmoor
