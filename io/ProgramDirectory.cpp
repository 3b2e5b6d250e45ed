#include "io/ProgramDirectory.h"

#include <sys/stat.h>

#include <filesystem>

namespace tessmoor {

namespace {

std::string WithTrailingSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string ResolveProgramDirectory(const std::string& executableDirectory) {
  const std::string own = WithTrailingSlash(executableDirectory);
  if (IsFolder(own + "GFX")) return own;
  // Lexically normal, so messages name /usr/share/... and not /usr/bin/../share/...
  const std::string installed =
      WithTrailingSlash(std::filesystem::path(own + InstalledDataFolder).lexically_normal().string());
  if (IsFolder(installed + "GFX")) return installed;
  return own;
}

std::string RunningProgramFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : WithTrailingSlash(program.parent_path().string());
}

}  // namespace tessmoor
