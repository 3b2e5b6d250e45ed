#include "app/TestRunFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace tessmoor {

TestRunFolder::TestRunFolder() {
  std::error_code failure;
  const std::filesystem::path base = std::filesystem::temp_directory_path(failure);
  if (failure) {
    error_ = failure.message();
    return;
  }
  std::string pattern = (base / "tessmoor-testlauf-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    error_ = std::strerror(errno);
    return;
  }
  path_ = pattern;
}

TestRunFolder::~TestRunFolder() {
  if (path_.empty()) return;
  std::error_code ignored;  // nothing is left to tell at this point
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace tessmoor
