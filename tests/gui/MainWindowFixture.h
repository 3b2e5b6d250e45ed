#pragma once
// The real main window in a private program directory (GFX/ and TMEGfx/ linked
// from the build's bin/, an empty Maps/), with every dialog scripted.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <string>

#include "edit/CellCommands.h"
#include "editor/main/EditorMainForm.h"
#include "editor/widgets/ProgramSettings.h"
#include "support/ScriptedDialogs.h"

namespace tessmoor {

class MainWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp.isValid());
    programDirectory = temp.path() + "/";
    if (linkPictures) {
      for (const char* folder : {"GFX", "TMEGfx"})
        ASSERT_TRUE(QFile::link(QString(TM_BIN_DIR) + "/" + folder, programDirectory + folder));
    }
    ASSERT_TRUE(QDir(programDirectory).mkdir("Maps"));
    // Each test starts as a fresh user: no templates kept from another test.
    ProgramSettings().remove("Vorlagen");
    for (const char* overlay : {"Ansicht/HoehenAnzeigen", "Ansicht/StartpositionZeigen"})
      ProgramSettings().remove(overlay);
    // Nor a block another test copied: the system clipboard outlives every window.
    QGuiApplication::clipboard()->clear();
    window = std::make_unique<TFrmMain>(&dialogs, programDirectory);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QCoreApplication::processEvents();
    viewPort = window->findChild<QWidget*>("ViewPort");
    ASSERT_NE(viewPort, nullptr);
  }

  void TearDown() override { window.reset(); }

  const MapDocument& Document() const { return window->Document(); }
  DocumentModel& Model() { return window->Model(); }
  // Test set-up written straight into the record; the history starts afresh
  // and the file name stays.
  void Arrange(const std::function<void(MapDocument&)>& change) {
    Model().Replace([&](MapDocument& document) {
      const std::string name = document.fileName;
      change(document);
      document.fileName = name;
    });
  }
  EditorState& Editor() { return window->Editor(); }

  // A change of the map as any tool makes it: one undoable step.
  void MakeAnEdit() {
    MapCell cell = Document().Cell(63, 63);
    cell.floorHeight += 1.0f;
    SetCell(Model(), {63, 63}, cell, PaintStepName);
  }

  // One of the editor's windows, found by its name as the user finds it on the screen.
  template <typename T>
  T& Window(const char* name) {
    T* found = window->findChild<T*>(name);
    if (!found) ADD_FAILURE() << "no window " << name;
    return *found;
  }

  QAction* Action(const char* name) { return window->findChild<QAction*>(name); }
  void Trigger(const char* name) {
    QAction* action = Action(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
  }
  template <typename T>
  T* Control(const char* name) {
    return window->findChild<T*>(name);
  }

  // Makes the view larger than the design size, so tests reach more cells.
  void ResizeView(int width, int height) {
    const int extra = window->height() - viewPort->height();
    window->resize(width, height + extra);
    QCoreApplication::processEvents();
    ASSERT_EQ(viewPort->size(), QSize(width, height));
  }

  void ScrollTo(int x, int y) {
    Control<QScrollBar>("ScrHorizontal")->setValue(x);
    Control<QScrollBar>("ScrVertical")->setValue(y);
  }

  // The middle of the picture of visible cell (u, v).
  static QPoint CellPoint(int u, int v) { return {73 + 65 * u + 32, 2 + 65 * v + 32}; }
  // The middle of palette slot i.
  static QPoint SlotPoint(int i) { return {34, 72 * i + 33}; }

  void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {}) {
    QTest::mousePress(viewPort, button, keys, at);
    QTest::mouseRelease(viewPort, button, keys, at);
  }

  // A move with no button held: QTest would move the system cursor instead.
  void Hover(QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, viewPort->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewPort, &move);
  }

  void Drag(QPoint from, QPoint to) {
    QTest::mousePress(viewPort, Qt::LeftButton, {}, from);
    QTest::mouseMove(viewPort, to);
    QTest::mouseRelease(viewPort, Qt::LeftButton, {}, to);
  }

  std::string MapPath(const char* name) const { return (programDirectory + "Maps/" + name).toStdString(); }

  bool linkPictures = true;
  QTemporaryDir temp;
  QString programDirectory;
  ScriptedDialogs dialogs;
  std::unique_ptr<TFrmMain> window;
  QWidget* viewPort = nullptr;
};

inline bool SameCell(const MapCell& a, const MapCell& b) { return std::memcmp(&a, &b, sizeof(MapCell)) == 0; }

}  // namespace tessmoor
