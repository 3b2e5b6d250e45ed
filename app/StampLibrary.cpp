#include "app/StampLibrary.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace tessmoor {

namespace {

namespace fs = std::filesystem;

constexpr size_t FileBaseLength = 64;  // characters, as UTF-16 counts them

// One code point from UTF-8 at `at`, which moves past it; a byte that starts no
// sequence counts as one character of its own.
char32_t NextCodePoint(const std::string& text, size_t& at) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(at);
  const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || at + static_cast<size_t>(length) > text.size()) {
    ++at;
    return 0xFFFD;
  }
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) c = (c << 6) | (byte(at + static_cast<size_t>(k)) & 0x3F);
  at += static_cast<size_t>(length);
  return c;
}

bool IsAsciiLetterOrNumber(char32_t c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool EndsWithExtension(const std::string& file) {
  const std::string extension = StampFileExtension;
  if (file.size() <= extension.size() || file.front() == '.') return false;  // a dot file is hidden
  return std::equal(extension.begin(), extension.end(), file.end() - static_cast<long>(extension.size()),
                    [](char a, char b) {
                      return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                    });
}

}  // namespace

std::string StampFileBase(const std::string& name, const std::function<bool(char32_t)>& isLetterOrNumber) {
  std::string base;
  size_t length = 0;
  for (size_t at = 0; at < name.size() && length < FileBaseLength;) {
    const size_t start = at;
    const char32_t c = NextCodePoint(name, at);
    if (c > 0xFFFF) {
      // Two UTF-16 units, neither of them a letter: two characters to replace.
      base += length + 1 < FileBaseLength ? "__" : "_";
      length += 2;
    } else {
      const bool kept =
          c == '-' || (c != 0xFFFD && (isLetterOrNumber ? isLetterOrNumber(c) : IsAsciiLetterOrNumber(c)));
      base += kept ? name.substr(start, at - start) : "_";
      ++length;
    }
  }
  return base;
}

StampLibrary::StampLibrary(std::string folder, StampNameRules rules)
    : folder_(std::move(folder)), rules_(std::move(rules)) {
  if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
}

bool StampLibrary::Less(const std::string& a, const std::string& b) const {
  return rules_.less ? rules_.less(a, b) : a < b;
}

std::vector<StoredStamp> StampLibrary::List() const {
  std::vector<std::string> files;
  std::error_code error;
  for (fs::directory_iterator entry(folder_, error), end; !error && entry != end; entry.increment(error)) {
    const std::string file = entry->path().filename().string();
    std::error_code ignored;
    if (EndsWithExtension(file) && fs::is_regular_file(entry->path(), ignored)) files.push_back(file);
  }
  std::sort(files.begin(), files.end());
  std::vector<StoredStamp> stamps;
  for (const std::string& file : files) {
    StoredStamp stored{folder_ + file, {}};
    if (LoadStamp(stored.stamp, stored.path).ok) stamps.push_back(std::move(stored));
  }
  std::stable_sort(stamps.begin(), stamps.end(),
                   [this](const StoredStamp& a, const StoredStamp& b) { return Less(a.stamp.name, b.stamp.name); });
  return stamps;
}

std::string StampLibrary::UnusedPath(const std::string& name) const {
  const std::string base = StampFileBase(name, rules_.isLetterOrNumber);
  std::string path = folder_ + base + StampFileExtension;
  std::error_code ignored;
  for (int n = 2; fs::exists(path, ignored); ++n) path = folder_ + base + "-" + std::to_string(n) + StampFileExtension;
  return path;
}

StampOutcome StampLibrary::Add(Stamp stamp, const std::string& name) {
  if (name.empty()) return {StampCode::NoName};
  std::error_code ignored;
  fs::create_directories(folder_, ignored);  // a folder that cannot be made fails the save below
  stamp.name = name.substr(0, StampNameCapacity);
  const std::string path = UnusedPath(name);
  if (!SaveStamp(stamp, path).ok) return {StampCode::NotSaved, {path}};
  return {};
}

StampOutcome StampLibrary::Rename(const StoredStamp& stored, const std::string& name) {
  if (name.empty()) return {StampCode::NoName};
  Stamp renamed = stored.stamp;
  renamed.name = name.substr(0, StampNameCapacity);
  if (!SaveStamp(renamed, stored.path).ok) return {StampCode::NotSaved, {stored.path}};
  return {};
}

StampOutcome StampLibrary::Remove(const StoredStamp& stored) {
  std::error_code error;
  if (!fs::remove(stored.path, error)) return {StampCode::NotRemoved, {stored.path}};
  return {};
}

}  // namespace tessmoor
