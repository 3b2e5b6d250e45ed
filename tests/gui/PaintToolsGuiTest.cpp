// The Brush and Rectangle tools through the real window: the tool bar's
// buttons, fast pointer moves that skip cells, and the release.

#include <QToolButton>
#include <set>

#include "document/MapFile.h"
#include "gui/MainWindowFixture.h"
#include "view/PaintStroke.h"

namespace tessmoor {

namespace {

constexpr float PaintedHeight = 999.0f;

class PaintToolsGuiTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    // Columns 0..13 and rows 0..10 in sight.
    ResizeView(1000, 700);
    Arrange([](MapDocument& document) {
      document.paletteSlots[1].cell.floorHeight = PaintedHeight;
      document.paletteSlots[1].filled = true;  // as a Shift+click fills it
      document.currentSlot = 1;
    });
  }

  void ChooseTool(const char* button) { QTest::mouseClick(Control<QToolButton>(button), Qt::LeftButton); }

  std::set<std::pair<int, int>> PaintedCells() const {
    std::set<std::pair<int, int>> cells;
    for (int x = 0; x < GridSize; ++x)
      for (int y = 0; y < GridSize; ++y)
        if (Document().Cell(x, y).floorHeight == PaintedHeight) cells.insert({x, y});
    return cells;
  }
};

TEST_F(PaintToolsGuiTest, AFastBrushStrokePaintsTheWholePathAsOneStep) {
  const std::vector<uint8_t> before = MapFileBytes(Document());
  const size_t steps = Model().History().UndoCount();
  ChooseTool("SpdBrush");
  EXPECT_EQ(Editor().toolMode, ToolMode::Brush);
  // Each move jumps several cells, as a quick hand does.
  const std::vector<GridPoint> path = {{1, 1}, {9, 4}, {2, 10}, {12, 9}, {12, 0}};
  QTest::mousePress(viewPort, Qt::LeftButton, {}, CellPoint(path[0].x, path[0].y));
  std::set<std::pair<int, int>> expected{{path[0].x, path[0].y}};
  for (size_t i = 1; i < path.size(); ++i) {
    QTest::mouseMove(viewPort, CellPoint(path[i].x, path[i].y));
    for (const GridPoint& c : CellsOnSegment(path[i - 1], path[i])) expected.insert({c.x, c.y});
  }
  QTest::mouseRelease(viewPort, Qt::LeftButton, {}, CellPoint(path.back().x, path.back().y));

  EXPECT_EQ(PaintedCells(), expected);
  EXPECT_EQ(Model().History().UndoCount(), steps + 1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(MapFileBytes(Document()), before);

  // A move without the button paints nothing; the right button goes back to Select.
  Hover(CellPoint(5, 5));
  EXPECT_TRUE(PaintedCells().empty());
  Click(CellPoint(5, 5), Qt::RightButton);
  EXPECT_EQ(Editor().toolMode, ToolMode::Select);
  EXPECT_FALSE(Control<QToolButton>("SpdBrush")->isChecked());
  EXPECT_TRUE(Control<QToolButton>("SpdSelect")->isChecked());
}

TEST_F(PaintToolsGuiTest, ARectanglePaintsOnReleaseAsOneStep) {
  const size_t steps = Model().History().UndoCount();
  ChooseTool("SpdRectangle");
  EXPECT_TRUE(Control<QToolButton>("SpdRectangle")->isChecked());
  QTest::mousePress(viewPort, Qt::LeftButton, {}, CellPoint(6, 2));
  QTest::mouseMove(viewPort, CellPoint(9, 9));
  QTest::mouseMove(viewPort, CellPoint(3, 7));
  EXPECT_TRUE(PaintedCells().empty()) << "nothing before the release";
  QTest::mouseRelease(viewPort, Qt::LeftButton, {}, CellPoint(3, 7));

  std::set<std::pair<int, int>> expected;
  for (int x = 3; x <= 6; ++x)
    for (int y = 2; y <= 7; ++y) expected.insert({x, y});
  EXPECT_EQ(PaintedCells(), expected);
  EXPECT_EQ(Model().History().UndoCount(), steps + 1);

  // Escape during the drag paints nothing.
  Trigger("EditUndo");
  QTest::mousePress(viewPort, Qt::LeftButton, {}, CellPoint(1, 1));
  QTest::mouseMove(viewPort, CellPoint(4, 4));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QTest::mouseRelease(viewPort, Qt::LeftButton, {}, CellPoint(4, 4));
  EXPECT_TRUE(PaintedCells().empty());
}

}  // namespace

}  // namespace tessmoor
