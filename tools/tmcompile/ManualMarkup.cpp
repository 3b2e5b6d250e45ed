#include "ManualMarkup.h"

namespace tessmoor {

namespace {

void Append(std::vector<MarkupRun>& runs, MarkupStyle style, const std::string& text) {
  if (text.empty()) return;
  if (!runs.empty() && runs.back().style == style) {
    runs.back().text += text;
  } else {
    runs.push_back({style, text});
  }
}

}  // namespace

std::vector<MarkupRun> MarkupRuns(const std::string& text) {
  std::vector<MarkupRun> runs;
  size_t at = 0;
  while (at < text.size()) {
    const char open = text[at];
    const char close = open == '*' ? '*' : open == '{' ? '}' : '\0';
    const size_t end = close ? text.find(close, at + 1) : std::string::npos;
    if (end == std::string::npos || end == at + 1) {
      Append(runs, MarkupStyle::Plain, std::string(1, open));
      ++at;
      continue;
    }
    Append(runs, open == '*' ? MarkupStyle::Bold : MarkupStyle::Italic, text.substr(at + 1, end - at - 1));
    at = end + 1;
  }
  return runs;
}

std::string PlainText(const std::string& text) {
  std::string plain;
  for (const MarkupRun& run : MarkupRuns(text)) plain += run.text;
  return plain;
}

}  // namespace tessmoor
