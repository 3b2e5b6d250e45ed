#pragma once
// Where a compile reports its progress: the log window in the editor, stdout in
// the batch compiler, a list of lines in tests.

#include <string>
#include <vector>

namespace tessmoor {

class CompileLog {
 public:
  virtual ~CompileLog() = default;
  virtual void ClearLog() = 0;
  // Appends one line; without text, an empty one.
  virtual void AddLogLine(const std::string& text = "") = 0;
  // Appends text to the last line (the progress dots).
  virtual void ExtendLastLine(const std::string& text) = 0;
};

// The log as a list of lines.
class CompileLogLines : public CompileLog {
 public:
  void ClearLog() override { lines.clear(); }
  void AddLogLine(const std::string& text = "") override { lines.push_back(text); }
  void ExtendLastLine(const std::string& text) override {
    if (lines.empty()) lines.emplace_back();
    lines.back() += text;
  }

  std::vector<std::string> lines;
};

}  // namespace tessmoor
