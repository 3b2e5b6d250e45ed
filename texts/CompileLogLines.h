#pragma once
// The compile log as a list of worded lines.

#include <string>
#include <vector>

#include "compiler/CompileLog.h"
#include "texts/CoreTexts.h"

namespace tessmoor {

class CompileLogLines : public CompileLog {
 public:
  void ClearLog() override { lines.clear(); }
  void AddLogLine(const std::string& text = "") override { lines.push_back(text); }
  void AddLogLine(const CoreMessage& line) override { lines.push_back(CoreText(line)); }
  void ExtendLastLine(const std::string& text) override {
    if (lines.empty()) lines.emplace_back();
    lines.back() += text;
  }

  std::vector<std::string> lines;
};

}  // namespace tessmoor
