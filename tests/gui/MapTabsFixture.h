#pragma once
// The real window of tabs in a private program directory (GFX/ and TMEGfx/
// linked from the build's bin/, an empty Maps/), with every dialog scripted,
// and keys pressed into whatever control has the focus.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>
#include <string>

#include "editor/main/EditorMainForm.h"
#include "editor/main/MapTabsWindow.h"
#include "support/ScriptedDialogs.h"

namespace tessmoor {

// A program directory in `temp`: the build's GFX/ and TMEGfx/ linked, an empty Maps/.
inline void MakeProgramDirectory(const QTemporaryDir& temp, QString& programDirectory) {
  ASSERT_TRUE(temp.isValid());
  programDirectory = temp.path() + "/";
  for (const char* folder : {"GFX", "TMEGfx"})
    ASSERT_TRUE(QFile::link(QString(TM_BIN_DIR) + "/" + folder, programDirectory + folder));
  ASSERT_TRUE(QDir(programDirectory).mkdir("Maps"));
}

class MapTabsFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(MakeProgramDirectory(temp, programDirectory));
    // A block another test copied must not wait on the system clipboard.
    QGuiApplication::clipboard()->clear();
    tabs = std::make_unique<MapTabsWindow>(&dialogs, programDirectory);
    tabs->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tabs.get()));
    QApplication::setActiveWindow(tabs.get());
    QCoreApplication::processEvents();
  }

  void TearDown() override { tabs.reset(); }

  std::string MapPath(const char* name) const { return (programDirectory + "Maps/" + name).toStdString(); }

  // A copy of one of the sample maps under a name of its own.
  std::string SampleCopy(const char* sample, const char* name) {
    const std::string path = MapPath(name);
    std::filesystem::copy_file(std::string(TM_BIN_DIR) + "/Maps/" + sample, path);
    return path;
  }

  static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, key, modifiers);
    QCoreApplication::processEvents();
  }

  QTemporaryDir temp;
  QString programDirectory;
  ScriptedDialogs dialogs;
  std::unique_ptr<MapTabsWindow> tabs;
};

}  // namespace tessmoor
