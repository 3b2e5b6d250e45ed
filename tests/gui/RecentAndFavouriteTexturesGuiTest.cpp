// Two open maps: a texture set in one is recent only there; a favourite starred
// in one is a favourite wherever a texture of the same name and frames is, and
// after the next start too.

#include <gtest/gtest.h>

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "app/EditorSession.h"
#include "document/PascalString.h"
#include "edit/CellFieldEdit.h"
#include "editor/widgets/FavouriteTextures.h"

namespace tessmoor {

namespace {

struct Texture {
  std::string name;
  std::vector<std::string> frames;
};

// Windows-1252 bytes, with one that has no character there at all.
const Texture Stone{"Stein\xE4\x81\xFF", {"STEIN1.PCX", "ST\xC4IN2.PCX"}};
const Texture StoneOneFrame{Stone.name, {"STEIN1.PCX"}};
const Texture Wood{"Holz", {"HOLZ.PCX"}};

void MakeTable(EditorSession& session, const std::vector<Texture>& table) {
  session.Model().Replace([&table](MapDocument& map) {
    map.textureCount = int(table.size());
    for (size_t t = 0; t < table.size(); ++t) {
      WritePascalString(map.textures[t].name, TextureNameCapacity, table[t].name);
      map.textures[t].frameCount = int(table[t].frames.size());
      for (size_t k = 0; k < table[t].frames.size(); ++k)
        WritePascalString(map.textures[t].frames[k].fileName, FrameNameCapacity, table[t].frames[k]);
    }
  });
}

class RecentAndFavouriteTexturesGuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(config.isValid());
    // Qt fixed the settings folder at the first QSettings of the process: this test's own folder instead.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
      const QSettings probe(format, QSettings::UserScope, "probe", "probe");
      previous.push_back(QFileInfo(QFileInfo(probe.fileName()).path()).path());
      QSettings::setPath(format, QSettings::UserScope, config.path());
    }
    MakeTable(first, {Stone, Wood});
    MakeTable(second, {Wood, StoneOneFrame, Stone});
  }

  void TearDown() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, previous[0]);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, previous[1]);
  }

  QTemporaryDir config;
  std::vector<QString> previous;
  EditorSession first{"/nonexistent/"};
  EditorSession second{"/nonexistent/"};
};

TEST_F(RecentAndFavouriteTexturesGuiTest, RecentStaysInItsMapAndFavouritesFollowNameAndFramesAcrossMapsAndStarts) {
  CellFieldEdit edit;
  edit.changed.set(TextureField(SurfaceKind::Floor));
  edit.values.texture[SurfaceKind::Floor] = 1;
  ASSERT_TRUE(EditCells(first.Model(), {3, 3, 4, 4}, edit));
  EXPECT_EQ(first.Recent().Textures(), std::vector<int>{1});
  EXPECT_TRUE(second.Recent().Textures().empty()) << "another map's recent list";

  FavouriteTextures& favourites = FavouriteTextures::Instance();
  QSignalSpy changed(&favourites, &FavouriteTextures::Changed);
  favourites.Toggle(first.Map().textures[0]);
  EXPECT_EQ(changed.count(), 1);
  const auto& table = second.Map().textures;
  EXPECT_FALSE(favourites.IsFavourite(table[0]));
  EXPECT_FALSE(favourites.IsFavourite(table[1])) << "same name, other frames";
  EXPECT_TRUE(favourites.IsFavourite(table[2])) << "same name and frames in the other map";

  FavouriteTextures nextStart;
  EXPECT_TRUE(nextStart.IsFavourite(table[2])) << "read back from the settings file";
  EXPECT_FALSE(nextStart.IsFavourite(table[1]));
  favourites.Toggle(table[2]);
  EXPECT_FALSE(FavouriteTextures().IsFavourite(first.Map().textures[0])) << "starred off again";
}

}  // namespace

}  // namespace tessmoor
