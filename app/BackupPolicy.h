#pragma once
// The backup policy of an editor session: how many backups of a map are kept
// (the user's number, within bounds), where they go, what the list of a map's
// backups shows, and how a backup comes back: as an untitled, modified copy, so
// that saving it never writes over a backup. The copying and pruning itself is
// io/MapBackups'; the user interface reads the settings and shows the list.

#include <optional>
#include <string>
#include <vector>

#include "document/MapDifference.h"
#include "document/MapFile.h"
#include "edit/DocumentModel.h"
#include "io/MapBackups.h"

namespace tessmoor {

inline constexpr int DefaultBackupsPerMap = 10;
inline constexpr int MaxBackupsPerMap = 999;

// How many backups per map are kept for the number the settings hold: the
// default when they hold none or no number, else the number within 0..999.
int BackupsToKeep(std::optional<int> stored);

// A backup and how far the open map has moved from it; no difference when the
// backup cannot be read.
struct BackupRow {
  MapBackup backup;
  std::optional<MapDifference> difference;
};

// The backups of `mapName` in `folder`, newest first, each compared with `open`.
std::vector<BackupRow> BackupRows(const std::string& folder, const std::string& mapName, const MapDocument& open);

// Replaces the model's map with the backup at `backupPath`, untitled and
// modified. When it does not load, the map is a new empty one and the result
// says why.
MapFileResult OpenBackupAsCopy(DocumentModel& model, EditorState& editor, const std::string& backupPath);

}  // namespace tessmoor
