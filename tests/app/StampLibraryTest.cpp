// The stamp library on real files: what a sequence of saves, renames and
// removals leaves in the folder, and what the listing shows of it.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>

#include "app/StampLibrary.h"
#include "support/TempDir.h"
#include "texts/StampTexts.h"

namespace tessmoor {

namespace {

namespace fs = std::filesystem;

Stamp SmallStamp(int width, int height) {
  Stamp stamp;
  stamp.block.width = width;
  stamp.block.height = height;
  stamp.block.cells.resize(static_cast<size_t>(width * height));
  stamp.textures.resize(1);  // every cell's surfaces refer to it
  stamp.textures[0].name = "Stein";
  for (size_t k = 0; k < stamp.block.cells.size(); ++k) stamp.block.cells[k].type = static_cast<uint8_t>(k % 3);
  return stamp;
}

// A name of pieces that the file name rule treats differently: ASCII letters
// and digits, '-', blanks and marks, a letter beyond ASCII, a character beyond
// 16 bits, and slashes and dots that must never leave the folder.
std::string RandomName(std::mt19937& random) {
  static const char* const pieces[] = {"a", "Z", "7", "-", "_", " ", "ä", "€", "/", "..", "\xF0\x9F\x98\x80", "Halle"};
  std::string name;
  // Mostly short, so that names meet on one file name; now and then beyond the length a file name keeps.
  const int length =
      std::uniform_int_distribution<int>(0, 9)(random) == 0 ? 80 : std::uniform_int_distribution<int>(0, 3)(random);
  for (int k = 0; k < length; ++k)
    name += pieces[std::uniform_int_distribution<size_t>(0, std::size(pieces) - 1)(random)];
  return name;
}

// 'ä' counts as a letter, as the user interface's rule says.
bool LettersWithUmlauts(char32_t c) { return (c < 0x80 && std::isalnum(static_cast<int>(c))) || c == U'ä'; }

}  // namespace

TEST(StampLibrary, RandomSavesRenamesAndRemovalsLeaveTheFolderTheListingShows) {
  TempDir dir;
  const std::string folder = dir.Dir() + "stamps/";
  StampLibrary library(folder, {nullptr, LettersWithUmlauts});
  std::map<std::string, std::string> expected;  // path -> stored name
  std::mt19937 random(20261209);
  EXPECT_TRUE(library.List().empty()) << "no folder yet";

  for (int step = 0; step < 300; ++step) {
    if (step % 50 == 10) {
      // Files that are no stamps of the library stay where they are and are not listed.
      fs::create_directories(folder);
      WriteFileBytes(folder + "kaputt" + std::to_string(step) + ".tms", {1, 2, 3});
      WriteFileBytes(folder + "notiz" + std::to_string(step) + ".txt", {'x'});
      fs::create_directories(folder + "ordner" + std::to_string(step) + ".tms");
      // A stamp whose file is hidden is no stamp of the library; one whose extension is in capitals is.
      const Stamp stamp = SmallStamp(2, 1);
      ASSERT_TRUE(SaveStamp(stamp, folder + ".versteckt" + std::to_string(step) + ".tms").ok);
      ASSERT_TRUE(SaveStamp(stamp, folder + "GROSS" + std::to_string(step) + ".TMS").ok);
      expected[folder + "GROSS" + std::to_string(step) + ".TMS"] = stamp.name;
    }
    const std::vector<StoredStamp> before = library.List();
    const int operation = std::uniform_int_distribution<int>(0, before.empty() ? 0 : 3)(random);
    const std::string name = RandomName(random);
    const std::string stored = name.substr(0, StampNameCapacity);
    if (operation <= 1) {
      // The first of "Name.tms", "Name-2.tms", ... that nothing in the folder has.
      const std::string base = folder + StampFileBase(name, LettersWithUmlauts);
      std::string path = base + ".tms";
      for (int n = 2; fs::exists(path); ++n) path = base + "-" + std::to_string(n) + ".tms";
      const StampOutcome outcome = library.Add(SmallStamp(1 + step % 4, 1 + step % 3), name);
      if (name.empty()) {
        EXPECT_EQ(StampCode::NoName, outcome.code);
        continue;
      }
      ASSERT_TRUE(outcome.Ok()) << name;
      expected[path] = stored;
    } else {
      const StoredStamp& chosen = before[std::uniform_int_distribution<size_t>(0, before.size() - 1)(random)];
      if (operation == 2) {
        EXPECT_EQ(name.empty() ? StampCode::NoName : StampCode::Done, library.Rename(chosen, name).code);
        if (!name.empty()) expected[chosen.path] = stored;
      } else {
        EXPECT_TRUE(library.Remove(chosen).Ok());
        expected.erase(chosen.path);
      }
    }
    const std::vector<StoredStamp> listed = library.List();
    std::map<std::string, std::string> shown;
    for (const StoredStamp& s : listed) shown[s.path] = s.stamp.name;
    ASSERT_EQ(expected, shown) << "step " << step;
    EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end(),
                               [](const auto& a, const auto& b) { return a.stamp.name < b.stamp.name; }));
    for (const StoredStamp& s : listed) EXPECT_EQ(folder, s.path.substr(0, s.path.rfind('/') + 1)) << s.path;
  }
  EXPECT_TRUE(fs::exists(folder + "kaputt10.tms")) << "a damaged file is never removed";
  // Six times a damaged file, a note, a folder and a hidden stamp: all still there beside the stamps.
  const auto entries = std::distance(fs::directory_iterator(folder), fs::directory_iterator());
  EXPECT_EQ(static_cast<long>(expected.size()) + 24, entries);
}

TEST(StampLibrary, FileNamesAndFailuresAsTheUserInterfaceShowsThem) {
  struct Row {
    std::string name;
    std::string base;
  };
  const Row rows[] = {
      {"Halle", "Halle"},
      {"Große Tür", "Gro_e_T_r"},  // ß and ü are no letters under the ASCII rule
      {"a/../b", "a____b"},
      {"x\xF0\x9F\x98\x80y", "x__y"},  // beyond 16 bits: two characters, both replaced
      {std::string(70, 'q'), std::string(64, 'q')},
      {std::string(63, 'q') + "\xF0\x9F\x98\x80", std::string(63, 'q') + "_"},
      {"-", "-"},
      {"", ""},
  };
  for (const Row& row : rows) EXPECT_EQ(row.base, StampFileBase(row.name, nullptr)) << row.name;
  EXPECT_EQ("Gro_e_T\xC3\xBCr",
            StampFileBase("Große Tür", [](char32_t c) { return c < 0x80 ? std::isalnum(int(c)) != 0 : c == U'ü'; }));

  TempDir dir;
  WriteFileBytes(dir.File("datei"), {'x'});
  StampLibrary blocked(dir.File("datei"));  // the folder is a file: nothing can be saved in it
  const StampOutcome notSaved = blocked.Add(SmallStamp(2, 2), "Halle");
  EXPECT_EQ(StampCode::NotSaved, notSaved.code);
  EXPECT_EQ(std::vector<std::string>{dir.File("datei") + "/Halle.tms"}, notSaved.args);
  EXPECT_EQ("Der Stempel kann nicht unter \"" + dir.File("datei") + "/Halle.tms\" gespeichert werden.",
            StampText(notSaved));

  StampLibrary library(dir.Dir() + "stamps");
  ASSERT_TRUE(library.Add(SmallStamp(3, 2), "Erste").Ok());
  const StoredStamp first = library.List().at(0);
  EXPECT_EQ(dir.Dir() + "stamps/Erste.tms", first.path);
  EXPECT_EQ(StampCode::NoName, library.Add(SmallStamp(1, 1), "").code);
  ASSERT_TRUE(library.Remove(first).Ok());
  EXPECT_EQ((StampOutcome{StampCode::NotRemoved, {first.path}}).args, library.Remove(first).args);
  fs::remove_all(dir.Dir() + "stamps");
  EXPECT_EQ(StampCode::NotSaved, library.Rename(first, "Zweite").code) << "its folder is gone";
  EXPECT_EQ("", StampText(library.Remove(first))) << "the user is not told of a file that stays";
}

}  // namespace tessmoor
