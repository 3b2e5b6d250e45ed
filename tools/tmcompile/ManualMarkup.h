#pragma once
// The manual's inline markup, *bold* and {italic}, read into runs of one style.

#include <string>
#include <vector>

namespace tessmoor {

enum class MarkupStyle { Plain, Bold, Italic };

struct MarkupRun {
  MarkupStyle style;
  std::string text;
};

// The runs of `text` in order. A mark without its closing mark is a plain character.
std::vector<MarkupRun> MarkupRuns(const std::string& text);

// The words as a terminal shows them: the marks dropped.
std::string PlainText(const std::string& text);

}  // namespace tessmoor
