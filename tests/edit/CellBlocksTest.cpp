// Fill, copy and paste through the cell clipboard.

#include <gtest/gtest.h>

#include <array>

#include "edit/CellBlocks.h"
#include "edit/CellCommands.h"
#include "view/ViewTestSupport.h"

namespace tessmoor {

using namespace viewtest;

namespace {

// Every cell carries its own position, so a misplaced record shows.
int MarkOf(int x, int y) { return x * 64 + y; }

class CellBlocksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    edit.Arrange([](MapDocument& document) {
      for (int x = 0; x < GridSize; ++x) {
        for (int y = 0; y < GridSize; ++y) {
          document.Cell(x, y) = MarkedCell(MarkOf(x, y) & 0xFF);
          document.Cell(x, y).floorHeight = static_cast<float>(MarkOf(x, y));
        }
      }
    });
  }
  float FloorOf(int x, int y) { return edit.Cell(x, y).floorHeight; }

  ModelEditing edit;
};

TEST_F(CellBlocksTest, CopyStoresTheBlockColumnByColumn) {
  edit.editor.selection = {15, 13, 10, 10};
  CopySelection(edit.Doc(), edit.editor);
  const CellClipboard& clip = *edit.editor.clipboard;
  ASSERT_EQ(clip.width, 6);
  ASSERT_EQ(clip.height, 4);
  for (int i = 0; i < 6; ++i) {
    for (int j = 0; j < 4; ++j) {
      EXPECT_TRUE(SameBytes(clip.cells[static_cast<size_t>(i * 4 + j)], edit.Cell(10 + i, 10 + j))) << i << "," << j;
    }
  }
  EXPECT_FALSE(edit.Doc().modified);
}

TEST_F(CellBlocksTest, PasteAtTheFarCornerDropsWhatFallsOffTheGrid) {
  edit.editor.selection = {10, 10, 15, 13};
  CopySelection(edit.Doc(), edit.editor);
  edit.editor.selection = {63, 63, 60, 62};  // anchored at its top-left, (60, 62)
  PasteClipboard(edit.model, edit.editor);
  for (int x = 60; x <= 63; ++x) {
    for (int y = 62; y <= 63; ++y) {
      EXPECT_EQ(FloorOf(x, y), MarkOf(10 + x - 60, 10 + y - 62)) << x << "," << y;
    }
  }
  EXPECT_EQ(FloorOf(59, 62), MarkOf(59, 62));
  EXPECT_EQ(FloorOf(60, 61), MarkOf(60, 61));
  const Selection& s = edit.editor.selection;
  EXPECT_EQ((std::array{s.x1, s.y1, s.x2, s.y2}), (std::array{60, 62, 63, 63}));
  EXPECT_TRUE(edit.Doc().modified);
  EXPECT_EQ(edit.model.History().StepCount(), 1u);
  EXPECT_EQ(edit.model.History().UndoName(), PasteStepName);
}

TEST_F(CellBlocksTest, PasteIgnoresTheSelectionsSize) {
  edit.editor.selection = {7, 7, 7, 7};
  CopySelection(edit.Doc(), edit.editor);
  edit.editor.selection = {20, 30, 22, 32};
  ASSERT_TRUE(PasteClipboard(edit.model, edit.editor));
  EXPECT_EQ(FloorOf(20, 30), MarkOf(7, 7));
  EXPECT_EQ(FloorOf(21, 30), MarkOf(21, 30));
  EXPECT_EQ(FloorOf(20, 31), MarkOf(20, 31));
  const Selection& s = edit.editor.selection;
  EXPECT_EQ((std::array{s.x1, s.y1, s.x2, s.y2}), (std::array{20, 30, 20, 30}));
}

TEST_F(CellBlocksTest, PasteCopiesTheBlockAsItWasWhenCopied) {
  edit.editor.selection = {1, 1, 2, 2};
  CopySelection(edit.Doc(), edit.editor);
  MapCell changed = edit.Cell(1, 1);
  changed.floorHeight = -7.0f;
  edit.SetCellTo(1, 1, changed);
  edit.editor.selection = {2, 2, 2, 2};  // overlapping the source
  ASSERT_TRUE(PasteClipboard(edit.model, edit.editor));
  EXPECT_EQ(FloorOf(2, 2), MarkOf(1, 1));
  EXPECT_EQ(FloorOf(3, 3), MarkOf(2, 2));
  // The clipboard stays for the next paste.
  edit.editor.selection = {40, 40, 40, 40};
  ASSERT_TRUE(PasteClipboard(edit.model, edit.editor));
  EXPECT_EQ(FloorOf(41, 40), MarkOf(2, 1));
}

TEST_F(CellBlocksTest, PasteWithoutABlockChangesNothing) {
  edit.editor.selection = {3, 3, 5, 5};
  PasteClipboard(edit.model, edit.editor);
  EXPECT_FALSE(edit.Doc().modified);
  EXPECT_FALSE(edit.model.History().CanUndo());
  EXPECT_EQ(edit.editor.selection.x2, 5);
}

TEST_F(CellBlocksTest, ClipboardSurvivesANewMap) {
  edit.editor.selection = {4, 5, 6, 5};
  CopySelection(edit.Doc(), edit.editor);
  edit.model.Replace([&](MapDocument& document) { ResetDocument(document, edit.editor, true); });
  edit.editor.selection = {0, 0, 0, 0};
  ASSERT_TRUE(PasteClipboard(edit.model, edit.editor));
  EXPECT_EQ(FloorOf(0, 0), MarkOf(4, 5));
  EXPECT_EQ(FloorOf(2, 0), MarkOf(6, 5));
  EXPECT_TRUE(edit.Doc().modified);
}

TEST_F(CellBlocksTest, NewCopyReplacesTheBlock) {
  edit.editor.selection = {0, 0, 9, 9};
  CopySelection(edit.Doc(), edit.editor);
  edit.editor.selection = {30, 31, 30, 31};
  CopySelection(edit.Doc(), edit.editor);
  EXPECT_EQ(edit.editor.clipboard->width, 1);
  EXPECT_EQ(edit.editor.clipboard->height, 1);
  EXPECT_EQ(edit.editor.clipboard->cells[0].floorHeight, MarkOf(30, 31));
}

TEST_F(CellBlocksTest, FillWritesTheWholeSlotRecordIntoEverySelectedCell) {
  edit.model.SetCurrentSlot(2);
  edit.model.SetSlotCell(2, MarkedCell(200));
  edit.editor.selection = {63, 0, 62, 1};
  FillSelection(edit.model, edit.editor);
  for (int x = 62; x <= 63; ++x) {
    for (int y = 0; y <= 1; ++y) EXPECT_TRUE(SameBytes(edit.Cell(x, y), MarkedCell(200))) << x << "," << y;
  }
  EXPECT_EQ(FloorOf(61, 0), MarkOf(61, 0));
  EXPECT_EQ(FloorOf(62, 2), MarkOf(62, 2));
  EXPECT_TRUE(edit.Doc().modified);
  EXPECT_EQ(edit.model.History().StepCount(), 1u);
  EXPECT_EQ(edit.model.History().UndoName(), FillStepName);
}

TEST_F(CellBlocksTest, SelectionOutsideTheGridIsHeldToIt) {
  edit.editor.selection = {-5, 60, 2, 90};
  FillSelection(edit.model, edit.editor);
  EXPECT_TRUE(SameBytes(edit.Cell(0, 63), edit.Doc().paletteSlots[0].cell));
  CopySelection(edit.Doc(), edit.editor);
  EXPECT_EQ(edit.editor.clipboard->width, 3);
  EXPECT_EQ(edit.editor.clipboard->height, 4);
}

}  // namespace

}  // namespace tessmoor
