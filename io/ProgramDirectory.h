#pragma once
// Where the program's own folders (GFX/, TMEGfx/, Maps/) are. A build keeps them
// beside the programs; an installed copy keeps them under share/ of its prefix,
// found from the program's place so that any prefix works.

#include <string>

namespace tessmoor {

// The data folder below an installation prefix, relative to the folder of the programs.
inline constexpr const char* InstalledDataFolder = "../share/tessmoor-editor/";

// The program directory, with a trailing '/', for programs in
// `executableDirectory`: that folder itself when GFX/ lies in it, otherwise the
// installed data folder when it has GFX/, otherwise (nothing found anywhere)
// the program's folder, so the messages name the place a build would use.
std::string ResolveProgramDirectory(const std::string& executableDirectory);

// The folder of the running program (from /proc/self/exe), with a trailing '/';
// empty when the system does not say.
std::string RunningProgramFolder();

}  // namespace tessmoor
