#include "export/ExportFile.h"

namespace tessmoor {

ExportResult WriteExportFile(const std::string& path, const std::string& bytes, FileOps& ops) {
  SaveFile file(path, ops);
  if (!file.Open()) return ExportResult::Failed({CoreCode::ModelNotCreated, {path}});
  file.Write(bytes.data(), bytes.size());
  if (!file.Commit()) return ExportResult::Failed({CoreCode::ModelNotWritten, {path}});
  return {};
}

}  // namespace tessmoor
