#include "io/SaveTarget.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <vector>

namespace tessmoor {

namespace {

// The system's own limit for links in one lookup.
constexpr int MaxLinkHops = 40;

std::string DirectoryPart(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::optional<std::string> ReadLink(const std::string& path) {
  std::vector<char> buffer(256);
  for (;;) {
    const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (length < 0) return std::nullopt;
    if (static_cast<size_t>(length) < buffer.size()) return std::string(buffer.data(), static_cast<size_t>(length));
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

std::optional<std::string> FinalLinkTarget(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop <= MaxLinkHops; ++hop) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
    const std::optional<std::string> target = ReadLink(current);
    if (!target || target->empty()) return std::nullopt;
    current = (*target)[0] == '/' ? *target : DirectoryPart(current) + *target;
  }
  return std::nullopt;
}

bool MayReplace(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return errno == ENOENT;
  return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

std::string TemporaryPathBeside(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  return DirectoryPart(target) + ".tm" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

bool IsSameFile(const std::string& a, const std::string& b) {
  struct stat first {
  }, second{};
  if (::stat(a.c_str(), &first) != 0 || ::stat(b.c_str(), &second) != 0) return false;
  return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace tessmoor
