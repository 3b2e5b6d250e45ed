// The backup policy on real files: the number the settings hold decides how
// many backups a run of saves leaves, the list compares each with the open map,
// and a backup comes back as an untitled, modified copy.

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "app/BackupPolicy.h"
#include "support/CoreMessageText.h"
#include "support/TempDir.h"

namespace tessmoor {

namespace {

// Version n of the map: its first n cells are walls.
void MakeVersion(MapDocument& map, int n) {
  for (int x = 0; x < GridSize; ++x) map.Cell(x, 0).type = x < n ? 1 : 0;
}

}  // namespace

TEST(BackupPolicy, TheStoredNumberDecidesWhatASeriesOfSavesKeeps) {
  struct Row {
    std::optional<int> stored;  // what the settings hold; none: nothing or no number
    int replacingSaves;
    int kept;
  };
  const Row rows[] = {
      {std::nullopt, 12, DefaultBackupsPerMap},
      {3, 5, 3},
      {0, 4, 0},
      {-7, 3, 0},
      {5000, 12, 12},
      {1, 3, 1},
      {999, 2, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.stored ? std::to_string(*row.stored) : std::string("none"));
    TempDir dir;
    const std::string path = dir.File("Halle.tmm"), folder = dir.Dir() + "backups/";
    BackupFileOps ops(
        RealFileOps(),
        [&] {
          return BackupSettings{folder, BackupsToKeep(row.stored)};
        },
        [](const CoreMessage& message) { ADD_FAILURE() << message; });
    auto map = std::make_unique<MapDocument>();
    for (int version = 0; version <= row.replacingSaves; ++version) {
      MakeVersion(*map, version);
      ASSERT_TRUE(SaveMap(*map, path, ops).ok);
    }

    const std::vector<BackupRow> rows = BackupRows(folder, path, *map);
    ASSERT_EQ(static_cast<size_t>(row.kept), rows.size());
    for (size_t k = 0; k < rows.size(); ++k) {
      // Newest first: the backup k steps back differs from the open map in k + 1 cells.
      EXPECT_EQ((MapDifference{static_cast<int>(k) + 1, 0}), rows[k].difference) << k;
    }
    if (rows.empty()) continue;

    DocumentModel model;
    EditorState editor;
    editor.programDirectory = dir.Dir();
    const MapFileResult opened = OpenBackupAsCopy(model, editor, rows.back().backup.path);
    ASSERT_TRUE(opened.ok) << opened.message;
    EXPECT_TRUE(model.Map().IsUntitled());
    EXPECT_TRUE(model.IsModified());
    EXPECT_EQ((MapDifference{row.kept, 0}), CompareWithFile(model.Map(), path)) << "the oldest kept version";

    const MapFileResult missing = OpenBackupAsCopy(model, editor, folder + "fehlt.tmm");
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.message.code == CoreCode::None);
    EXPECT_EQ(0, model.Map().Cell(0, 0).type) << "an empty map after a failed open";
    EXPECT_FALSE(model.IsModified());
  }
}

}  // namespace tessmoor
