#include "app/BackupPolicy.h"

#include <algorithm>

namespace tessmoor {

int BackupsToKeep(std::optional<int> stored) {
  return stored ? std::clamp(*stored, 0, MaxBackupsPerMap) : DefaultBackupsPerMap;
}

std::vector<BackupRow> BackupRows(const std::string& folder, const std::string& mapName, const MapDocument& open) {
  std::vector<BackupRow> rows;
  for (MapBackup& backup : ListBackups(folder, mapName)) {
    std::optional<MapDifference> difference = CompareWithFile(open, backup.path);
    rows.push_back({std::move(backup), difference});
  }
  return rows;
}

MapFileResult OpenBackupAsCopy(DocumentModel& model, EditorState& editor, const std::string& backupPath) {
  MapFileResult result;
  // Untitled and modified: Speichern asks for a name instead of writing into the backups.
  model.Replace(
      [&](MapDocument& document) {
        ResetDocument(document, editor, true);
        result = LoadMap(document, backupPath, MapLoadOptions{editor.programDirectory, true});
        document.fileName = UntitledName;
      },
      true);
  if (!result.ok) model.Replace([&](MapDocument& document) { ResetDocument(document, editor, true); });
  return result;
}

}  // namespace tessmoor
