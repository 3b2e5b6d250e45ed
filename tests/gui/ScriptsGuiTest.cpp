// Scripts from the window: a line typed into the console is one step for the
// undo key, a script of the menu runs from a key bound to it, and its file
// access is asked once per script text.

#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <fstream>

#include "document/MapFile.h"
#include "editor/commands/CommandRegistry.h"
#include "editor/windows/ScriptConsole.h"
#include "gui/MainWindowFixture.h"

namespace tessmoor {
namespace {

class ScriptsGuiTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    // A fresh user: no answers about file access kept from another run.
    ProgramSettings().remove("Skripte");
    MainWindowFixture::SetUp();
  }

  void WriteScript(const QString& name, const std::string& text) {
    QDir(programDirectory).mkpath("Scripts");
    std::ofstream((programDirectory + "Scripts/" + name).toStdString()) << text;
    // The list is read again as the menu opens.
    emit Control<QMenu>("MnuScripts")->aboutToShow();
  }
};

TEST_F(ScriptsGuiTest, AConsoleLinePaintsARowAndCtrlZTakesItBackInOneStep) {
  const std::vector<uint8_t> before = MapFileBytes(Document());
  Trigger("ExtrasScriptConsole");
  auto& console = Window<TFrmScriptConsole>("FrmScriptConsole");
  QApplication::setActiveWindow(&console);
  ASSERT_EQ(QApplication::focusWidget(), console.findChild<QLineEdit*>("EdtScriptLine"));
  QTest::keyClicks(QApplication::focusWidget(), "for (let x = 0; x < 64; ++x) tessmoor.set(x, 5, 'type', 1); 'ok'");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  for (int x = 0; x < GridSize; ++x) ASSERT_EQ(Document().Cell(x, 5).type, 1) << x;
  EXPECT_TRUE(console.Output().endsWith("ok")) << console.Output().toStdString();
  EXPECT_EQ(Action("EditUndo")->text(), "&Rückgängig: Konsole");

  // An error names its line; the map stays as the last line left it.
  const std::vector<uint8_t> painted = MapFileBytes(Document());
  QTest::keyClicks(QApplication::focusWidget(), "tessmoor.set(0, 6, 'type', 1); tessmoor.get(99, 0, 'type')");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(console.Output().endsWith("Konsole, Zeile 1: Die Zelle (99, 0) liegt außerhalb der Karte"))
      << console.Output().toStdString();
  EXPECT_EQ(MapFileBytes(Document()), painted);
  // Up brings the last line back.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  EXPECT_TRUE(console.findChild<QLineEdit*>("EdtScriptLine")->text().startsWith("tessmoor.set(0, 6"));

  QApplication::setActiveWindow(window.get());
  window->FocusMap();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(MapFileBytes(Document()), before);
}

TEST_F(ScriptsGuiTest, EscapeStopsAnEndlessLoopAndTheMapStaysAsItWas) {
  const std::vector<uint8_t> before = MapFileBytes(Document());
  Trigger("ExtrasScriptConsole");
  auto& console = Window<TFrmScriptConsole>("FrmScriptConsole");
  QApplication::setActiveWindow(&console);
  QTest::keyClicks(QApplication::focusWidget(), "tessmoor.set(1, 1, 'type', 1); while (true) {}");
  // Escape comes while the script runs, as the user presses it: to whatever has the focus.
  QTimer::singleShot(300, [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); });
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(console.Output().endsWith("Konsole: Das Skript wurde angehalten")) << console.Output().toStdString();
  EXPECT_EQ(MapFileBytes(Document()), before);
  EXPECT_FALSE(Action("EditUndo")->isEnabled());
}

TEST_F(ScriptsGuiTest, AMenuScriptRunsFromItsKeyAndAsksForFilesOncePerText) {
  const QString data = programDirectory + "daten.txt";
  std::ofstream(data.toStdString()) << "7";
  const std::string reads =
      "// name: Höhe aus Datei\n"
      "tessmoor.set(2, 2, 'floorHeight', Number(tessmoor.readText('" +
      data.toStdString() + "')));\n";
  WriteScript("hoehe.js", reads);
  const QString id = "Script:" + QFileInfo(programDirectory + "Scripts/hoehe.js").absoluteFilePath();
  QAction* action = Action(id.toUtf8().constData());
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->text(), "Höhe aus Datei");
  ASSERT_TRUE(window->Commands().SetKeys(id, {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_J)}));

  dialogs.fileAccessAnswers = {true};
  window->FocusMap();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_J, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(Document().Cell(2, 2).floorHeight, 7.0f);
  EXPECT_EQ(Action("EditUndo")->text(), "&Rückgängig: Höhe aus Datei");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_J, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(Document().Cell(2, 2).floorHeight, 7.0f);
  const auto asked = [&] {
    return std::count_if(dialogs.log.begin(), dialogs.log.end(),
                         [](const std::string& l) { return l.rfind("ask-files Höhe aus Datei", 0) == 0; });
  };
  EXPECT_EQ(asked(), 1) << "the answer is kept for the same text";

  // A changed script asks again; "Nein" leaves the map as it was.
  WriteScript("hoehe.js", reads + "// geändert\n");
  dialogs.fileAccessAnswers = {false};
  const std::vector<uint8_t> before = MapFileBytes(Document());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_J, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(asked(), 2);
  EXPECT_EQ(MapFileBytes(Document()), before);
  EXPECT_NE(dialogs.log.back().find("ist nicht erlaubt"), std::string::npos) << dialogs.log.back();
}

}  // namespace
}  // namespace tessmoor
