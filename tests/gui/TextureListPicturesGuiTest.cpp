// The texture lists of the properties window and of Suchen und Ersetzen: each
// texture's first frame beside its name, following the table through its
// commands, and typing in the open list that jumps to the first matching name.

#include <QAbstractItemView>
#include <QComboBox>
#include <cstring>

#include "edit/TextureCommands.h"
#include "editor/widgets/HiColorQImage.h"
#include "gui/MainWindowFixture.h"

namespace tessmoor {

namespace {

const char* const Lists[] = {"CboTexFloor",           "CboTexCeiling", "CboTexWall",   "CboTexPedestalFloor",
                             "CboTexPedestalCeiling", "CboTexture",    "CboSetTexture"};
// Two frames of 64 x 64 pixels, each with a pattern of its own.
void AddTexture(MapDocument& map, const char* name) {
  TextureEntry& entry = map.textures[static_cast<size_t>(map.textureCount)];
  entry.index = map.textureCount++;
  entry.name[0] = static_cast<uint8_t>(std::strlen(name));
  std::memcpy(entry.name + 1, name, entry.name[0]);
  entry.frameCount = 2;
  for (int frame = 0; frame < 2; ++frame) {
    const int seed = entry.index * 2 + frame;
    AllocImage(64, 64, entry.frames[frame].thumbnail);
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x)
        SetImagePixel(x, y, PackRGB555((x * seed) & 31, (y + 9 * seed) & 31, (x ^ y) & 31),
                      entry.frames[frame].thumbnail);
  }
}

class TextureListPicturesGuiTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    Arrange([](MapDocument& map) {
      // "Sand" is used by no cell, so it can be deleted.
      for (const char* name : {"Sand", "Stein", "Wasser", "steg"}) AddTexture(map, name);
      map.Cell(0, 0).texture[static_cast<int>(SurfaceKind::Floor)] = 2;  // Wasser: Qt's own search starts after it
    });
    Click(CellPoint(0, 0));
    Trigger("ViewProperties");
    Trigger("EditFindReplace");
  }
  void TearDown() override {
    QApplication::setKeyboardInputInterval(interval);
    MainWindowFixture::TearDown();
  }

  QComboBox* List(const char* name) { return window->findChild<QComboBox*>(name); }

  // Every texture item shows the first frame of the texture it stands for; the
  // entry for no texture shows none. Suchen und Ersetzen takes the table as it opens.
  void ExpectFirstFrames(const char* after) {
    Trigger("EditFindReplace");
    for (const char* name : Lists) {
      QComboBox* list = List(name);
      ASSERT_EQ(list->count(), Document().textureCount + 1) << name << " after " << after;
      EXPECT_TRUE(list->itemIcon(0).isNull()) << name;
      for (int row = 1; row < list->count(); ++row) {
        const HiColorImage& frame = Document().textures[list->itemData(row).toUInt()].frames[0].thumbnail;
        const QImage shown = list->itemIcon(row).pixmap(32, 32).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage expected = ToQImage(frame).scaledToHeight(32, Qt::SmoothTransformation);
        EXPECT_TRUE(shown == expected.convertToFormat(QImage::Format_RGB32))
            << name << " row " << row << " after " << after;
      }
    }
  }

  const int interval = QApplication::keyboardInputInterval();
};

TEST_F(TextureListPicturesGuiTest, EveryListShowsEachTexturesFirstFrameAndFollowsTheTable) {
  ExpectFirstFrames("opening");
  // The same names and numbers with other pictures, then other numbers, then back.
  ASSERT_TRUE(MoveFrameDown(Model(), 1, 0));
  ExpectFirstFrames("moving a frame");
  ASSERT_TRUE(DeleteTexture(Model(), 0, nullptr).ok);
  ExpectFirstFrames("deleting");
  ASSERT_TRUE(Model().Undo());
  ExpectFirstFrames("undo");
}

TEST_F(TextureListPicturesGuiTest, TypingInTheOpenListJumpsToTheFirstNameStartingWithIt) {
  QApplication::setKeyboardInputInterval(60000);  // however slowly the machine types the keys
  const struct {
    const char* list;
    const char* typed;
    const char* chosen;
  } rows[] = {{"CboTexFloor", "STE", "Stein"}, {"CboTexture", "st", "1: Stein"}};
  for (const auto& row : rows) {
    QComboBox* list = List(row.list);
    list->window()->activateWindow();
    list->showPopup();
    QWidget* view = QApplication::focusWidget();
    ASSERT_EQ(view, list->view()) << row.list;
    QTest::keyClicks(view, row.typed);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(list->currentText().toStdString(), row.chosen) << row.list << " " << row.typed;
  }
}

}  // namespace

}  // namespace tessmoor
