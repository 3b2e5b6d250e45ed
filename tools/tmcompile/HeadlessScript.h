#pragma once
// tmcompile --script: a script run on a map without a window, its result saved.

#include <string>
#include <vector>

namespace tessmoor {

struct HeadlessScriptArguments {
  std::string scriptPath;
  std::string mapPath;
  std::string outPath;  // empty: over the map
  int timeoutSeconds = 60;
  // Folders the script's file functions may read and write (with what lies below).
  std::vector<std::string> allowedFolders;
};

// 0 when the script ran and the map was saved, 1 when the script threw, ran
// too long or the map could not be read or saved, 2 when the script cannot be read.
int RunHeadlessScript(const HeadlessScriptArguments& arguments, const std::string& programDirectory);

}  // namespace tessmoor
