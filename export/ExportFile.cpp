#include "export/ExportFile.h"

namespace tessmoor {

ExportResult WriteExportFile(const std::string& path, const std::string& bytes, FileOps& ops) {
  SaveFile file(path, ops);
  if (!file.Open()) return ExportResult::Failed("Fehler beim Erstellen von " + path + "!");
  file.Write(bytes.data(), bytes.size());
  if (!file.Commit()) return ExportResult::Failed("Fehler beim Schreiben von " + path + "!");
  return {};
}

}  // namespace tessmoor
