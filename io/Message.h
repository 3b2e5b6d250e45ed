#pragma once
// What the core tells the user, as data: a code of the area that says it and the
// arguments its words need (paths, names, numbers in decimal), in the order the
// words show them. The core never words a message; texts/ does, for the editor and
// for tmcompile alike, so a second language changes no core code.

#include <string>
#include <vector>

namespace tessmoor {

template <typename Code>
struct Message {
  Code code{};
  std::vector<std::string> args;

  bool operator==(const Message&) const = default;
};

}  // namespace tessmoor
