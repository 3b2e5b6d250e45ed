// Bearbeiten > Rampe (Ctrl+Shift+R) and Glätten (Ctrl+Shift+G) in the real main
// window, driven by their keys: the typed ramp lands as one step, Escape
// changes nothing, and smoothing meets the selection's corners in one step.

#include <QDialog>
#include <QScreen>
#include <QTimer>
#include <cstring>

#include "MainWindowFixture.h"
#include "edit/CellRamp.h"

namespace tessmoor {

namespace {

class RampGuiTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  // The keys go where the user's focus is.
  static QWidget* Focus(QWidget* fallback) {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : fallback;
  }

  // After a dialog closes, the window system gives the activation back to the main window.
  void ActivateWindow() {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  void PressInWindow(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    ActivateWindow();
    QTest::keyClick(Focus(window.get()), key, modifiers);
  }

  // Opens the ramp dialog by its key and types into it as a person does;
  // `typing` runs with the dialog open.
  void RampByKeys(const std::function<void(QDialog&)>& typing) {
    ActivateWindow();
    bool opened = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      opened = true;
      typing(*dialog);
    });
    QTest::keyClick(Focus(window.get()), Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(opened) << "no dialog";
  }

  // The dialog's own focus: the window system may not have activated it yet.
  static QWidget* DialogFocus(QDialog& dialog) { return dialog.focusWidget() ? dialog.focusWidget() : &dialog; }

  static void TypeInFocus(QDialog& dialog, const QString& text) {
    QWidget* field = DialogFocus(dialog);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
  }

  // The view's pixels as the window holds them.
  QImage OnScreen() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    const QPoint at = viewPort->mapTo(window.get(), QPoint(0, 0));
    return window->screen()
        ->grabWindow(window->winId(), at.x(), at.y(), viewPort->width(), viewPort->height())
        .toImage();
  }

  static std::vector<MapCell> Cells(const MapDocument& document) {
    return {document.cells.begin(), document.cells.end()};
  }
};

TEST_F(RampGuiTest, TypedCeilingRampGoesInAsOneStepAndEscapeLeavesTheMap) {
  Editor().selection = {6, 5, 2, 3};  // columns 2..6: five cells to the right
  const auto before = Cells(Document());

  RampByKeys([](QDialog& dialog) {
    TypeInFocus(dialog, "100");  // the start height has the focus
    QTest::keyClick(DialogFocus(dialog), Qt::Key_Tab);
    TypeInFocus(dialog, "200");
    QTest::keyClick(DialogFocus(dialog), Qt::Key_Return);  // Enter applies as OK does
  });

  EXPECT_EQ(Model().History().StepCount(), 1u);
  EXPECT_EQ(Model().History().UndoName(), RampStepName);
  for (int x = 2; x <= 6; ++x) {
    for (int y = 3; y <= 5; ++y) {
      const float* c = Document().Cell(x, y).ceilingHeight;
      EXPECT_EQ(c[0], 100 + 20 * (x - 2)) << x << "," << y;
      EXPECT_EQ(c[1], 100 + 20 * (x - 1)) << x << "," << y;
      EXPECT_EQ(c[2], c[1]);
      EXPECT_EQ(c[3], c[0]);
    }
  }
  const auto ramped = Cells(Document());
  RampByKeys([](QDialog& dialog) { QTest::keyClick(DialogFocus(dialog), Qt::Key_Escape); });
  EXPECT_EQ(Model().History().StepCount(), 1u);
  EXPECT_EQ(std::memcmp(Document().cells.data(), ramped.data(), sizeof(MapCell) * ramped.size()), 0);

  PressInWindow(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(std::memcmp(Document().cells.data(), before.data(), sizeof(MapCell) * before.size()), 0);
}

// The heights the ramp would give show in the plan while the dialog is open,
// follow every typed change, and leave with the dialog when it is cancelled.
TEST_F(RampGuiTest, ThePlanPreviewsTheRampWhileTheDialogIsOpen) {
  Editor().selection = {2, 3, 6, 5};
  window->RefreshViews();
  const auto before = Cells(Document());
  const QImage plain = OnScreen();
  std::vector<QImage> previews;
  RampByKeys([&](QDialog& dialog) {
    previews.push_back(OnScreen());
    TypeInFocus(dialog, "100");
    previews.push_back(OnScreen());
    QTest::keyClick(DialogFocus(dialog), Qt::Key_Tab);
    TypeInFocus(dialog, "200");
    previews.push_back(OnScreen());
    QTest::keyClick(DialogFocus(dialog), Qt::Key_Escape);
  });
  ASSERT_EQ(previews.size(), 3u);
  EXPECT_NE(previews[0], plain) << "the heights show as the dialog opens";
  EXPECT_NE(previews[1], previews[0]) << "the start height";
  EXPECT_NE(previews[2], previews[1]) << "the end height";
  EXPECT_EQ(OnScreen(), plain) << "cancelled, the plan is as it was";
  EXPECT_EQ(Model().History().StepCount(), 0u);
  EXPECT_EQ(std::memcmp(Document().cells.data(), before.data(), sizeof(MapCell) * before.size()), 0);
}

TEST_F(RampGuiTest, SmoothKeyMeetsDisagreeingCornersAsOneStep) {
  Arrange([](MapDocument& document) {
    document.Cell(10, 10).ceilingHeight[2] = 100;
    document.Cell(11, 10).ceilingHeight[3] = 200;
    document.Cell(11, 11).ceilingHeight[0] = 300;
    document.Cell(10, 11).ceilingHeight[1] = 400;
  });
  Editor().selection = {10, 10, 11, 11};

  PressInWindow(Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);

  EXPECT_EQ(Model().History().StepCount(), 1u);
  EXPECT_EQ(Model().History().UndoName(), SmoothStepName);
  EXPECT_EQ(Document().Cell(10, 10).ceilingHeight[2], 250);
  EXPECT_EQ(Document().Cell(11, 10).ceilingHeight[3], 250);
  EXPECT_EQ(Document().Cell(11, 11).ceilingHeight[0], 250);
  EXPECT_EQ(Document().Cell(10, 11).ceilingHeight[1], 250);
}

}  // namespace

}  // namespace tessmoor
