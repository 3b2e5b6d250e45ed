#pragma once
// tmcompile's command line, read into what the run needs. Each option is one
// row of a table, so the options the program takes can be listed and held
// against the ones its manual describes.

#include <optional>
#include <string>
#include <vector>

#include "Language.h"

namespace tessmoor {

struct Arguments {
  std::string mapPath;
  std::vector<std::string> extraMaps;  // --check takes several
  std::string modelPath;               // empty: beside the map
  std::string format = "tcm";
  std::vector<std::string> pictureFolders;
  bool help = false;
  bool check = false;
  std::string reportFormat;  // empty: text
  std::string scriptPath;
  int scriptTimeout = 60;
  bool timeoutGiven = false;
  std::vector<std::string> allowedFolders;
  std::optional<MessageLanguage> language;  // none: from the locale
};

// The parsed arguments, or the complaint about them.
struct ParseResult {
  std::optional<Arguments> arguments;
  std::string error;
};

// `arguments` without the program's name.
ParseResult ParseArguments(const std::vector<std::string>& arguments);

struct ParsedOption {
  std::string name;
  bool takesValue;
};

// Every option name the parser takes, "--" among them.
std::vector<ParsedOption> ParsedOptions();

}  // namespace tessmoor
