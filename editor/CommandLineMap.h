#pragma once
// The map named on the editor's command line.

#include <optional>
#include <string>

namespace tessmoor {

// The first argument left after Qt took its own options, made absolute so the
// caption and saves name it exactly. It is taken from argv as the system's bytes:
// Qt's decoding of arguments would lose a name that is not valid UTF-8.
std::optional<std::string> CommandLineMapPath(int argc, char** argv);

}  // namespace tessmoor
