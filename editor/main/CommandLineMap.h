#pragma once
// The maps named on the editor's command line, and its one option.

#include <optional>
#include <string>
#include <vector>

namespace tessmoor {

// Starts a process of its own even while another editor runs.
inline constexpr const char* NewInstanceOption = "--new-instance";

struct EditorCommandLine {
  // Made absolute, so the caption and saves name them exactly.
  std::vector<std::string> maps;
  bool newInstance = false;
};

// The arguments left after Qt took its own options. They are taken from argv
// as the system's bytes: Qt's decoding of arguments would lose a name that is
// not valid UTF-8.
EditorCommandLine ParseEditorCommandLine(int argc, char** argv);

// The first map named, if any.
std::optional<std::string> CommandLineMapPath(int argc, char** argv);

}  // namespace tessmoor
