// Replace and delete-unused against the single operations they stand for, and
// their undo against the state before them.

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "edit/CellCommands.h"
#include "edit/TextureCommands.h"
#include "edit/TextureHousekeeping.h"
#include "textures/TextureReferences.h"

namespace tessmoor {

namespace {

constexpr int TextureCount = 12;

// Textures 0..11, named by number; cells refer to a random few of them on random
// layers, a palette slot to one nothing else uses, the clipboard to several.
void Build(DocumentModel& model, CellClipboard& clipboard, unsigned seed) {
  for (int t = 0; t < TextureCount; ++t) {
    AddTexture(model);
    RenameTexture(model, t, "T" + std::to_string(t));
  }
  std::mt19937 random(seed);
  const uint16_t used[] = {1, 4, 5, 9, NoTexture};
  for (int n = 0; n < 200; ++n) {
    MapCell cell{};
    SetCellDefaults(cell);
    for (uint16_t& reference : cell.texture) reference = used[random() % 5];
    SetCell(model, {static_cast<int>(random() % GridSize), static_cast<int>(random() % GridSize)}, cell, PaintStepName);
  }
  MapCell slotCell = model.Map().paletteSlots[2].cell;
  slotCell.texture[SurfaceKind::Wall] = 7;
  model.SetSlotCell(2, slotCell);
  clipboard.width = 2;
  clipboard.height = 1;
  clipboard.generation = 1;
  clipboard.cells = std::make_unique<MapCell[]>(2);
  clipboard.cells[0].texture[SurfaceKind::Floor] = 3;  // deleted: becomes NoTexture, and back on undo
  clipboard.cells[1].texture[SurfaceKind::Floor] = 10;
}

struct Snapshot {
  std::array<MapCell, GridCells> cells;
  std::vector<std::string> names;
  std::array<MapCell, PaletteSlotCount> slots;
  std::vector<MapCell> clipboard;
};

Snapshot Take(const DocumentModel& model, const CellClipboard& clipboard) {
  Snapshot shot{model.Map().cells, {}, {}, {}};
  for (int t = 0; t < model.Map().textureCount; ++t) {
    const TextureEntry& entry = model.Map().textures[static_cast<size_t>(t)];
    EXPECT_EQ(entry.index, t);
    shot.names.emplace_back(reinterpret_cast<const char*>(entry.name), 1 + entry.name[0]);
  }
  for (int s = 0; s < PaletteSlotCount; ++s)
    shot.slots[static_cast<size_t>(s)] = model.Map().paletteSlots[static_cast<size_t>(s)].cell;
  shot.clipboard.assign(clipboard.cells.get(), clipboard.cells.get() + clipboard.width * clipboard.height);
  return shot;
}

void ExpectSame(const Snapshot& a, const Snapshot& b) {
  EXPECT_EQ(std::memcmp(a.cells.data(), b.cells.data(), sizeof a.cells), 0) << "grid";
  EXPECT_EQ(a.names, b.names);
  EXPECT_EQ(std::memcmp(a.slots.data(), b.slots.data(), sizeof a.slots), 0) << "palette slots";
  ASSERT_EQ(a.clipboard.size(), b.clipboard.size());
  EXPECT_EQ(std::memcmp(a.clipboard.data(), b.clipboard.data(), sizeof(MapCell) * a.clipboard.size()), 0)
      << "clipboard";
}

TEST(TextureHousekeeping, DeleteUnusedIsTheSingleDeletesAsOneStep) {
  for (unsigned seed = 1; seed <= 5; ++seed) {
    SCOPED_TRACE(seed);
    DocumentModel model, reference;
    const auto clipboardOwner = std::make_shared<CellClipboard>();
    CellClipboard& clipboard = *clipboardOwner;
    const auto referenceClipboardOwner = std::make_shared<CellClipboard>();
    CellClipboard& referenceClipboard = *referenceClipboardOwner;
    Build(model, clipboard, seed);
    Build(reference, referenceClipboard, seed);
    const Snapshot before = Take(model, clipboard);
    const size_t steps = model.History().StepCount();

    EXPECT_EQ(DeleteUnusedTextures(model, clipboardOwner), 7) << "all but 1, 4, 5, 9 and the slot's 7";
    EXPECT_EQ(model.History().StepCount(), steps + 1);
    EXPECT_EQ(model.History().UndoName(), DeleteUnusedStepName);
    for (int t = TextureCount - 1; t >= 0; --t) {
      if (t == 1 || t == 4 || t == 5 || t == 7 || t == 9) continue;
      ASSERT_TRUE(DeleteTexture(reference, t, referenceClipboardOwner).ok);
    }
    ExpectSame(Take(model, clipboard), Take(reference, referenceClipboard));
    EXPECT_EQ(model.Map().textureCount, 5);

    model.Undo();
    ExpectSame(Take(model, clipboard), before);
    model.Redo();
    ExpectSame(Take(model, clipboard), Take(reference, referenceClipboard));
    EXPECT_EQ(DeleteUnusedTextures(model, clipboardOwner), 0);
    EXPECT_EQ(model.History().StepCount(), steps + 1) << "nothing to delete, no step";
  }
}

TEST(TextureHousekeeping, ReplaceIsEveryReferenceRewrittenAsOneStep) {
  for (const uint16_t replacement : {uint16_t{9}, uint16_t{0}, NoTexture}) {
    SCOPED_TRACE(replacement);
    DocumentModel model;
    const auto clipboardOwner = std::make_shared<CellClipboard>();
    CellClipboard& clipboard = *clipboardOwner;
    Build(model, clipboard, 3);
    const Snapshot before = Take(model, clipboard);
    const size_t steps = model.History().StepCount();

    ASSERT_TRUE(ReplaceTexture(model, 4, replacement));
    EXPECT_EQ(model.History().StepCount(), steps + 1);
    Snapshot expected = before;
    for (MapCell& cell : expected.cells) {
      for (uint16_t& reference : cell.texture) {
        if (reference == 4) reference = replacement;
      }
    }
    ExpectSame(Take(model, clipboard), expected);  // table, slots and clipboard untouched
    EXPECT_FALSE(IsTextureReferenced(model.Map(), 4));

    model.Undo();
    ExpectSame(Take(model, clipboard), before);
  }
  DocumentModel model;
  const auto clipboardOwner = std::make_shared<CellClipboard>();
  CellClipboard& clipboard = *clipboardOwner;
  Build(model, clipboard, 3);
  const size_t steps = model.History().StepCount();
  EXPECT_FALSE(ReplaceTexture(model, 2, 9)) << "no cell uses 2";
  EXPECT_FALSE(ReplaceTexture(model, 4, 4));
  EXPECT_FALSE(ReplaceTexture(model, 4, TextureCount)) << "beyond the table";
  EXPECT_FALSE(ReplaceTexture(model, TextureCount, 1));
  EXPECT_EQ(model.History().StepCount(), steps);
}

}  // namespace

}  // namespace tessmoor
