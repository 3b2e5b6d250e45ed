// The editing tools through the real mouse on the view: pixel positions go in,
// the document and the tool state are checked.

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "editor/mapview/BlockPlacementTool.h"
#include "editor/windows/EditorPropertiesForm.h"
#include "editor/widgets/IntSpinField.h"
#include "graphics/RenderSurface.h"
#include "gui/MainWindowFixture.h"
#include "texts/StepTexts.h"

namespace tessmoor {

namespace {

constexpr RGB555 Red = 0x7C00;

class EditingToolsGuiTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    // Columns 0..13 and rows 0..10 in sight.
    ResizeView(1000, 700);
  }

  // Every cell different, so a moved or misplaced record shows.
  void MarkEveryCell() {
    Arrange([](MapDocument& document) {
      for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y) {
          MapCell& cell = document.Cell(x, y);
          cell.opacity = static_cast<uint8_t>(x);
          cell.floorHeight = static_cast<float>(y);
        }
    });
  }

  void SelectCell(int u, int v) { Click(CellPoint(u, v)); }
  void PasteAtSelection() { Trigger("EditPaste"); }

  void ExpectSelection(int x1, int y1, int x2, int y2) {
    const Selection& s = Editor().selection;
    EXPECT_EQ((std::array{s.x1, s.y1, s.x2, s.y2}), (std::array{x1, y1, x2, y2}));
  }

  static RGB555 SurfacePixel(int x, int y) {
    return Surface().pixels[static_cast<size_t>(y) * static_cast<size_t>(Surface().width) + static_cast<size_t>(x)];
  }

  TFrmProperties& Properties() { return Window<TFrmProperties>("FrmProperties"); }
};

TEST_F(EditingToolsGuiTest, DragFromFiveFiveToTwoEightThenFillWritesThatRectangle) {
  MapCell slotCell = Model().Map().paletteSlots[0].cell;
  slotCell.type = 1;
  Model().SetSlotCell(0, slotCell);
  Drag(CellPoint(5, 5), CellPoint(2, 8));
  ExpectSelection(5, 5, 2, 8);
  // The frame lies on the grid lines around x 2..5, y 5..8.
  EXPECT_EQ(SurfacePixel(73 + 65 * 2, 2 + 65 * 6), Red);
  EXPECT_EQ(SurfacePixel(73 + 65 * 6, 2 + 65 * 6), Red);
  EXPECT_EQ(SurfacePixel(73 + 65 * 3, 2 + 65 * 9), Red);

  Trigger("EditFill");
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 12; ++y)
      EXPECT_EQ(Document().Cell(x, y).type, (x >= 2 && x <= 5 && y >= 5 && y <= 8) ? 1 : 0) << x << "," << y;
  EXPECT_TRUE(Document().modified);
  ExpectSelection(5, 5, 2, 8);
}

TEST_F(EditingToolsGuiTest, FillButtonFillsLikeTheMenu) {
  MapCell slotCell = Model().Map().paletteSlots[0].cell;
  slotCell.type = 2;
  Model().SetSlotCell(0, slotCell);
  Control<QToolButton>("SpdFill")->click();
  EXPECT_EQ(Document().Cell(0, 0).type, 2);
  EXPECT_TRUE(Document().modified);
}

TEST_F(EditingToolsGuiTest, ShiftClickInPaintModePicksTheCellUpInsteadOfPainting) {
  Click(SlotPoint(0));
  ASSERT_EQ(Editor().toolMode, ToolMode::Paint);
  EXPECT_FALSE(Control<QToolButton>("SpdSelect")->isChecked());
  Arrange([](MapDocument& document) {
    document.Cell(3, 3).type = 2;
    document.Cell(3, 3).opacity = 77;
  });
  const MapCell before = Document().Cell(3, 3);

  Click(CellPoint(3, 3), Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_TRUE(SameCell(Document().paletteSlots[0].cell, before));
  EXPECT_TRUE(SameCell(Document().Cell(3, 3), before));
  EXPECT_FALSE(Document().modified);

  Click(CellPoint(4, 4));
  EXPECT_TRUE(SameCell(Document().Cell(4, 4), before)) << "a plain click paints with the picked-up template";
  EXPECT_TRUE(Document().modified);
}

TEST_F(EditingToolsGuiTest, RightClickOnASlotShowsItsPropertiesAndApplyLeavesTheMapUnmodified) {
  Click(SlotPoint(2), Qt::RightButton);
  EXPECT_EQ(Document().currentSlot, 2);
  EXPECT_EQ(Editor().toolMode, ToolMode::Paint);
  ASSERT_TRUE(Properties().isVisible());
  EXPECT_TRUE(Control<QToolButton>("SpdProperties")->isChecked());

  Properties().findChild<IntSpinField*>("SpnAlpha")->setValue(99);
  Properties().findChild<QPushButton*>("BtnApply")->click();
  EXPECT_EQ(Document().paletteSlots[2].cell.opacity, 99);
  EXPECT_FALSE(Document().modified);
}

TEST_F(EditingToolsGuiTest, RightClickOnACellSelectsItAndApplyThereMarksTheMapModified) {
  Click(CellPoint(6, 2), Qt::RightButton);
  ExpectSelection(6, 2, 6, 2);
  ASSERT_TRUE(Properties().isVisible());
  Properties().findChild<IntSpinField*>("SpnFloorHeight")->setValue(40);
  Properties().findChild<QPushButton*>("BtnApply")->click();
  EXPECT_EQ(Document().Cell(6, 2).floorHeight, 40.0f);
  EXPECT_TRUE(Document().modified);
}

TEST_F(EditingToolsGuiTest, RightClickInTheMapInPaintModeOnlyReturnsToSelect) {
  Click(SlotPoint(1));
  ASSERT_EQ(Editor().toolMode, ToolMode::Paint);
  Click(CellPoint(4, 4), Qt::RightButton);
  EXPECT_EQ(Editor().toolMode, ToolMode::Select);
  EXPECT_TRUE(Control<QToolButton>("SpdSelect")->isChecked());
  ExpectSelection(0, 0, 0, 0);
  EXPECT_FALSE(Properties().isVisible());
  EXPECT_FALSE(Document().modified);
}

TEST_F(EditingToolsGuiTest, MiddleButtonChangesNothing) {
  Click(SlotPoint(1), Qt::MiddleButton);
  Click(CellPoint(3, 3), Qt::MiddleButton);
  EXPECT_EQ(Document().currentSlot, 0);
  EXPECT_EQ(Editor().toolMode, ToolMode::Select);
  ExpectSelection(0, 0, 0, 0);
}

TEST_F(EditingToolsGuiTest, SelectButtonTogglesTheToolMode) {
  auto* button = Control<QToolButton>("SpdSelect");
  button->click();
  EXPECT_EQ(Editor().toolMode, ToolMode::Paint);
  EXPECT_FALSE(button->isChecked());
  button->click();
  EXPECT_EQ(Editor().toolMode, ToolMode::Select);
  EXPECT_TRUE(button->isChecked());
}

TEST_F(EditingToolsGuiTest, ASixByFourBlockPastedAtSixtyBySixtyTwoIsClippedAtTheEdge) {
  MarkEveryCell();
  ScrollTo(5, 5);
  Drag(CellPoint(5, 5), CellPoint(10, 8));  // cells (10, 10) .. (15, 13)
  ExpectSelection(10, 10, 15, 13);
  Trigger("EditCopy");
  EXPECT_EQ(Editor().clipboard->width, 6);
  EXPECT_EQ(Editor().clipboard->height, 4);
  EXPECT_FALSE(Document().modified);

  ScrollTo(56, 58);
  SelectCell(4, 4);  // cell (60, 62)
  ExpectSelection(60, 62, 60, 62);
  PasteAtSelection();
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 2; ++j)
      EXPECT_TRUE(SameCell(Document().Cell(60 + i, 62 + j), Document().Cell(10 + i, 10 + j))) << i << "," << j;
  EXPECT_EQ(Document().Cell(59, 62).opacity, 59) << "left of the block stays";
  EXPECT_EQ(Document().Cell(60, 61).floorHeight, 61.0f) << "above the block stays";
  ExpectSelection(60, 62, 63, 63);
  EXPECT_TRUE(Document().modified);
}

TEST_F(EditingToolsGuiTest, ASingleCellPastedIntoAThreeByThreeSelectionWritesOnlyItsCorner) {
  MarkEveryCell();
  SelectCell(1, 1);
  Trigger("EditCopy");
  Drag(CellPoint(6, 6), CellPoint(4, 4));
  PasteAtSelection();
  EXPECT_TRUE(SameCell(Document().Cell(4, 4), Document().Cell(1, 1)));
  EXPECT_EQ(Document().Cell(5, 5).opacity, 5);
  EXPECT_EQ(Document().Cell(6, 6).opacity, 6);
  ExpectSelection(4, 4, 4, 4);
}

TEST_F(EditingToolsGuiTest, TheClipboardSurvivesANewMap) {
  Arrange([](MapDocument& document) { document.Cell(2, 2).type = 3; });
  SelectCell(2, 2);
  Trigger("EditCopy");
  dialogs.newMapAnswers.push_back(NewMapKind::EraseAll);
  Trigger("FileNew");
  ASSERT_EQ(Document().Cell(2, 2).type, 0);
  SelectCell(7, 7);
  PasteAtSelection();
  EXPECT_EQ(Document().Cell(7, 7).type, 3);
}

TEST_F(EditingToolsGuiTest, PasteWithoutClipboardDoesNothing) {
  PasteAtSelection();
  EXPECT_FALSE(Document().modified);
  ExpectSelection(0, 0, 0, 0);
}

TEST_F(EditingToolsGuiTest, AClickOnTheLeftGridLineOrTheLastPictureColumnHitsTheCell) {
  for (int u = 0; u < 4; ++u) {
    for (const int x : {73 + 65 * u, 73 + 65 * u + 64}) {
      Click(QPoint(x, 2 + 65 * 2 + 10));
      EXPECT_EQ(Editor().selection.x1, u) << "X = " << x;
      EXPECT_EQ(Editor().selection.y1, 2) << "X = " << x;
    }
  }
  for (int v = 0; v < 4; ++v) {
    for (const int y : {2 + 65 * v, 2 + 65 * v + 64}) {
      Click(QPoint(73 + 65 * 3 + 10, y));
      EXPECT_EQ(Editor().selection.y1, v) << "Y = " << y;
      EXPECT_EQ(Editor().selection.x1, 3) << "Y = " << y;
    }
  }
}

TEST_F(EditingToolsGuiTest, HoveringNamesTheCellInThePositionLabel) {
  auto* label = Control<QLabel>("LblPos");
  Hover(CellPoint(12, 5));
  EXPECT_EQ(label->text(), "12: 5");
  ScrollTo(3, 1);
  Hover(CellPoint(1, 1));
  EXPECT_EQ(label->text(), "4: 2");
  Hover(QPoint(10, 300));  // the palette strip, outside the map
  EXPECT_TRUE(label->text().isEmpty());
  EXPECT_FALSE(Document().modified);
}

TEST_F(EditingToolsGuiTest, ThePositionLabelShowsTheSizeOfTheCurrentSelectionOnly) {
  auto* label = Control<QLabel>("LblPos");
  ASSERT_EQ(Editor().toolMode, ToolMode::Select);
  Hover(CellPoint(1, 1));
  Drag(CellPoint(1, 1), CellPoint(3, 2));
  EXPECT_EQ(label->text(), "3: 2   3 × 2 Zellen, 384 × 256 Einheiten (9,6 m × 6,4 m)");
  // A person's pointer moves to the next cell before it clicks there.
  Hover(CellPoint(6, 5));
  Click(CellPoint(6, 5));
  EXPECT_EQ(label->text(), "6: 5");
  Hover(CellPoint(7, 5));
  EXPECT_EQ(label->text(), "7: 5");
  Click(CellPoint(7, 5), Qt::RightButton);
  EXPECT_EQ(label->text(), "7: 5");
}

TEST_F(EditingToolsGuiTest, ShortcutKeysReachTheEditCommands) {
  QApplication::setActiveWindow(window.get());
  MapCell slotCell = Model().Map().paletteSlots[0].cell;
  slotCell.type = 4;
  Model().SetSlotCell(0, slotCell);
  SelectCell(1, 1);
  QTest::keyClick(window.get(), Qt::Key_Insert);
  EXPECT_EQ(Document().Cell(1, 1).type, 4) << "Insert fills";
  QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
  SelectCell(5, 5);
  QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Document().Cell(5, 5).type, 4) << "Ctrl+C then Ctrl+V writes at once";
  SelectCell(6, 6);
  QTest::keyClick(window.get(), Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(Document().Cell(6, 6).type, 4) << "Shift+Delete pastes at once";
  QTest::keyClick(window.get(), Qt::Key_F1, Qt::ControlModifier);
  EXPECT_EQ(Editor().currentLayer, SurfaceKind::Floor);
}

// The paste writes the clipboard at once at the selection's top-left cell,
// selects what it wrote and marks the map changed; nothing is left being placed,
// so the next right click opens the properties window as always.
TEST_F(EditingToolsGuiTest, PasteWritesAtOnceAndLeavesTheMouseRulesAsTheyWere) {
  QApplication::setActiveWindow(window.get());
  Arrange([](MapDocument& document) {
    for (int x = 0; x < 2; ++x)
      for (int y = 0; y < 3; ++y) document.Cell(x, y).type = static_cast<uint8_t>(1 + x + y);
  });
  Drag(CellPoint(0, 0), CellPoint(1, 2));
  QTest::keyClick(window.get(), Qt::Key_Insert, Qt::ControlModifier);
  Drag(CellPoint(4, 3), CellPoint(6, 6));
  QTest::keyClick(window.get(), Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_FALSE(window->PlacementTool().IsActive());
  for (int x = 0; x < 2; ++x)
    for (int y = 0; y < 3; ++y) EXPECT_EQ(Document().Cell(4 + x, 3 + y).type, 1 + x + y) << x << "," << y;
  EXPECT_EQ(Document().Cell(6, 3).type, 0) << "only the block's own cells";
  ExpectSelection(4, 3, 5, 5);
  EXPECT_TRUE(Document().modified);
  EXPECT_EQ(StepText(*Model().History().UndoName()), "Einfügen");
  Click(CellPoint(8, 2), Qt::RightButton);
  EXPECT_TRUE(Properties().isVisible());
  ExpectSelection(8, 2, 8, 2);
}

}  // namespace

}  // namespace tessmoor
