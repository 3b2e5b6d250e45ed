// The keyboard in the plan, driven as a person drives it: key events go to
// whatever has the focus after a click on the map. The arrows walk and stretch
// the selection, the view and the properties window follow; Enter edits the
// selection, except while a block waits to be placed, where it places.

#include <random>

#include "edit/CellBlocks.h"
#include "editor/mapview/BlockPlacementTool.h"
#include "editor/windows/EditorPropertiesForm.h"
#include "editor/widgets/IntSpinField.h"
#include "gui/MainWindowFixture.h"
#include "view/Zoom.h"

namespace tessmoor {
namespace {

// Every cell's floor names the cell, so the properties window shows which one it holds.
float FloorOf(int x, int y) { return static_cast<float>(x + 100 * y); }

class PlanKeysGuiTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    Arrange([](MapDocument& map) {
      for (int x = 0; x < GridSize; ++x) {
        for (int y = 0; y < GridSize; ++y) map.Cell(x, y).floorHeight = FloorOf(x, y);
      }
    });
  }

  void Press(int key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, Qt::Key(key), modifiers);
  }

  // A click on a cell in the select mode, which also gives the map the keys.
  void ClickIntoMap(int u, int v) {
    QApplication::setActiveWindow(window.get());
    Click(CellPoint(u, v));
    ASSERT_EQ(QApplication::focusWidget(), viewPort);
  }

  TFrmProperties& Properties() { return Window<TFrmProperties>("FrmProperties"); }

  // The selection's moving corner lies whole inside the map area.
  ::testing::AssertionResult EndIsVisible() {
    const ViewGeometry view = window->Geometry();
    const ViewRect area = MapArea(view);
    const int pitch = CellPitchAt(view.zoomLevel);
    const GridPoint origin = Editor().viewOrigin;
    const int left = area.left + (Editor().selection.x2 - origin.x) * pitch;
    const int top = area.top + (Editor().selection.y2 - origin.y) * pitch;
    if (left >= area.left && top >= area.top && left + pitch <= area.right && top + pitch <= area.bottom)
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the end's picture at " << left << ", " << top << " lies outside "
                                         << area.left << ".." << area.right << " x " << area.top << ".." << area.bottom;
  }
};

struct ArrowKey {
  Qt::Key key;
  int dx, dy;
};
constexpr ArrowKey Arrows[] = {{Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, -1}, {Qt::Key_Down, 0, 1}};

TEST_F(PlanKeysGuiTest, ArrowsWalkAndShiftArrowsStretchTheSelectionWithTheViewAndThePropertiesFollowing) {
  Trigger("ViewProperties");
  ClickIntoMap(1, 2);
  Selection expected{1, 2, 1, 2};
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  // Runs of the same key, so the walk reaches the grid's edges and scrolls far.
  for (int run = 0; run < 60; ++run) {
    const ArrowKey& arrow = Arrows[random() % 4];
    const bool shift = random() % 3 == 0;
    const int length = 1 + static_cast<int>(random() % 24);
    for (int k = 0; k < length; ++k) {
      Press(arrow.key, shift ? Qt::ShiftModifier : Qt::NoModifier);
      const int x = std::clamp(expected.x2 + arrow.dx, 0, GridSize - 1);
      const int y = std::clamp(expected.y2 + arrow.dy, 0, GridSize - 1);
      expected = shift ? Selection{expected.x1, expected.y1, x, y} : Selection{x, y, x, y};
      const Selection& now = Editor().selection;
      ASSERT_EQ(std::tie(now.x1, now.y1, now.x2, now.y2), std::tie(expected.x1, expected.y1, expected.x2, expected.y2))
          << "run " << run << ", key " << k << (shift ? " with Shift" : "");
      ASSERT_TRUE(EndIsVisible()) << "run " << run << ", key " << k;
      ASSERT_EQ(Properties().Binding(), CellBinding::Grid({x, y}));
      ASSERT_EQ(Properties().findChild<IntSpinField*>("SpnFloorHeight")->value(), static_cast<int>(FloorOf(x, y)));
      ASSERT_EQ(QApplication::focusWidget(), viewPort) << "the arrows moved the focus away";
    }
  }
  EXPECT_FALSE(Model().History().CanUndo()) << "moving the selection edits nothing";
}

TEST_F(PlanKeysGuiTest, EnterInTheMapEditsTheSelectionAsCtrlEDoes) {
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    SCOPED_TRACE(key == Qt::Key_Return ? "Return" : "Enter");
    Properties().hide();
    ScrollTo(0, 0);  // the last round's keys may have scrolled
    ClickIntoMap(2, 3);
    Press(Qt::Key_Right, Qt::ShiftModifier);
    Press(Qt::Key_Down, Qt::ShiftModifier);
    ASSERT_FALSE(Properties().isVisible());
    Press(key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    EXPECT_TRUE(Properties().isVisible());
    EXPECT_EQ(Properties().Binding(), CellBinding::Range({2, 3, 3, 4}));
    EXPECT_EQ(Properties().windowTitle(), QStringLiteral("Eigenschaften - 4 Zellen"));
  }
}

TEST_F(PlanKeysGuiTest, ReturnDuringAPastePreviewStillPlacesTheBlock) {
  Properties().hide();
  ClickIntoMap(1, 2);
  Press(Qt::Key_C, Qt::ControlModifier);
  Press(Qt::Key_Right);
  Press(Qt::Key_Right);
  Press(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_TRUE(window->PlacementTool().IsActive());
  Press(Qt::Key_Return);
  EXPECT_EQ(Document().Cell(3, 2).floorHeight, FloorOf(1, 2)) << "Return did not place the block";
  EXPECT_FALSE(window->PlacementTool().IsActive());
  EXPECT_FALSE(Properties().isVisible()) << "Return also opened the selection's properties";
}

}  // namespace
}  // namespace tessmoor
