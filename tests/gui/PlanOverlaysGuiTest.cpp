// The overlays of the plan as a person switches them: Ctrl+H for the heights,
// the Ansicht menu's letters for the start mark. The screen shows them at once,
// the tool bar shows the colours' legend exactly while cells are coloured, and
// the next start of the editor shows what the last one did.

#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "MainWindowFixture.h"
#include "editor/commands/CommandRegistry.h"

namespace tessmoor {

namespace {

class PlanOverlaysGuiTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    Arrange([](MapDocument& document) {
      document.Cell(2, 1).floorHeight = 48;
      document.Cell(3, 2).ceilingHeight[1] = 200;
      document.startPosition = {4, 3};
    });
    Activate();
  }

  void Activate() {
    QApplication::setActiveWindow(window.get());
    viewPort->setFocus();
    QCoreApplication::processEvents();
  }

  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : window.get(), key, modifiers);
    QCoreApplication::processEvents();
  }

  // The view's pixels as the window holds them.
  QImage OnScreen() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    const QPoint at = viewPort->mapTo(window.get(), QPoint(0, 0));
    return window->screen()
        ->grabWindow(window->winId(), at.x(), at.y(), viewPort->width(), viewPort->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }

  // The picture of visible cell (u, v) at the default zoom.
  static QImage CellOf(const QImage& view, int u, int v) { return view.copy(74 + 65 * u, 3 + 65 * v, 64, 64); }

  QWidget* Legend() const { return window->findChild<QWidget*>("LblHeightLegend"); }
};

TEST_F(PlanOverlaysGuiTest, CtrlHShowsTheHeightsAtOnceWithTheLegendWhereColoursStandForThem) {
  const QImage plain = OnScreen();
  Press(Qt::Key_H);
  const QImage heights = OnScreen();
  EXPECT_NE(CellOf(heights, 2, 1), CellOf(plain, 2, 1));
  EXPECT_NE(CellOf(heights, 2, 1), CellOf(heights, 1, 1)) << "48 and 0 look different";
  EXPECT_EQ(CellOf(heights, 5, 1), CellOf(heights, 1, 1)) << "two floors at 0 look the same";
  EXPECT_FALSE(Legend()->isVisible()) << "numbers need no legend";

  Press(Qt::Key_Minus);  // 32 pixels: colours
  Press(Qt::Key_Minus);
  EXPECT_TRUE(Legend()->isVisible());
  EXPECT_TRUE(Legend()->toolTip().contains("0") && Legend()->toolTip().contains("48"));
  const QImage coloured = OnScreen();
  Press(Qt::Key_H);
  EXPECT_FALSE(Legend()->isVisible());
  EXPECT_NE(OnScreen(), coloured);
  Press(Qt::Key_0);
  EXPECT_EQ(OnScreen(), plain) << "off again, the plan is the plain one";

  // The next start of the editor remembers the switch.
  Press(Qt::Key_H);
  window.reset();
  window = std::make_unique<TFrmMain>(&dialogs, programDirectory);
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  viewPort = window->findChild<QWidget*>("ViewPort");
  Arrange([](MapDocument& document) { document.Cell(2, 1).floorHeight = 48; });
  Activate();
  EXPECT_TRUE(window->Commands().Action("ViewHeights")->isChecked());
  EXPECT_EQ(CellOf(OnScreen(), 2, 1), CellOf(heights, 2, 1));
}

TEST_F(PlanOverlaysGuiTest, TheMenuLettersShowTheStartWhereverItGoes) {
  const QImage plain = OnScreen();
  QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier);
  ASSERT_NE(QApplication::activePopupWidget(), nullptr);
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_S);
  Activate();
  EXPECT_TRUE(window->Commands().Action("ViewStartPosition")->isChecked());
  const QImage marked = OnScreen();
  EXPECT_NE(CellOf(marked, 4, 3), CellOf(plain, 4, 3));
  EXPECT_EQ(CellOf(marked, 3, 3), CellOf(plain, 3, 3));

  // Startposition hierher moves the mark with the start.
  Editor().selection = {1, 2, 1, 2};
  window->Commands().Action("EditStartHere")->trigger();
  const QImage moved = OnScreen();
  EXPECT_EQ(CellOf(moved, 4, 3), CellOf(plain, 4, 3));
  // Inside the selection's frame, the same mark.
  EXPECT_EQ(CellOf(moved, 1, 2).copy(3, 3, 58, 58), CellOf(marked, 4, 3).copy(3, 3, 58, 58));
}

}  // namespace

}  // namespace tessmoor
