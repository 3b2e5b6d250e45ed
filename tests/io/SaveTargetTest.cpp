// Where a save lands and when it is refused: links, permissions, long names,
// and files that are no regular files.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "io/RegularFile.h"
#include "io/SaveFile.h"
#include "io/SaveTarget.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

namespace tessmoor {

namespace fs = std::filesystem;

namespace {

bool Save(const std::string& path, const std::string& text) {
  SaveFile file(path);
  return file.Open() && file.Write(text.data(), text.size()) && file.Commit();
}

std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

}  // namespace

TEST(SaveTarget, SavesThroughAChainOfLinksIntoTheFinalFile) {
  TempDir dir;
  fs::create_directories(dir.File("real"));
  fs::create_directories(dir.File("d"));
  WriteFileBytes(dir.File("real/t.tcm"), Bytes("old"));
  fs::create_symlink("../real/t.tcm", dir.File("d/l.tcm"));  // relative to the link's folder
  fs::create_symlink(dir.File("d/l.tcm"), dir.File("second.tcm"));

  for (const char* name : {"d/l.tcm", "second.tcm"}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(Save(dir.File(name), name));
    EXPECT_EQ(Bytes(name), ReadFileBytes(dir.File("real/t.tcm")));
    EXPECT_TRUE(fs::is_symlink(dir.File("d/l.tcm")));
    EXPECT_TRUE(fs::is_symlink(dir.File("second.tcm")));
  }
  // A dangling link makes its target; a loop of links is refused.
  fs::create_symlink("made.tcm", dir.File("dangling.tcm"));
  EXPECT_TRUE(Save(dir.File("dangling.tcm"), "new"));
  EXPECT_EQ(Bytes("new"), ReadFileBytes(dir.File("made.tcm")));
  fs::create_symlink("loop-b", dir.File("loop-a"));
  fs::create_symlink("loop-a", dir.File("loop-b"));
  EXPECT_FALSE(Save(dir.File("loop-a"), "x"));
  EXPECT_TRUE(fs::is_symlink(dir.File("loop-a")));
}

TEST(SaveTarget, NamesUpToTheSystemLimitSave) {
  TempDir dir;
  for (size_t length : {200u, 244u, 250u, 255u}) {
    SCOPED_TRACE(length);
    const std::string path = dir.File(std::string(length - 4, 'n') + ".tmm");
    WriteFileBytes(path, Bytes("old"));
    EXPECT_TRUE(Save(path, "new"));
    EXPECT_EQ(Bytes("new"), ReadFileBytes(path));
  }
  size_t files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.Dir())) ++files;
  EXPECT_EQ(4u, files) << "no temporary file may stay behind";
}

TEST(SaveTarget, FilesTheUserMayNotWriteAreNeverReplaced) {
  TempDir dir;
  fs::permissions(dir.Dir(), fs::perms::all);  // the unprivileged user may create files here
  const std::string readOnly = dir.File("readonly.tmm"), othersFile = dir.File("others.tmm");
  WriteFileBytes(readOnly, Bytes("old"));
  ::chmod(readOnly.c_str(), 0444);
  WriteFileBytes(othersFile, Bytes("old"));
  ::chmod(othersFile.c_str(), 0644);
  ::chown(othersFile.c_str(), ::geteuid() == 0 ? 0 : ::geteuid(), ::getegid());
  fs::create_directories(dir.File("locked"));
  const std::string inLockedDir = dir.File("locked/writable.tmm");
  WriteFileBytes(inLockedDir, Bytes("old"));
  ::chmod(inLockedDir.c_str(), 0666);
  ::chmod(dir.File("locked").c_str(), 0555);

  const int refused = RunUnprivileged([&] {
    int failures = 0;
    for (const std::string& path : {readOnly, inLockedDir}) failures += Save(path, "new") ? 0 : 1;
    // A file root owns in the user's folder is as much off limits (only checkable as root).
    if (::getuid() == UnprivilegedId)
      failures += Save(othersFile, "new") ? 0 : 1;
    else
      ++failures;
    return failures;
  });
  EXPECT_EQ(3, refused);
  for (const std::string& path : {readOnly, othersFile, inLockedDir}) EXPECT_EQ(Bytes("old"), ReadFileBytes(path));
  size_t files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.Dir())) ++files;
  EXPECT_EQ(3u, files) << "no temporary file may stay behind";

  // Root may write anything, as truncating the file in place would let it.
  if (::geteuid() == 0) {
    EXPECT_TRUE(Save(readOnly, "root"));
    EXPECT_EQ(Bytes("root"), ReadFileBytes(readOnly));
  }
  ::chmod(dir.File("locked").c_str(), 0755);
}

TEST(SaveTarget, SameFileSeesThroughSpellingsLinksAndHardLinks) {
  TempDir dir;
  fs::create_directories(dir.File("sub"));
  const std::string map = dir.File("level.tmm");
  WriteFileBytes(map, Bytes("map"));
  WriteFileBytes(dir.File("other.tmm"), Bytes("map"));
  fs::create_symlink(map, dir.File("link.tcm"));
  fs::create_hard_link(map, dir.File("hard.tcm"));

  EXPECT_TRUE(IsSameFile(map, map));
  EXPECT_TRUE(IsSameFile(map, dir.File("sub/../level.tmm")));
  EXPECT_TRUE(IsSameFile(map, dir.File("link.tcm")));
  EXPECT_TRUE(IsSameFile(map, dir.File("hard.tcm")));
  EXPECT_FALSE(IsSameFile(map, dir.File("other.tmm")));
  EXPECT_FALSE(IsSameFile(map, dir.File("level.tcm")));  // not there yet
}

TEST(RegularFile, OpensOnlyRegularFilesAndNeverWaits) {
  TempDir dir;
  WriteFileBytes(dir.File("plain"), Bytes("x"));
  ASSERT_EQ(0, ::mkfifo(dir.File("fifo").c_str(), 0644));
  fs::create_directories(dir.File("folder"));

  int error = 0;
  std::FILE* plain = OpenRegularFile(dir.File("plain"), error);
  ASSERT_NE(nullptr, plain);
  EXPECT_EQ('x', std::fgetc(plain));  // blocking reads work again
  std::fclose(plain);
  for (const char* name : {"fifo", "folder"}) {
    EXPECT_EQ(nullptr, OpenRegularFile(dir.File(name), error)) << name;
    EXPECT_EQ(NotARegularFile, error) << name;
  }
  EXPECT_EQ(nullptr, OpenRegularFile(dir.File("missing"), error));
  EXPECT_EQ(ENOENT, error);
}

TEST(SaveTarget, ATemporaryNameLeftBehindIsSkipped) {
  TempDir dir;
  const std::string path = dir.File("a.tmm");
  // The next few names this process would pick, as a crashed save would leave them.
  const std::string probe = TemporaryPathBeside(path);
  const std::string stem = probe.substr(0, probe.rfind('-') + 1);
  const unsigned next = static_cast<unsigned>(std::stoul(probe.substr(probe.rfind('-') + 1))) + 1;
  for (unsigned i = next; i < next + 5; ++i) WriteFileBytes(stem + std::to_string(i), Bytes("left"));
  EXPECT_TRUE(Save(path, "new"));
  EXPECT_EQ(Bytes("new"), ReadFileBytes(path));
}

}  // namespace tessmoor
