// The session exists before the main window and outlives it: a second window
// over the same session shows the same map, history and tool state.

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/EditorSession.h"
#include "edit/CellCommands.h"
#include "editor/main/EditorMainForm.h"
#include "support/ScriptedDialogs.h"

namespace tessmoor {

namespace {

void ShowActive(TFrmMain& window) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

TEST(SessionWindowTest, ASecondWindowOverTheSessionTakesUpWhereTheFirstLeftOff) {
  QTemporaryDir temp;
  const QString directory = temp.path() + "/";
  for (const char* folder : {"GFX", "TMEGfx"})
    ASSERT_TRUE(QFile::link(QString(TM_BIN_DIR) + "/" + folder, directory + folder));
  ASSERT_TRUE(QDir(directory).mkdir("Maps"));
  ScriptedDialogs dialogs;
  EditorSession session(directory.toStdString());
  const MapCell before = session.Map().Cell(5, 6);

  auto first = std::make_unique<TFrmMain>(session, &dialogs);
  ShowActive(*first);
  MapCell changed = before;
  changed.floorHeight += 8.0f;
  SetCell(session.Model(), {5, 6}, changed, PaintStepName);
  QTest::keyClick(first.get(), Qt::Key_F1, Qt::ControlModifier);  // Boden
  dialogs.saveAnswers.push_back(SaveChangesAnswer::No);
  ASSERT_TRUE(first->close());
  first.reset();

  // Without a window nobody can be asked: the unsaved map is not given up.
  EXPECT_EQ(session.Map().Cell(5, 6).floorHeight, changed.floorHeight);
  EXPECT_FALSE(session.Files().ConfirmClose());
  EXPECT_EQ(session.Editor().currentLayer, SurfaceKind::Floor);

  TFrmMain second(session, &dialogs);
  ShowActive(second);
  EXPECT_TRUE(second.findChild<QAction*>("ViewFloor")->isChecked());
  EXPECT_EQ(second.findChild<QAction*>("EditUndo")->text(), "&Rückgängig: Malen");
  QTest::keyClick(&second, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(session.Map().Cell(5, 6).floorHeight, before.floorHeight);
  EXPECT_FALSE(session.Model().IsModified());
}

}  // namespace

}  // namespace tessmoor
