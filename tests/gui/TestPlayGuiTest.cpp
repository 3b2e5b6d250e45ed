// Test-play driven as a designer does it: a profile whose program is a script
// that records what it was given, F10 and Shift+F10 pressed on the main window.

#include <QDialog>
#include <QDirIterator>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include "app/TestProfile.h"
#include "check/MapFinding.h"
#include "editor/windows/EditorCompileForm.h"
#include "editor/features/TestPlay.h"
#include "editor/windows/TestRunForm.h"
#include "gui/MainWindowFixture.h"
#include "support/TempDir.h"

using namespace tessmoor;

namespace {

// Records its arguments one a line, copies the model (its second argument) and
// lists the model's folder beside it, talks on both channels and fails with 3.
const char* const RecordingScript = R"sh(#!/bin/sh
rec="$1"
: > "$rec/args"
for a in "$@"; do printf '%s\n' "$a" >> "$rec/args"; done
cp "$2" "$rec/model.tcm"
ls -A "$(dirname "$2")" > "$rec/folder"
echo "Hallo aus dem Spiel"
echo "Fehlerkanal" >&2
exit 3
)sh";

QStringList ReadLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

class TestPlayGuiTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    // Settings and temporary folders of this test only.
    ASSERT_TRUE(config.isValid() && tmp.isValid());
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("TMPDIR", tmp.path().toUtf8());
    StoreTestProfiles({});
    ASSERT_TRUE(QDir(home.path()).mkpath("mein spiel") && QDir(home.path()).mkpath("Aufzeichnung 1"));
    script = home.path() + "/mein spiel/lauf test.sh";
    record = home.path() + "/Aufzeichnung 1";
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(RecordingScript);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    MainWindowFixture::SetUp();
  }

  void TearDown() override {
    MainWindowFixture::TearDown();
    qunsetenv("TMPDIR");
  }

  void UseProfile(const QString& program, const QString& arguments, bool saveFirst = false) {
    TestProfile profile{"Skript", program.toStdString(), arguments.toStdString(), "", saveFirst};
    StoreTestProfiles({{profile}, 0});
  }

  // The sample map, saved under a name with a space.
  void OpenSampleMap() {
    mapPath = programDirectory + "Maps/mein level.tmm";
    ASSERT_TRUE(QFile::copy(QString(TM_BIN_DIR) + "/Maps/Sample.tmm", mapPath));
    ASSERT_TRUE(window->OpenMapFile(mapPath));
  }

  void Press(int key, Qt::KeyboardModifiers modifiers = {}) {
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(window.get(), Qt::Key(key), modifiers);
  }

  void WaitForTheRunToEnd() {
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->TestPlayFeature().IsRunning(); }, 20000));
  }

  // Every run folder that exists now.
  QStringList RunFolders() { return QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

  QByteArray Tmcompile(const QString& map) {
    const QString out = home.path() + "/oracle.tcm";
    QFile::remove(out);
    QProcess tmcompile;
    tmcompile.start(QString(TM_BIN_DIR) + "/tmcompile", {"-o", out, map});
    EXPECT_TRUE(tmcompile.waitForFinished(60000));
    EXPECT_EQ(tmcompile.exitCode(), 0) << tmcompile.readAllStandardError().toStdString();
    return ReadAll(out);
  }

  static QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // The first cell that `wanted` accepts, brought into the view's top-left corner and clicked.
  GridPoint SelectCellWhere(const std::function<bool(GridPoint)>& wanted) {
    for (int x = 0; x < GridSize - 8; ++x)
      for (int y = 0; y < GridSize - 4; ++y)
        if (wanted({x, y})) {
          ScrollTo(x, y);
          Click(CellPoint(0, 0));
          return {x, y};
        }
    ADD_FAILURE() << "no such cell";
    return {};
  }

  bool IsWall(GridPoint cell) { return Document().Cell(cell.x, cell.y).type == static_cast<uint8_t>(CellType::Wall); }

  GridPoint SelectOpenCellBesideTheStart() {
    const StartPosition start = Document().startPosition;
    return SelectCellWhere([&](GridPoint cell) { return !IsWall(cell) && (cell.x != start.x || cell.y != start.y); });
  }

  QTemporaryDir config, tmp, home;
  QString script, record, mapPath;
};

TEST_F(TestPlayGuiTest, F10GivesTheProgramTheCompileOfTheMapWithEveryPlaceholderAsOneArgument) {
  OpenSampleMap();
  UseProfile(script, "\"" + record + "\" %m %k %x %y %g \"a b\" --start=%x,%y 100%%");
  Press(Qt::Key_F10);
  WaitForTheRunToEnd();

  const QStringList args = ReadLines(record + "/args");
  ASSERT_EQ(args.size(), 9) << args.join('|').toStdString();
  const StartPosition start = Document().startPosition;
  EXPECT_EQ(args[0], record);
  EXPECT_EQ(QFileInfo(args[1]).fileName(), "mein level.tcm");
  EXPECT_EQ(args.mid(2),
            (QStringList{mapPath, QString::number(start.x), QString::number(start.y), programDirectory + "GFX", "a b",
                         QString("--start=%1,%2").arg(start.x).arg(start.y), "100%"}));
  EXPECT_EQ(ReadAll(record + "/model.tcm"), Tmcompile(mapPath));
  EXPECT_EQ(ReadLines(record + "/folder"), QStringList{"mein level.tcm"}) << "the run's folder holds only the model";
  EXPECT_TRUE(RunFolders().isEmpty()) << "the folder goes when the run ends";

  const TFrmTestRun& output = window->TestPlayFeature().RunWindow();
  EXPECT_TRUE(output.isVisible());
  const QStringList shown = output.Text().split('\n');
  EXPECT_TRUE(shown.contains("Hallo aus dem Spiel") && shown.contains("Fehlerkanal")) << output.Text().toStdString();
  EXPECT_EQ(output.Text().trimmed().split('\n').back(), "Beendet mit Exit-Status 3.");
  EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(TestPlayGuiTest, ShiftF10MovesTheStartInTheModelOnlyAndLeavesTheMapAsItWas) {
  OpenSampleMap();
  MakeAnEdit();
  Trigger("FileSave");  // a history behind a saved state
  ASSERT_FALSE(Model().IsModified());
  UseProfile(script, "\"" + record + "\" %m %x %y");
  const GridPoint cell = SelectOpenCellBesideTheStart();
  const StartPosition start = Document().startPosition;
  const auto undoName = Model().History().UndoName();
  const QByteArray saved = ReadAll(mapPath);

  Press(Qt::Key_F10, Qt::ShiftModifier);
  WaitForTheRunToEnd();
  EXPECT_EQ(ReadLines(record + "/args").mid(2), (QStringList{QString::number(cell.x), QString::number(cell.y)}));
  EXPECT_EQ(Document().startPosition.x, start.x);
  EXPECT_EQ(Document().startPosition.y, start.y);
  EXPECT_FALSE(Model().IsModified());
  EXPECT_FALSE(Document().modified);
  EXPECT_TRUE(Model().History().CanUndo());
  EXPECT_FALSE(Model().History().CanRedo());
  EXPECT_EQ(Model().History().UndoName(), undoName);
  EXPECT_EQ(ReadAll(mapPath), saved);

  // The oracle: the map with the start really there, compiled by tmcompile.
  const QByteArray played = ReadAll(record + "/model.tcm");
  SetStartPosition(Model(), {cell.x, cell.y});
  const QString moved = programDirectory + "Maps/moved.tmm";
  ASSERT_TRUE(Model().Save(moved.toStdString()).ok);
  EXPECT_EQ(played, Tmcompile(moved));
}

TEST_F(TestPlayGuiTest, WallCellsAndProgramsThatCannotStartAreRefusedWithAMessage) {
  OpenSampleMap();
  UseProfile(home.path() + "/nirgends/spiel", "%m");
  Press(Qt::Key_F10);
  ASSERT_EQ(dialogs.log.size(), 1u);
  const std::string expected =
      "error:Das Programm „" + (home.path() + "/nirgends/spiel").toStdString() + "“ konnte nicht gestartet werden: ";
  EXPECT_EQ(dialogs.log[0].substr(0, expected.size()), expected);
  EXPECT_GT(dialogs.log[0].size(), expected.size()) << "with the system's reason";
  EXPECT_TRUE(RunFolders().isEmpty());

  dialogs.log.clear();
  UseProfile(script, "\"" + record + "\" %m");
  const GridPoint wall = SelectCellWhere([this](GridPoint cell) { return IsWall(cell); });
  for (int key : {Qt::Key_F10, Qt::Key_F5}) Press(key, Qt::ShiftModifier);
  const std::string refusal =
      "error:Die Zelle " + CellText(wall) + " ist eine Wand; dort kann der Spieler nicht stehen.";
  EXPECT_EQ(dialogs.log, (std::vector<std::string>{refusal, refusal}));
  EXPECT_FALSE(window->TestPlayFeature().IsRunning());
  EXPECT_FALSE(QFile::exists(record + "/args"));
}

TEST_F(TestPlayGuiTest, AMapWithErrorsShowsTheCompileLogAndStartsNothing) {
  OpenSampleMap();
  const GridPoint wall = SelectCellWhere([this](GridPoint cell) { return IsWall(cell); });
  SetStartPosition(Model(), {wall.x, wall.y});
  UseProfile(script, "\"" + record + "\" %m");
  Press(Qt::Key_F10);
  EXPECT_FALSE(window->TestPlayFeature().IsRunning());
  EXPECT_FALSE(QFile::exists(record + "/args"));
  EXPECT_TRUE(RunFolders().isEmpty());
  TFrmCompile& log = *window->findChild<TFrmCompile*>("FrmCompile");
  EXPECT_TRUE(log.isVisible());
  EXPECT_TRUE(log.Lines().front().startsWith(QString::fromStdString("Fehler " + CellText(wall))))
      << log.Lines().join('\n').toStdString();
  EXPECT_EQ(log.Lines().back(), "Der Testlauf wurde nicht gestartet.");
}

TEST_F(TestPlayGuiTest, F10DuringARunAsksBeforeEndingItAndTheEditorsEndRemovesTheFolder) {
  OpenSampleMap();
  const QString slow = home.path() + "/mein spiel/langsam.sh";
  QFile file(slow);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("#!/bin/sh\necho \"$1\" >> \"$2/runs\"\nexec sleep 60\n");
  file.close();
  file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  UseProfile(slow, "%m \"" + record + "\"");

  Press(Qt::Key_F10);
  ASSERT_TRUE(QTest::qWaitFor([this] { return ReadLines(record + "/runs").size() == 1; }, 20000));
  dialogs.restartAnswers = {false, true};
  Press(Qt::Key_F10);  // Nein: the run goes on
  EXPECT_TRUE(window->TestPlayFeature().IsRunning());
  EXPECT_EQ(RunFolders().size(), 1);
  Press(Qt::Key_F10);  // Ja: a new run in a new folder
  ASSERT_TRUE(QTest::qWaitFor([this] { return ReadLines(record + "/runs").size() == 2; }, 20000));
  EXPECT_EQ(dialogs.log, (std::vector<std::string>{"ask-restart", "ask-restart"}));
  const QStringList runs = ReadLines(record + "/runs");
  EXPECT_NE(QFileInfo(runs[0]).path(), QFileInfo(runs[1]).path());
  EXPECT_EQ(RunFolders().size(), 1) << "the first run's folder went with it";

  window.reset();
  EXPECT_TRUE(RunFolders().isEmpty());
}

// The profiles dialog as the keyboard fills it; OK stores, Escape does not.
TEST_F(TestPlayGuiTest, ProfilesTypedIntoTheDialogAreStoredWithOk) {
  const auto fill = [](QDialog& dialog, bool accept) {
    QApplication::setActiveWindow(&dialog);
    // Alt+N clicks "Neu" the way a button's key does, a moment later; then the program field has the focus.
    QTest::keyClick(&dialog, Qt::Key_N, Qt::AltModifier);
    auto* list = dialog.findChild<QListWidget*>("LstProfiles");
    ASSERT_TRUE(QTest::qWaitFor([list] { return list->count() == 1; }));
    QTest::keyClicks(QApplication::focusWidget(), "/opt/mein spiel/engine");
    QTest::keyClick(&dialog, Qt::Key_A, Qt::AltModifier);
    QTest::keyClicks(QApplication::focusWidget(), "-map \"%m\"");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // Vorher speichern
    QTest::keyClick(QApplication::focusWidget(), accept ? Qt::Key_Return : Qt::Key_Escape);
  };
  for (bool accept : {false, true}) {
    QTimer::singleShot(0, [&] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) fill(*dialog, accept);
    });
    Trigger("ExtrasTestProfiles");
    const TestProfiles stored = LoadTestProfiles();
    if (!accept) {
      EXPECT_TRUE(stored.profiles.empty());
      continue;
    }
    ASSERT_EQ(stored.profiles.size(), 1u);
    EXPECT_EQ(stored.profiles[0], (TestProfile{"Profil 1", "/opt/mein spiel/engine", "-map \"%m\"", "", true}));
    EXPECT_EQ(stored.defaultIndex, 0);
  }
}

// "..." beside the program asks the dialog layer, starting where the program
// named so far lies; a cancelled choice leaves the field as it was.
TEST_F(TestPlayGuiTest, TheProgramButtonPutsTheChosenFileIntoTheField) {
  UseProfile(script, "");
  const QString chosen = home.path() + "/anderes spiel/start";
  dialogs.programAnswers = {std::nullopt, chosen.toStdString()};
  QStringList shown;
  bool programFocused = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    auto* field = dialog->findChild<QLineEdit*>("EdtProgram");
    QApplication::setActiveWindow(dialog);
    QTest::keyClick(dialog, Qt::Key_P, Qt::AltModifier);
    programFocused = QApplication::focusWidget() == field;
    if (auto* button = dialog->findChild<QPushButton*>("BtnProgram")) {
      for (int i = 0; i < 2; ++i) {
        QTest::mouseClick(button, Qt::LeftButton);
        shown << field->text();
      }
    }
    dialog->accept();
  });
  Trigger("ExtrasTestProfiles");
  EXPECT_TRUE(programFocused) << "Alt+P reaches the program field";
  EXPECT_EQ(shown, QStringList({script, chosen}));
  EXPECT_EQ(dialogs.log, (std::vector<std::string>{"program", "program"}));
  const std::string folder = (home.path() + "/mein spiel").toStdString();
  EXPECT_EQ(dialogs.startDirectories, (std::vector<std::string>{folder, folder}));
  ASSERT_EQ(LoadTestProfiles().profiles.size(), 1u);
  EXPECT_EQ(LoadTestProfiles().profiles[0].program, chosen.toStdString());
}

// The run window leaves the main window in sight, and a command line wider than
// the window breaks into lines instead of running out of it.
TEST_F(TestPlayGuiTest, TheRunWindowOpensBesideTheMainWindowAndWrapsItsCommandLine) {
  OpenSampleMap();
  UseProfile(script, "\"" + record + "\" %m --" + QString(300, 'x'));
  const QRect screen = window->screen()->availableGeometry();
  window->setGeometry(QRect(screen.topLeft(), window->minimumSizeHint()));
  QCoreApplication::processEvents();
  const QRect main = window->frameGeometry();
  const TFrmTestRun& output = window->TestPlayFeature().RunWindow();
  const bool room =
      main.right() + output.width() <= screen.right() || main.bottom() + output.height() <= screen.bottom();
  ASSERT_TRUE(room) << "the screen is too small for this test";
  Press(Qt::Key_F10);
  WaitForTheRunToEnd();
  ASSERT_TRUE(output.isVisible());
  QCoreApplication::processEvents();
  EXPECT_FALSE(output.frameGeometry().intersects(main));
  EXPECT_TRUE(screen.contains(output.frameGeometry()));

  auto* text = output.findChild<QPlainTextEdit*>("MmoTestRun");
  EXPECT_EQ(text->horizontalScrollBar()->maximum(), 0);
  EXPECT_GT(text->document()->firstBlock().layout()->lineCount(), 1);
}

TEST_F(TestPlayGuiTest, CommandsSitInTheirMenusWithTheirKeys) {
  const auto item = [this](const char* name) {
    QAction* action = Action(name);
    return action ? action->text() + " " + action->shortcut().toString() : QString("missing");
  };
  EXPECT_EQ(item("FileTest"), "&Testen F10");
  EXPECT_EQ(item("FileTestFromHere"), "Ab &hier testen Shift+F10");
  EXPECT_EQ(item("View3DFromHere"), "3D-Ansicht ab h&ier Shift+F5");
  EXPECT_EQ(item("ExtrasTestProfiles"), "Test&profile... ");
  const QList<QAction*> file = Control<QMenu>("MnuFile")->actions();
  EXPECT_EQ(file.indexOf(Action("FileTest")), file.indexOf(Action("FileCompile")) + 1);
  const QList<QAction*> view = Control<QMenu>("MnuView")->actions();
  EXPECT_EQ(view.indexOf(Action("View3DFromHere")), view.indexOf(Action("View3D")) + 1);
  EXPECT_TRUE(Control<QMenu>("MnuExtras")->actions().contains(Action("ExtrasTestProfiles")));
}

}  // namespace
