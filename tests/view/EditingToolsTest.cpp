// The mouse rules of the map view, driven with input records; a stand-in for
// the main window acts on the responses and the document's changes, and the
// tests check what it then shows.

#include <gtest/gtest.h>

#include <functional>

#include "edit/CellBlocks.h"
#include "graphics/GraphicsError.h"
#include "view/EditingTools.h"
#include "view/HitTesting.h"
#include "view/ViewTestSupport.h"

namespace tessmoor {

using namespace viewtest;

namespace {

// Larger than the design size, so the drags below stay inside the map area:
// mapArea (73, 2)-(981, 781), 15 columns and 13 rows drawn.
constexpr ViewGeometry LargeView{1000, 800, 16, 16};

// A render surface of the large view's size for the window's picture.
struct LargeSurface {
  LargeSurface() {
    TakeGraphicsError();
    MakeSurface(LargeView.width, LargeView.height);
  }
  ~LargeSurface() { DestroySurface(); }
};

class EditingToolsTest : public ::testing::Test {
 protected:
  // As the scroll bars do: the view redraws at the new origin.
  void ScrollTo(int x, int y) {
    edit.editor.viewOrigin = {x, y};
    host.Redraw();
  }

  PointerInput OnCell(int x, int y, MouseButton button = MouseButton::Left, bool shift = false) const {
    PointerInput input;
    input.button = button;
    input.shift = shift;
    input.x = 73 + 65 * (x - edit.editor.viewOrigin.x) + 20;
    input.y = 2 + 65 * (y - edit.editor.viewOrigin.y) + 20;
    return input;
  }
  PointerInput OnSlot(int slot, MouseButton button) const {
    PointerInput input;
    input.button = button;
    input.x = 30;
    input.y = 72 * slot + 30;
    return input;
  }
  void Press(const PointerInput& input) {
    host.Record(ViewPortMouseDown(edit.model, edit.editor, drag, LargeView, input));
  }
  void DragTo(PointerInput input) {
    input.leftHeld = true;
    host.Record(ViewPortMouseMove(edit.model, edit.editor, drag, LargeView, input));
  }
  void MoveTo(int x, int y) {
    PointerInput input;
    input.x = x;
    input.y = y;
    host.Record(ViewPortMouseMove(edit.model, edit.editor, drag, LargeView, input));
  }
  void ExpectSelection(int x1, int y1, int x2, int y2) const {
    const Selection& s = edit.editor.selection;
    EXPECT_EQ(s.x1, x1);
    EXPECT_EQ(s.y1, y1);
    EXPECT_EQ(s.x2, x2);
    EXPECT_EQ(s.y2, y2);
  }

  LargeSurface surface;
  ModelEditing edit;
  SelectionDrag drag;
  WindowState host{edit.model, edit.editor, LargeView};
};

TEST_F(EditingToolsTest, DragKeepsTheAnchorAndFillCoversTheNormalisedRectangle) {
  const MapCell source = MarkedCell(9);
  edit.model.SetSlotCell(0, source);
  Press(OnCell(5, 5));
  DragTo(OnCell(4, 6));
  DragTo(OnCell(3, 7));
  DragTo(OnCell(2, 8));
  ExpectSelection(5, 5, 2, 8);
  FillSelection(edit.model, edit.editor);
  for (int x = 0; x < 8; ++x) {
    for (int y = 3; y < 11; ++y) {
      const bool inside = x >= 2 && x <= 5 && y >= 5 && y <= 8;
      EXPECT_EQ(SameBytes(edit.Cell(x, y), source), inside) << x << "," << y;
    }
  }
  EXPECT_TRUE(edit.Doc().modified);
  ExpectSelection(5, 5, 2, 8);
}

TEST_F(EditingToolsTest, TheViewShowsTheSelectionAtEveryStepOfADrag) {
  Press(OnCell(5, 5));
  EXPECT_TRUE(host.ShowsCurrentPicture());
  PointerInput input = OnCell(6, 5);
  for (int step = 0; step < 3; ++step) {
    DragTo(input);
    EXPECT_TRUE(host.ShowsCurrentPicture()) << step;
    input.x += 5;
    input.y += 5;
  }
  ExpectSelection(5, 5, 6, 5);
  DragTo(OnCell(7, 5));
  ExpectSelection(5, 5, 7, 5);
  EXPECT_TRUE(host.ShowsCurrentPicture());
}

TEST_F(EditingToolsTest, DragLeavingTheGridHoldsTheEndAtTheEdge) {
  ScrollTo(60, 60);
  Press(OnCell(62, 62));
  DragTo(OnCell(69, 70));
  ExpectSelection(62, 62, 63, 63);
  ScrollTo(0, 0);
  PointerInput farAway;
  farAway.x = -500;  // the pointer carried out of the window while the button is held
  farAway.y = -500;
  DragTo(farAway);
  ExpectSelection(62, 62, 0, 0);
}

TEST_F(EditingToolsTest, DragFromTheEmptyPaletteStripMovesOnlyTheSelectionsEnd) {
  Press(OnCell(3, 3));
  PointerInput strip;
  strip.x = 35;
  strip.y = 300;  // below the last slot
  const std::vector<RGB555> shown = host.picture;
  Press(strip);
  EXPECT_EQ(host.picture, shown);
  EXPECT_TRUE(host.ShowsCurrentPicture());
  DragTo(OnCell(6, 4));
  ExpectSelection(3, 3, 6, 4);
}

TEST_F(EditingToolsTest, EscapeDuringADragGivesBackTheSelectionFromBeforeThePress) {
  PointerInput strip;  // the empty palette strip below the last slot
  strip.x = 35;
  strip.y = 300;
  const struct {
    const char* drag;
    PointerInput press;
  } rows[] = {{"from a cell", OnCell(7, 7)},
              {"from the empty strip", strip},
              {"picking up", OnCell(8, 2, MouseButton::Left, true)}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.drag);
    Press(OnCell(2, 2));
    DragTo(OnCell(4, 5));
    host.Record(ViewPortMouseUp(edit.model, edit.editor, drag));
    Press(row.press);
    DragTo(OnCell(9, 8));
    host.Record(CancelSelectionDrag(edit.editor, drag));
    ExpectSelection(2, 2, 4, 5);
    EXPECT_TRUE(host.ShowsCurrentPicture());
    EXPECT_EQ(host.label, "9: 8   3 × 4 Zellen, 384 × 512 Einheiten (9,6 m × 12,8 m)");
    // The button is still down, but the drag is over.
    DragTo(OnCell(10, 10));
    ExpectSelection(2, 2, 4, 5);
    host.Record(ViewPortMouseUp(edit.model, edit.editor, drag));
  }
}

TEST_F(EditingToolsTest, EscapeOutsideASelectionDragChangesNothing) {
  const struct {
    const char* after;
    std::function<void()> steps;
  } rows[] = {
      {"a release",
       [&] {
         Press(OnCell(3, 3));
         DragTo(OnCell(5, 4));
         host.Record(ViewPortMouseUp(edit.model, edit.editor, drag));
       }},
      {"a move without the button",
       [&] {
         Press(OnCell(3, 3));
         DragTo(OnCell(5, 4));
         MoveTo(10, 10);
       }},
      {"a right click",
       [&] {
         Press(OnCell(5, 4, MouseButton::Right));
         DragTo(OnCell(6, 6));
       }},
      {"a click on a slot",
       [&] {
         Press(OnSlot(1, MouseButton::Left));
         DragTo(OnCell(6, 6));
       }},
      {"a second Escape",
       [&] {
         Press(OnCell(3, 3));
         DragTo(OnCell(5, 4));
         host.Record(CancelSelectionDrag(edit.editor, drag));
       }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.after);
    host.SetTool(ToolMode::Select);
    edit.editor.selection = {3, 3, 5, 4};
    host.Redraw();
    row.steps();
    const Selection before = edit.editor.selection;
    const ToolResponse response = CancelSelectionDrag(edit.editor, drag);
    EXPECT_FALSE(response.session.selection);
    EXPECT_FALSE(response.positionLabel);
    ExpectSelection(before.x1, before.y1, before.x2, before.y2);
  }
}

TEST_F(EditingToolsTest, MovingInPaintModeWithTheButtonHeldChangesNothing) {
  edit.editor.toolMode = ToolMode::Paint;
  host.Redraw();
  const std::vector<RGB555> shown = host.picture;
  DragTo(OnCell(4, 4));
  DragTo(OnCell(6, 6));
  ExpectSelection(0, 0, 0, 0);
  EXPECT_EQ(host.picture, shown);
  EXPECT_TRUE(host.ShowsCurrentPicture());
  EXPECT_FALSE(edit.Doc().modified);
}

TEST_F(EditingToolsTest, ShiftClickPicksTheCellUpInEitherMode) {
  for (ToolMode mode : {ToolMode::Paint, ToolMode::Select}) {
    edit.SetCellTo(3, 4, MarkedCell(77));
    edit.model.SetSlotCell(1, MarkedCell(1));
    edit.model.SetCurrentSlot(1);
    edit.editor.toolMode = mode;
    Press(OnCell(3, 4, MouseButton::Left, true));
    EXPECT_TRUE(SameBytes(edit.Doc().paletteSlots[1].cell, MarkedCell(77))) << static_cast<int>(mode);
    EXPECT_TRUE(SameBytes(edit.Cell(3, 4), MarkedCell(77)));
    EXPECT_FALSE(edit.Doc().modified);
    EXPECT_EQ(edit.editor.toolMode, mode);
    ExpectSelection(0, 0, 0, 0);
    EXPECT_EQ(host.bound, CellBinding::Grid({3, 4}));
    EXPECT_TRUE(host.ShowsCurrentPicture()) << "the slot shows the picked-up cell";
  }
}

TEST_F(EditingToolsTest, LeftClickInPaintModeCopiesTheWholeSlotRecord) {
  edit.editor.toolMode = ToolMode::Paint;
  edit.model.SetCurrentSlot(3);
  edit.model.SetSlotCell(3, MarkedCell(42));
  Press(OnCell(7, 2));
  EXPECT_TRUE(SameBytes(edit.Cell(7, 2), MarkedCell(42)));
  EXPECT_TRUE(edit.Doc().modified);
  EXPECT_EQ(edit.model.History().UndoName(), StepName::Paint);
  EXPECT_EQ(host.bound, CellBinding::Grid({7, 2}));
  EXPECT_TRUE(host.ShowsCurrentPicture()) << "the document's change redraws";
  ExpectSelection(0, 0, 0, 0);
}

TEST_F(EditingToolsTest, ClicksInSelectModeSelectAndBindTheCell) {
  Press(OnCell(4, 6));
  ExpectSelection(4, 6, 4, 6);
  EXPECT_EQ(host.bound, CellBinding::Grid({4, 6}));
  EXPECT_FALSE(host.propertiesVisible);
  EXPECT_TRUE(host.ShowsCurrentPicture());
  Press(OnCell(2, 9, MouseButton::Right));
  ExpectSelection(2, 9, 2, 9);
  EXPECT_EQ(host.bound, CellBinding::Grid({2, 9}));
  EXPECT_TRUE(host.propertiesVisible);
  EXPECT_TRUE(host.ShowsCurrentPicture());
  EXPECT_FALSE(edit.Doc().modified);
}

TEST_F(EditingToolsTest, RightClickOnASlotPaintsWithItAndShowsItsProperties) {
  Press(OnSlot(2, MouseButton::Right));
  EXPECT_EQ(edit.editor.toolMode, ToolMode::Paint);
  EXPECT_EQ(edit.Doc().currentSlot, 2);
  EXPECT_FALSE(host.selectButtonDown);
  EXPECT_EQ(host.bound, CellBinding::Palette(2));
  EXPECT_TRUE(host.propertiesVisible);
  ApplyToBoundCell(edit.model, host.bound, MarkedCell(5));
  EXPECT_TRUE(SameBytes(edit.Doc().paletteSlots[2].cell, MarkedCell(5)));
  EXPECT_TRUE(host.ShowsCurrentPicture()) << "the slot shows its new cell";
  EXPECT_FALSE(edit.Doc().modified);
  EXPECT_FALSE(edit.model.History().CanUndo());
}

TEST_F(EditingToolsTest, LeftClickOnASlotPaintsWithItWithoutProperties) {
  edit.editor.toolMode = ToolMode::Paint;
  Press(OnSlot(3, MouseButton::Left));
  EXPECT_EQ(edit.Doc().currentSlot, 3);
  EXPECT_EQ(edit.editor.toolMode, ToolMode::Paint);
  EXPECT_EQ(host.bound, CellBinding::Palette(3));
  EXPECT_FALSE(host.propertiesVisible);
  EXPECT_TRUE(host.ShowsCurrentPicture());
}

TEST_F(EditingToolsTest, RightClickInTheMapAreaInPaintModeOnlyReturnsToSelect) {
  host.SetTool(ToolMode::Paint);
  ASSERT_FALSE(host.selectButtonDown);
  edit.editor.selection = {1, 1, 2, 2};
  Press(OnCell(5, 5, MouseButton::Right));
  EXPECT_EQ(edit.editor.toolMode, ToolMode::Select);
  EXPECT_TRUE(host.selectButtonDown);
  EXPECT_EQ(host.bound, CellBinding{});
  EXPECT_FALSE(host.propertiesVisible);
  ExpectSelection(1, 1, 2, 2);
}

TEST_F(EditingToolsTest, MiddleButtonChangesNothing) {
  for (ToolMode mode : {ToolMode::Select, ToolMode::Paint}) {
    edit.editor.toolMode = mode;
    host.Redraw();
    const std::vector<RGB555> shown = host.picture;
    Press(OnCell(5, 5, MouseButton::Middle));
    Press(OnSlot(1, MouseButton::Middle));
    EXPECT_EQ(host.picture, shown);
    EXPECT_TRUE(host.selectButtonDown) << "never touched";
  }
  ExpectSelection(0, 0, 0, 0);
  EXPECT_EQ(edit.Doc().currentSlot, 0);
  EXPECT_EQ(edit.editor.toolMode, ToolMode::Paint);
  EXPECT_EQ(host.bound, CellBinding{});
  EXPECT_FALSE(edit.Doc().modified);
}

TEST_F(EditingToolsTest, ClickOnNoDrawnCellKeepsTheSelection) {
  edit.editor.selection = {1, 1, 3, 3};
  host.Redraw();
  const std::vector<RGB555> shown = host.picture;
  edit.editor.lastVisibleColumn = 4;  // as after a redraw of a narrower view
  Press(OnCell(5, 2));
  ExpectSelection(1, 1, 3, 3);
  EXPECT_EQ(host.picture, shown);
}

TEST_F(EditingToolsTest, PositionLabelNamesTheCellUnderThePointer) {
  ScrollTo(10, 2);
  MoveTo(73 + 65 * 2 + 5, 2 + 65 * 3 + 5);
  EXPECT_EQ(host.label, "12: 5");
  EXPECT_EQ(edit.editor.hoverCell, (GridPoint{12, 5}));
  host.label = "as shown";
  MoveTo(73 + 65 * 2 + 60, 2 + 65 * 3 + 60);
  EXPECT_EQ(host.label, "as shown") << "the same cell: the label is left alone";
  MoveTo(30, 100);  // over the palette strip
  EXPECT_EQ(host.label, "");
}

TEST_F(EditingToolsTest, PositionLabelIsEmptyBeyondTheLastColumnOrRow) {
  ScrollTo(60, 60);
  MoveTo(73 + 65 * 3 + 5, 2 + 65 * 3 + 5);
  EXPECT_EQ(host.label, "63: 63");
  MoveTo(73 + 65 * 4 + 5, 2 + 65 * 2 + 5);
  EXPECT_EQ(host.label, "");
  MoveTo(73 + 65 * 2 + 5, 2 + 65 * 5 + 5);
  EXPECT_EQ(host.label, "");
}

TEST_F(EditingToolsTest, LabelIsEmptiedOnlyWhenThePointersCellChanges) {
  MoveTo(73 + 10, 2 + 10);
  EXPECT_EQ(host.label, "0: 0");
  // 30 pixels left of the map area still counts as its first column.
  MoveTo(73 - 30, 2 + 10);
  EXPECT_EQ(host.label, "0: 0");
  MoveTo(73 - 70, 2 + 10);
  EXPECT_EQ(host.label, "");
}

TEST_F(EditingToolsTest, ApplyToAGridCellIsAStepToASlotIsNot) {
  ApplyToBoundCell(edit.model, CellBinding::Palette(1), MarkedCell(3));
  EXPECT_TRUE(SameBytes(edit.Doc().paletteSlots[1].cell, MarkedCell(3)));
  EXPECT_FALSE(edit.Doc().modified);
  ApplyToBoundCell(edit.model, CellBinding::Grid({6, 2}), MarkedCell(4));
  EXPECT_TRUE(SameBytes(edit.Cell(6, 2), MarkedCell(4)));
  EXPECT_TRUE(edit.Doc().modified);
  EXPECT_EQ(edit.model.History().UndoName(), StepName::Properties);
  const auto cells = edit.Doc().cells;
  ApplyToBoundCell(edit.model, CellBinding::Grid({64, 0}), MarkedCell(5));  // off the grid
  ApplyToBoundCell(edit.model, CellBinding{}, MarkedCell(5));
  EXPECT_EQ(std::memcmp(cells.data(), edit.Doc().cells.data(), sizeof cells), 0);
  EXPECT_EQ(edit.model.History().StepCount(), 1u);
}

struct HitCase {
  int x, y;
  bool hit;
  int column, row;
};

TEST(HitGridCellTest, CellOwnsItsPictureAndItsLeftAndTopGridLines) {
  EditorState editor;
  editor.viewOrigin = {10, 20};
  editor.lastVisibleColumn = 17;
  editor.lastVisibleRow = 25;
  const HitCase cases[] = {
      {73, 2, true, 10, 20},
      {73 + 65 * 3, 2 + 65 * 2, true, 13, 22},            // on the grid lines
      {73 + 65 * 3 + 64, 2 + 65 * 2 + 64, true, 13, 22},  // last picture pixel
      {73 + 65 * 3 + 65, 2 + 65 * 2 + 65, true, 14, 23},  // next cell's grid lines
      {72, 30, false, 0, 0},
      {100, 1, false, 0, 0},
      {73 + 65 * 7 + 64, 2, true, 17, 20},  // the extra column the clip cuts away
      {73 + 65 * 8, 2, false, 0, 0},
      {73, 2 + 65 * 6, false, 0, 0},
  };
  for (const HitCase& c : cases) {
    const std::optional<GridPoint> hit = HitGridCell(editor, LargeView, c.x, c.y);
    ASSERT_EQ(hit.has_value(), c.hit) << c.x << "," << c.y;
    if (c.hit) {
      EXPECT_EQ(*hit, (GridPoint{c.column, c.row})) << c.x << "," << c.y;
    }
  }
}

TEST(HitGridCellTest, EmptyVisibleRangeHitsNothing) {
  EditorState editor;
  editor.viewOrigin = {0, 0};
  editor.lastVisibleColumn = -1;
  editor.lastVisibleRow = -1;
  EXPECT_FALSE(HitGridCell(editor, LargeView, 80, 10).has_value());
}

TEST(HitPaletteSlotTest, SlotRectanglesAreInclusiveAndSeventyTwoApart) {
  ModelEditing edit;
  EXPECT_EQ(HitPaletteSlot(edit.Doc(), 3, 2), 0);
  EXPECT_EQ(HitPaletteSlot(edit.Doc(), 66, 65), 0);
  EXPECT_EQ(HitPaletteSlot(edit.Doc(), 67, 30), -1);
  EXPECT_EQ(HitPaletteSlot(edit.Doc(), 30, 66), -1);
  EXPECT_EQ(HitPaletteSlot(edit.Doc(), 30, 74), 1);
  EXPECT_EQ(HitPaletteSlot(edit.Doc(), 30, 72 * 3 + 65), 3);
  EXPECT_EQ(HitPaletteSlot(edit.Doc(), 30, 72 * 3 + 66), -1);
}

}  // namespace

}  // namespace tessmoor
