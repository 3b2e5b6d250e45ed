#pragma once
// Where a compile reports its progress: the log window in the editor, stdout in
// the batch compiler, a list of lines in tests (texts/CompileLogLines.h). The
// compiler hands up its lines as codes; each log words them through texts/.

#include <string>

#include "io/CoreMessage.h"

namespace tessmoor {

class CompileLog {
 public:
  virtual ~CompileLog() = default;
  virtual void ClearLog() = 0;
  // Appends one line as it stands; without text, an empty one.
  virtual void AddLogLine(const std::string& text = "") = 0;
  // Appends the line the code stands for.
  virtual void AddLogLine(const CoreMessage& line) = 0;
  // Appends text to the last line (the progress dots).
  virtual void ExtendLastLine(const std::string& text) = 0;
};

}  // namespace tessmoor
