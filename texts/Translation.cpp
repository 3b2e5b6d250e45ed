#include "texts/Translation.h"

#include <mutex>
#include <vector>

namespace tessmoor {

namespace {

std::mutex lookupMutex;
TextLookup& CurrentLookup() {
  static TextLookup lookup;
  return lookup;
}

}  // namespace

void SetTextLookup(TextLookup lookup) {
  const std::lock_guard lock(lookupMutex);
  CurrentLookup() = std::move(lookup);
}

std::string Tr(const char* context, const char* source) {
  // Scripts word their errors on a thread of their own.
  const std::lock_guard lock(lookupMutex);
  if (!CurrentLookup()) return source;
  std::string translated = CurrentLookup()(context, source);
  return translated.empty() ? std::string(source) : translated;
}

std::string Fill(const std::string& pattern, std::initializer_list<std::string> args) {
  const std::vector<std::string> values(args);
  std::string filled;
  filled.reserve(pattern.size());
  for (size_t at = 0; at < pattern.size(); ++at) {
    const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
    if (pattern[at] == '%' && next >= '1' && next <= '9' && size_t(next - '1') < values.size()) {
      filled += values[size_t(next - '1')];
      ++at;
    } else {
      filled += pattern[at];
    }
  }
  return filled;
}

}  // namespace tessmoor
