// Backups of earlier saves through the main window, and Extras > Einstellungen:
// the picture folders of the user's own and the number of backups.

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

#include "document/MapFile.h"
#include "document/PascalString.h"
#include "document/PictureFolders.h"
#include "edit/TextureCommands.h"
#include "editor/windows/SettingsDialog.h"
#include "editor/widgets/UserSettings.h"
#include "gui/MainWindowFixture.h"
#include "io/MapBackups.h"
#include "support/TempDir.h"

namespace tessmoor {

namespace {

void OnNextModalDialog(std::function<void(QDialog&)> act) {
  QTimer::singleShot(0, [act] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) act(*dialog);
  });
}

// Every test gets data and settings folders of its own.
class BackupsAndSettingsGuiTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    qputenv("XDG_DATA_HOME", home.path().toUtf8() + "/data");
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8() + "/config");
    MainWindowFixture::SetUp();
  }

  std::vector<MapBackup> Backups(const std::string& map) {
    return ListBackups(QFile::encodeName(BackupFolder()).toStdString(), map);
  }

  void SaveAsHalle() {
    dialogs.saveAsAnswers.push_back(MapPath("Halle.tmm"));
    Trigger("FileSaveAs");
    ASSERT_EQ(MapPath("Halle.tmm"), Document().fileName);
  }

  QTemporaryDir home;
};

}  // namespace

TEST_F(BackupsAndSettingsGuiTest, SavesKeepTheReplacedMapsAndAnEarlierOneOpensUntitledAndModified) {
  SaveAsHalle();
  EXPECT_TRUE(Backups(MapPath("Halle.tmm")).empty()) << "a new file replaces nothing";
  std::vector<std::vector<unsigned char>> saved{ReadFileBytes(MapPath("Halle.tmm"))};
  for (int i = 0; i < 5; ++i) {
    MakeAnEdit();
    Trigger("FileSave");
    saved.push_back(ReadFileBytes(MapPath("Halle.tmm")));
  }
  const std::vector<MapBackup> backups = Backups(MapPath("Halle.tmm"));
  ASSERT_EQ(5u, backups.size());
  for (size_t i = 0; i < backups.size(); ++i) EXPECT_EQ(saved[4 - i], ReadFileBytes(backups[i].path)) << i;
  EXPECT_EQ(nullptr, window->findChild<QStatusBar*>()) << "no status bar while backups succeed";

  // A change first: opening asks the question, as Open does.
  MakeAnEdit();
  dialogs.saveAnswers.push_back(SaveChangesAnswer::No);
  int listed = 0;
  OnNextModalDialog([&](QDialog& dialog) {
    auto* list = dialog.findChild<QTreeWidget*>("LVBackups");
    listed = list->topLevelItemCount();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
  });
  Trigger("FileEarlierVersion");
  EXPECT_EQ(5, listed);
  EXPECT_EQ(std::vector<std::string>({"save", "ask-save"}), dialogs.log);
  EXPECT_TRUE(Document().IsUntitled());
  EXPECT_TRUE(Model().IsModified());
  const std::vector<uint8_t> opened = MapFileBytes(Document());
  EXPECT_EQ(saved[3], std::vector<unsigned char>(opened.begin(), opened.end())) << "the second newest backup";

  // Saving the copy asks for a name; the backups stay as they were.
  Trigger("FileSave");
  EXPECT_EQ("save", dialogs.log.back());
  EXPECT_EQ(5u, Backups(MapPath("Halle.tmm")).size());
}

TEST_F(BackupsAndSettingsGuiTest, ASaveOfTheSameBytesAddsNoBackupAndTheListSaysWhatChangedSinceEach) {
  const auto raise = [this](std::initializer_list<int> diagonal) {
    for (int i : diagonal) {
      MapCell cell = Document().Cell(i, i);
      cell.floorHeight += 8;
      SetCell(Model(), {i, i}, cell, PaintStepName);
    }
  };
  SaveAsHalle();
  raise({1, 2, 3});
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(1u, Backups(MapPath("Halle.tmm")).size());
  // Saved again unchanged, by both keys: the newest backup stays the newest.
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  QTest::keyClick(window.get(), Qt::Key_F2);
  EXPECT_EQ(1u, Backups(MapPath("Halle.tmm")).size());

  ASSERT_TRUE(AddTexture(Model()).ok);
  raise({4});
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(2u, Backups(MapPath("Halle.tmm")).size());
  raise({4, 5});  // not saved: the list compares with the open map

  QStringList shown;
  OnNextModalDialog([&](QDialog& dialog) {
    auto* list = dialog.findChild<QTreeWidget*>("LVBackups");
    for (int column = 0; column < list->columnCount(); ++column) shown << list->headerItem()->text(column);
    for (int row = 0; row < list->topLevelItemCount(); ++row) shown << list->topLevelItem(row)->text(1);
    QTest::keyClick(list, Qt::Key_Escape);
  });
  Trigger("FileEarlierVersion");
  EXPECT_EQ(shown,
            QStringList({"Gespeichert am", "Seitdem geändert", "Größe", "2 Zellen, 1 Textur", "5 Zellen, 1 Textur"}));
  EXPECT_EQ(MapPath("Halle.tmm"), Document().fileName) << "Escape opens nothing";
}

TEST_F(BackupsAndSettingsGuiTest, ABackupThatFailsGoesToTheStatusBarAndTheSaveSucceeds) {
  SaveAsHalle();
  // A file where the backup folder belongs.
  QString folder = BackupFolder();
  folder.chop(1);
  ASSERT_TRUE(QDir().mkpath(QFileInfo(folder).path()));
  WriteFileBytes(QFile::encodeName(folder).toStdString(), {1});
  MakeAnEdit();
  Trigger("FileSave");
  EXPECT_EQ(std::vector<std::string>({"save"}), dialogs.log) << "no error box";
  EXPECT_FALSE(Model().IsModified());
  auto map = std::make_unique<MapDocument>();
  ASSERT_TRUE(LoadMap(*map, MapPath("Halle.tmm"), MapLoadOptions{Editor().programDirectory, false}).ok);
  EXPECT_TRUE(SameCell(Document().Cell(63, 63), map->Cell(63, 63))) << "the save wrote the change";
  auto* bar = window->findChild<QStatusBar*>();
  ASSERT_NE(nullptr, bar);
  EXPECT_TRUE(bar->isVisible());
  EXPECT_TRUE(bar->currentMessage().startsWith("Keine Sicherung von Halle.tmm: "))
      << bar->currentMessage().toStdString();
}

TEST_F(BackupsAndSettingsGuiTest, SettingsOrderThePictureFoldersAfterTheUsersOwnAndSetTheBackupCount) {
  // Extras comes after Ansicht.
  QStringList menus;
  for (QAction* menu : window->menuBar()->actions()) menus << menu->text();
  ASSERT_GE(menus.indexOf("E&xtras"), 1);
  EXPECT_EQ(menus.indexOf("&Ansicht") + 1, menus.indexOf("E&xtras"));
  EXPECT_EQ(std::vector<std::string>({QFile::encodeName(UserPictureFolder()).toStdString()}), UserPictureFolders());

  QStringList offered{home.path() + "/engine", home.path() + "/projekt"};
  TFrmSettings settings(window.get(), [&](QWidget*) { return offered.takeFirst(); });
  settings.show();
  settings.findChild<QPushButton*>("BtnAddFolder")->click();
  settings.findChild<QPushButton*>("BtnAddFolder")->click();
  // The second folder is current after adding it; it moves before the first.
  settings.findChild<QPushButton*>("BtnFolderUp")->click();
  auto* count = settings.findChild<QSpinBox*>("SpnBackups");
  EXPECT_EQ(DefaultBackupsPerMap, count->value());
  count->setFocus();
  count->selectAll();
  QTest::keyClicks(count, "3");
  QTest::keyClick(count, Qt::Key_Return);
  EXPECT_EQ(QDialog::Accepted, settings.result());

  EXPECT_EQ(QStringList({home.path() + "/projekt", home.path() + "/engine"}), ExtraPictureFolders());
  EXPECT_EQ(3, BackupsPerMap());
  EXPECT_EQ(
      std::vector<std::string>({QFile::encodeName(UserPictureFolder()).toStdString(),
                                (home.path() + "/projekt/").toStdString(), (home.path() + "/engine/").toStdString()}),
      UserPictureFolders());
}

TEST_F(BackupsAndSettingsGuiTest, TheTextureEditorOffersTheUsersPictureFolderAndMakesItOnFirstUse) {
  Arrange([](MapDocument& document) {
    WritePascalString(document.textures[0].name, TextureNameCapacity, "Wiese");
    document.textureCount = 1;
  });
  OnNextModalDialog([](QDialog& dialog) {
    dialog.findChild<QToolButton*>("SpdAddFile")->click();
    dialog.reject();
  });
  Trigger("ViewTextureEditor");
  ASSERT_EQ(1u, dialogs.pictureSideBars.size());
  const std::vector<std::string>& sideBar = dialogs.pictureSideBars[0];
  EXPECT_NE(std::find(sideBar.begin(), sideBar.end(), QFile::encodeName(UserPictureFolder()).toStdString()),
            sideBar.end());
  EXPECT_TRUE(QFileInfo(UserPictureFolder()).isDir()) << "made on its first use";
}

}  // namespace tessmoor
