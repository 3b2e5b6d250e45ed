#pragma once
// From a profile to the program's argument list. The line is split into
// arguments first and the placeholders are filled in afterwards, each within its
// own argument: a path with spaces or quotes in it stays one argument, and the
// program is started directly, never through a shell that would read it again.

#include <string>
#include <vector>

#include "app/TestProfile.h"

namespace tessmoor {

// What the placeholders stand for in one run.
struct PlaceholderValues {
  std::string model;  // %m: the compiled model in the run's folder
  std::string map;    // %k: the map file; empty for a map never saved
  std::string gfx;    // %g: the picture folder, without a trailing '/'
  int x = 0;          // %x, %y: the start cell of this run
  int y = 0;
};

// Splits an argument line. Spaces and tabs separate arguments; a double-quoted
// part keeps its spaces and loses its quotes, and two quotes inside it stand
// for one. A quote left open runs to the end of the line; "" makes an empty
// argument.
std::vector<std::string> SplitArguments(const std::string& line);

// Fills in %m, %k, %x, %y, %g and %% in one piece of text. Any other '%' stays
// as it is, so a typo shows in the arguments the program receives.
std::string ExpandPlaceholders(const std::string& text, const PlaceholderValues& values);

// The program's arguments: the profile's line split, then each piece expanded.
std::vector<std::string> ExpandArguments(const std::string& line, const PlaceholderValues& values);

// Where the program runs: the profile's folder with its placeholders filled in,
// or, when it is empty, the folder of a program given by an absolute path (an
// engine finds its data there). Empty: the editor's own working folder.
std::string WorkingFolderFor(const TestProfile& profile, const PlaceholderValues& values);

}  // namespace tessmoor
