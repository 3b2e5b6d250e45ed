// The history's rules: what counts as modified, what a new edit drops, what
// memory it keeps, and what the observers hear.

#include <gtest/gtest.h>

#include "edit/CellCommands.h"
#include "edit/TextureCommands.h"
#include "support/CoreMessageText.h"
#include "support/TempDir.h"

namespace tessmoor {

namespace {

MapCell CellOfType(int type) {
  MapCell cell;
  SetCellDefaults(cell);
  cell.type = static_cast<uint8_t>(type);
  return cell;
}

struct Observed : DocumentObserver {
  std::vector<DocumentChange> changes;
  void DocumentChanged(const DocumentChange& change) override { changes.push_back(change); }
};

TEST(DocumentModel, ModifiedMeansNotAtTheSavedState) {
  TempDir dir;
  DocumentModel model;
  EXPECT_FALSE(model.IsModified());
  SetCell(model, {1, 1}, CellOfType(1), PaintStepName);
  EXPECT_TRUE(model.Map().modified);
  model.Undo();
  EXPECT_FALSE(model.Map().modified) << "back at the loaded state";
  model.Redo();
  EXPECT_TRUE(model.Map().modified);
  ASSERT_TRUE(model.Save(dir.File("a.tmm")).ok);
  EXPECT_FALSE(model.Map().modified);
  model.Undo();
  EXPECT_TRUE(model.Map().modified) << "undo away from the saved state";
  model.Redo();
  EXPECT_FALSE(model.Map().modified);

  // The saved state lay among the dropped redo steps: nothing leads back.
  model.Undo();
  SetCell(model, {2, 2}, CellOfType(2), PaintStepName);
  model.Undo();
  EXPECT_TRUE(model.Map().modified);
  EXPECT_FALSE(model.History().CanRedo() && model.History().RedoName() != PaintStepName);

  model.Replace([](MapDocument&) {}, true);
  EXPECT_TRUE(model.Map().modified) << "a recovered map is unsaved with no history";
  EXPECT_FALSE(model.History().CanUndo());
}

TEST(DocumentModel, ANewEditDropsTheRedoStepsAndNamesFollowTheSteps) {
  DocumentModel model;
  SetCell(model, {0, 0}, CellOfType(1), PaintStepName);
  FillCells(model, {0, 0, 3, 3}, CellOfType(2));
  EXPECT_EQ(model.History().UndoName(), StepName::Fill);
  model.Undo();
  EXPECT_EQ(model.History().RedoName(), StepName::Fill);
  EXPECT_EQ(model.History().UndoName(), StepName::Paint);
  SetStartPosition(model, {5, 5});
  EXPECT_FALSE(model.History().CanRedo());
  EXPECT_EQ(model.History().StepCount(), 2u);
  EXPECT_EQ(model.History().UndoName(), StepName::StartPosition);
}

TEST(DocumentModel, TheHistoryKeepsItsMemoryLimitByDroppingTheOldest) {
  // A full-grid fill costs about the cells it changed.
  DocumentModel model(HistoryLimits{3 * 200 * 1024});
  FillCells(model, WholeGrid, CellOfType(1));
  const size_t oneFill = model.History().MemoryUsed();
  EXPECT_GE(oneFill, MapGridBytes);
  EXPECT_LT(oneFill, MapGridBytes + 1024);
  for (int i = 2; i <= 5; ++i) FillCells(model, WholeGrid, CellOfType(i));
  EXPECT_EQ(model.History().StepCount(), 3u);
  EXPECT_LE(model.History().MemoryUsed(), size_t{3 * 200 * 1024});
  while (model.Undo()) {
  }
  EXPECT_EQ(model.Map().Cell(9, 9).type, 2) << "the two oldest fills are gone";
  EXPECT_TRUE(model.Map().modified) << "the loaded state cannot be reached any more";

  // The default keeps a thousand full-grid fills.
  DocumentModel roomy;
  for (int i = 0; i < 1000; ++i) FillCells(roomy, WholeGrid, CellOfType(i % 6));
  EXPECT_EQ(roomy.History().StepCount(), 1000u);
}

TEST(DocumentModel, ObserversHearWhatChanged) {
  DocumentModel model;
  Observed observed;
  model.AddObserver(&observed);
  FillCells(model, {2, 3, 4, 5}, CellOfType(1));
  ASSERT_EQ(observed.changes.size(), 1u);
  const DocumentChange& fill = observed.changes.back();
  EXPECT_TRUE(fill.Has(DocumentChangeFlag::CellsChanged | DocumentChangeFlag::ModifiedChanged |
                       DocumentChangeFlag::HistoryChanged));
  EXPECT_TRUE(fill.TouchesCell(4, 5));
  EXPECT_FALSE(fill.TouchesCell(5, 5));
  AddTexture(model);
  EXPECT_TRUE(observed.changes.back().Has(DocumentChangeFlag::TexturesChanged));
  EXPECT_FALSE(observed.changes.back().Has(DocumentChangeFlag::ModifiedChanged)) << "it was modified already";
  model.Undo();
  model.Undo();
  EXPECT_TRUE(observed.changes.back().Has(DocumentChangeFlag::ModifiedChanged));
  model.SetFileName("x.tmm");
  EXPECT_TRUE(observed.changes.back().Has(DocumentChangeFlag::FileNameChanged));
  model.RemoveObserver(&observed);
  SetStartPosition(model, {1, 1});
  EXPECT_EQ(observed.changes.size(), 5u);
}

TEST(DocumentModel, TextureStepsAreOnlyMadeWhenSomethingChanged) {
  DocumentModel model;
  AddTexture(model);
  const auto clipboardOwner = std::make_shared<CellClipboard>();
  const size_t steps = model.History().StepCount();
  EXPECT_TRUE(RenameTexture(model, 0, "Neue Textur").ok);
  EXPECT_TRUE(SetAnimationType(model, 0, AnimationType::Repeat).ok);
  EXPECT_FALSE(RemoveFrame(model, 0, 0));
  EXPECT_FALSE(DeleteTexture(model, 3, clipboardOwner).ok);
  SetCell(
      model, {0, 0},
      [] {
        MapCell cell = CellOfType(0);
        cell.texture[SurfaceKind::Floor] = 0;
        return cell;
      }(),
      PaintStepName);
  EXPECT_EQ(DeleteTexture(model, 0, clipboardOwner).message, TextureInUseMessage);
  EXPECT_EQ(model.History().StepCount(), steps + 1);
}

}  // namespace

namespace {

TEST(DocumentModel, UndoingADeleteGivesTheClipboardItsReferencesBackWhileItHoldsTheSameBlock) {
  DocumentModel model;
  for (int i = 0; i < 3; ++i) AddTexture(model);
  const auto clipboardOwner = std::make_shared<CellClipboard>();
  CellClipboard& clipboard = *clipboardOwner;
  clipboard.width = 1;
  clipboard.height = 2;
  clipboard.generation = 41;
  clipboard.sourceMap = model.Map().mapId;  // copied from this map
  clipboard.cells = std::make_unique<MapCell[]>(2);
  for (int i = 0; i < 2; ++i) SetCellDefaults(clipboard.cells[static_cast<size_t>(i)]);
  clipboard.cells[0].texture[SurfaceKind::Wall] = 1;
  clipboard.cells[1].texture[SurfaceKind::Floor] = 2;

  ASSERT_TRUE(DeleteTexture(model, 1, clipboardOwner).ok);
  EXPECT_EQ(clipboard.cells[0].texture[SurfaceKind::Wall], NoTexture);
  EXPECT_EQ(clipboard.cells[1].texture[SurfaceKind::Floor], 1);
  model.Undo();
  EXPECT_EQ(clipboard.cells[0].texture[SurfaceKind::Wall], 1);
  EXPECT_EQ(clipboard.cells[1].texture[SurfaceKind::Floor], 2);

  // A block copied after the delete never named the deleted texture: it only moves up.
  model.Redo();
  clipboard.generation = 42;
  clipboard.cells[0].texture[SurfaceKind::Wall] = 0;
  model.Undo();
  EXPECT_EQ(clipboard.cells[0].texture[SurfaceKind::Wall], 0);
  EXPECT_EQ(clipboard.cells[1].texture[SurfaceKind::Floor], 2);
}

TEST(DocumentModel, ADeleteStepOutlivesTheClipboardItRenumbered) {
  DocumentModel model;
  for (int i = 0; i < 3; ++i) AddTexture(model);
  auto clipboard = std::make_shared<CellClipboard>();
  clipboard->width = clipboard->height = 1;
  clipboard->sourceMap = model.Map().mapId;
  clipboard->cells = std::make_unique<MapCell[]>(1);
  SetCellDefaults(clipboard->cells[0]);
  clipboard->cells[0].texture[SurfaceKind::Wall] = 2;
  ASSERT_TRUE(DeleteTexture(model, 1, clipboard).ok);
  EXPECT_EQ(clipboard->cells[0].texture[SurfaceKind::Wall], 1);
  clipboard.reset();  // the editor state that owned it is gone; the history stays
  ASSERT_TRUE(model.Undo());
  EXPECT_EQ(model.Map().textureCount, 3);
  ASSERT_TRUE(model.Redo());
  EXPECT_EQ(model.Map().textureCount, 2);
}

TEST(DocumentModel, PaletteChangesAreToldButAreNoStepAndNoModification) {
  DocumentModel model;
  Observed observed;
  model.AddObserver(&observed);
  const struct {
    int slot;
    int stored;  // numbers past the four slots fall on the nearest one
  } rows[] = {{2, 2}, {-5, 0}, {9, 3}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.slot);
    observed.changes.clear();
    model.SetSlotCell(row.slot, CellOfType(row.stored + 1));
    EXPECT_EQ(model.Map().paletteSlots[static_cast<size_t>(row.stored)].cell.type, row.stored + 1);
    model.SetCurrentSlot(row.slot);
    EXPECT_EQ(model.Map().currentSlot, row.stored);
    EXPECT_EQ(CurrentSlot(model.Map()).cell.type, row.stored + 1);
    for (const DocumentChange& change : observed.changes) EXPECT_EQ(change.what, DocumentChangeFlag::PaletteChanged);
    EXPECT_FALSE(observed.changes.empty());
  }
  EXPECT_FALSE(model.IsModified());
  EXPECT_FALSE(model.Map().modified);
  EXPECT_FALSE(model.History().CanUndo());
  model.RemoveObserver(&observed);
}

}  // namespace

}  // namespace tessmoor
