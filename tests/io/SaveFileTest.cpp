#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "io/ByteSource.h"
#include "io/SaveFile.h"
#include "support/FaultyFileOps.h"
#include "support/TempDir.h"

namespace tessmoor {

TEST(SaveFile, ReplacesTheTargetOnlyOnCommit) {
  TempDir dir;
  const std::string path = dir.File("a.bin");
  WriteFileBytes(path, {1, 2, 3});
  {
    SaveFile file(path);
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(file.Write("xyz", 3));
    EXPECT_EQ((std::vector<unsigned char>{1, 2, 3}), ReadFileBytes(path));
    ASSERT_TRUE(file.Commit());
  }
  EXPECT_EQ((std::vector<unsigned char>{'x', 'y', 'z'}), ReadFileBytes(path));
}

TEST(SaveFile, AnAbandonedSaveLeavesNoTrace) {
  TempDir dir;
  {
    SaveFile file(dir.File("a.bin"));
    ASSERT_TRUE(file.Open());
    file.Write("x", 1);
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.Dir()));
}

TEST(SaveFile, KeepsThePermissionsOfTheReplacedFile) {
  TempDir dir;
  const std::string path = dir.File("a.bin");
  WriteFileBytes(path, {1});
  ::chmod(path.c_str(), 0640);
  SaveFile file(path);
  ASSERT_TRUE(file.Open());
  ASSERT_TRUE(file.Commit());
  struct stat info {};
  ::stat(path.c_str(), &info);
  EXPECT_EQ(0640u, info.st_mode & 0777);
}

TEST(SaveFile, AFailedWriteIsStickyAndFailsTheCommit) {
  TempDir dir;
  FaultyFileOps ops(1);  // the first write
  SaveFile file(dir.File("a.bin"), ops);
  ASSERT_TRUE(file.Open());
  EXPECT_FALSE(file.Write("a", 1));
  EXPECT_FALSE(file.Write("b", 1));
  EXPECT_FALSE(file.Commit());
  EXPECT_TRUE(std::filesystem::is_empty(dir.Dir()));
}

TEST(MemorySource, NeverReadsPastItsData) {
  const uint8_t data[3] = {1, 2, 3};
  MemorySource source(data, sizeof data);
  uint8_t buffer[4] = {};
  EXPECT_TRUE(source.ReadExactly(buffer, 2));
  EXPECT_FALSE(source.ReadExactly(buffer, 2));
  EXPECT_EQ(0u, source.Read(buffer, 4));
}

}  // namespace tessmoor
