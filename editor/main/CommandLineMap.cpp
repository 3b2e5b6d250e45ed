#include "editor/main/CommandLineMap.h"

#include <cstring>
#include <filesystem>

namespace tessmoor {

namespace {

std::string Absolute(const char* argument) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(argument, error);
  if (error) return std::string(argument);
  return absolute.lexically_normal().string();
}

}  // namespace

EditorCommandLine ParseEditorCommandLine(int argc, char** argv) {
  EditorCommandLine line;
  for (int i = 1; i < argc; ++i) {
    if (argv[i] == nullptr || argv[i][0] == '\0') continue;
    if (std::strcmp(argv[i], NewInstanceOption) == 0) {
      line.newInstance = true;
    } else {
      line.maps.push_back(Absolute(argv[i]));
    }
  }
  return line;
}

std::optional<std::string> CommandLineMapPath(int argc, char** argv) {
  EditorCommandLine line = ParseEditorCommandLine(argc, argv);
  if (line.maps.empty()) return std::nullopt;
  return line.maps.front();
}

}  // namespace tessmoor
