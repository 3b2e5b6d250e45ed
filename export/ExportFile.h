#pragma once
// What an export reports, and the one way its files are written.

#include <string>

#include "io/CoreMessage.h"
#include "io/SaveFile.h"

namespace tessmoor {

struct ExportResult {
  bool ok = true;
  CoreMessage message;   // why it failed, in the log's words
  size_t triangles = 0;  // how many the written files hold

  static ExportResult Failed(CoreMessage message) { return {false, std::move(message), 0}; }
};

// Replaces `path` atomically with `bytes`; on failure the previous file is left
// as it was and the message names the step, as the compile log does.
ExportResult WriteExportFile(const std::string& path, const std::string& bytes, FileOps& ops);

}  // namespace tessmoor
