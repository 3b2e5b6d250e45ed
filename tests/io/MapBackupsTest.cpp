// Backups of earlier saves: every save that replaces a file keeps the replaced
// bytes, the newest ones up to the limit, and nothing about a backup can make
// the save itself fail.

#include <gtest/gtest.h>

#include <filesystem>

#include "io/MapBackups.h"
#include "support/CoreMessageText.h"
#include "support/FaultyFileOps.h"
#include "support/TempDir.h"

namespace tessmoor {

namespace {

std::vector<unsigned char> Version(int n) {
  std::vector<unsigned char> bytes(100 + static_cast<size_t>(n) * 7);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 31 + static_cast<size_t>(n));
  return bytes;
}

bool Save(const std::string& path, const std::vector<unsigned char>& bytes, FileOps& ops) {
  SaveFile file(path, ops);
  return file.Open() && file.Write(bytes.data(), bytes.size()) && file.Commit();
}

struct Saver {
  explicit Saver(const std::string& folder, int keep)
      : ops(
            RealFileOps(), [this] { return settings; },
            [this](const CoreMessage& message) { failures.push_back(CoreText(message)); }) {
    settings = {folder, keep};
  }
  BackupSettings settings;
  std::vector<std::string> failures;
  BackupFileOps ops;
};

}  // namespace

TEST(MapBackups, EverySaveKeepsTheReplacedBytesNewestFirstUpToTheLimit) {
  TempDir dir;
  const std::string map = dir.File("Halle.tmm"), folder = dir.Dir() + "data/backups";
  Saver saver(folder, 5);
  // The first save creates the file: nothing is replaced, nothing kept.
  for (int version = 0; version < 8; ++version) {
    ASSERT_TRUE(Save(map, Version(version), saver.ops));
    EXPECT_EQ(Version(version), ReadFileBytes(map));
    const std::vector<MapBackup> backups = ListBackups(folder, map);
    ASSERT_EQ(static_cast<size_t>(std::min(version, 5)), backups.size());
    for (size_t i = 0; i < backups.size(); ++i) {
      // Newest first: the version this save replaced, then the one before ...
      EXPECT_EQ(Version(version - 1 - static_cast<int>(i)), ReadFileBytes(backups[i].path)) << i;
      EXPECT_EQ(Version(version - 1 - static_cast<int>(i)).size(), backups[i].size);
      EXPECT_NE(std::string::npos, backups[i].path.find("/Halle_")) << backups[i].path;
    }
  }
  EXPECT_TRUE(saver.failures.empty());
  // Only the limit's worth of files remains; a lower limit drops the oldest at the next save.
  EXPECT_EQ(5, std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()));
  saver.settings.keep = 2;
  ASSERT_TRUE(Save(map, Version(8), saver.ops));
  const std::vector<MapBackup> kept = ListBackups(folder, map);
  ASSERT_EQ(2u, kept.size());
  EXPECT_EQ(Version(7), ReadFileBytes(kept[0].path));
  EXPECT_EQ(Version(6), ReadFileBytes(kept[1].path));
}

TEST(MapBackups, MapsOfOneNameInTwoFoldersKeepApartAndZeroKeepsNone) {
  TempDir dir;
  std::filesystem::create_directories(dir.Dir() + "a");
  std::filesystem::create_directories(dir.Dir() + "b");
  const std::string a = dir.Dir() + "a/Sample.tmm", b = dir.Dir() + "b/Sample.tmm", folder = dir.Dir() + "backups";
  Saver saver(folder, 10);
  for (int version = 0; version < 3; ++version) {
    ASSERT_TRUE(Save(a, Version(version), saver.ops));
    ASSERT_TRUE(Save(b, Version(10 + version), saver.ops));
  }
  ASSERT_EQ(2u, ListBackups(folder, a).size());
  EXPECT_EQ(Version(1), ReadFileBytes(ListBackups(folder, a)[0].path));
  EXPECT_EQ(Version(11), ReadFileBytes(ListBackups(folder, b)[0].path));
  saver.settings.keep = 0;
  ASSERT_TRUE(Save(a, Version(3), saver.ops));
  EXPECT_EQ(2u, ListBackups(folder, a).size());
}

TEST(MapBackups, ABackupThatCannotBeWrittenNeverStopsTheSave) {
  TempDir dir;
  const std::string map = dir.File("Halle.tmm");
  // A file where the folder should be: no one, not even root, can create the folder.
  WriteFileBytes(dir.File("data"), {1, 2, 3});
  Saver saver(dir.Dir() + "data/backups", 10);
  ASSERT_TRUE(Save(map, Version(0), saver.ops));
  ASSERT_TRUE(Save(map, Version(1), saver.ops));
  EXPECT_EQ(Version(1), ReadFileBytes(map));
  ASSERT_EQ(1u, saver.failures.size());
  EXPECT_EQ(0u, saver.failures[0].find("Keine Sicherung von Halle.tmm: ")) << saver.failures[0];

  // A save that fails itself still fails, whatever the backup did, and leaves the old file.
  FaultyFileOps failingRename(3);
  BackupFileOps ops(failingRename, [&] { return BackupSettings{dir.Dir() + "ok", 10}; }, {});
  EXPECT_FALSE(Save(map, Version(2), ops));
  EXPECT_EQ(Version(1), ReadFileBytes(map));
}

using Versions = std::vector<std::vector<unsigned char>>;

TEST(MapBackups, ASaveOfTheSameBytesOrOfTheNewestBackupAddsNoBackup) {
  TempDir dir;
  const std::string map = dir.File("Halle.tmm"), folder = dir.Dir() + "backups";
  Saver saver(folder, 10);
  const auto kept = [&] {
    Versions versions;
    for (const MapBackup& backup : ListBackups(folder, map)) versions.push_back(ReadFileBytes(backup.path));
    return versions;
  };
  ASSERT_TRUE(Save(map, Version(0), saver.ops));
  ASSERT_TRUE(Save(map, Version(1), saver.ops));
  ASSERT_EQ(kept(), (Versions{Version(0)}));
  // Saving an unchanged map again and again keeps what there was.
  for (int again = 0; again < 3; ++again) ASSERT_TRUE(Save(map, Version(1), saver.ops));
  EXPECT_EQ(kept(), (Versions{Version(0)}));

  // Back to the newest backup's bytes: the version it replaces is kept, once.
  ASSERT_TRUE(Save(map, Version(0), saver.ops));
  EXPECT_EQ(kept(), (Versions{Version(1), Version(0)}));
  ASSERT_TRUE(Save(map, Version(2), saver.ops));
  EXPECT_EQ(kept(), (Versions{Version(0), Version(1), Version(0)}));
  // A file that went back to the newest backup's bytes outside the editor is not kept twice.
  WriteFileBytes(map, Version(0));
  ASSERT_TRUE(Save(map, Version(3), saver.ops));
  EXPECT_EQ(kept(), (Versions{Version(0), Version(1), Version(0)}));
  ASSERT_TRUE(Save(map, Version(4), saver.ops));
  EXPECT_EQ(kept(), (Versions{Version(3), Version(0), Version(1), Version(0)}));
  EXPECT_EQ(Version(4), ReadFileBytes(map));
  EXPECT_TRUE(saver.failures.empty());
}

}  // namespace tessmoor
