#include "editor/CommandLineMap.h"

#include <filesystem>

namespace tessmoor {

std::optional<std::string> CommandLineMapPath(int argc, char** argv) {
  if (argc < 2 || argv[1] == nullptr || argv[1][0] == '\0') return std::nullopt;
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(argv[1], error);
  if (error) return std::string(argv[1]);
  return absolute.lexically_normal().string();
}

}  // namespace tessmoor
