// Random edit sequences of every kind: undoing all of them gives back the
// starting map byte for byte (thumbnails and clipboard included), redoing all
// of them gives back the edited one.

#include <gtest/gtest.h>

#include <random>

#include "document/MapFile.h"
#include "edit/CellBlocks.h"
#include "edit/CellCommands.h"
#include "edit/TextureCommands.h"
#include "textures/TexturePictures.h"
#include "view/EditingTools.h"

namespace tessmoor {

namespace {

// The map file's bytes plus everything the file leaves out but undo must restore.
struct Snapshot {
  std::vector<uint8_t> file;
  std::vector<uint16_t> thumbnails;
  std::vector<uint16_t> clipboardReferences;

  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const MapDocument& document, const CellClipboard& clipboard) {
  Snapshot snapshot{MapFileBytes(document), {}, {}};
  for (int t = 0; t < document.textureCount; ++t) {
    for (const TextureFrame& frame : document.textures[static_cast<size_t>(t)].frames) {
      const HiColorImage& image = frame.thumbnail;
      snapshot.thumbnails.push_back(static_cast<uint16_t>(image.width));
      if (!image.IsEmpty())
        snapshot.thumbnails.insert(snapshot.thumbnails.end(), image.pixels.get(),
                                   image.pixels.get() + image.width * image.height);
    }
  }
  for (int i = 0; i < clipboard.width * clipboard.height; ++i) {
    const MapCell& cell = clipboard.cells[static_cast<size_t>(i)];
    snapshot.clipboardReferences.insert(snapshot.clipboardReferences.end(), cell.texture.begin(), cell.texture.end());
  }
  for (const PaletteSlot& slot : document.paletteSlots) {
    snapshot.clipboardReferences.insert(snapshot.clipboardReferences.end(), slot.cell.texture.begin(),
                                        slot.cell.texture.end());
  }
  return snapshot;
}

class RandomEditor {
 public:
  RandomEditor(DocumentModel& model, EditorState& editor, unsigned seed) : model_(model), editor_(editor), rng_(seed) {}
  // With a program directory, the edits include adding frames from its GFX/.
  void UsePictures(const ProgramDirectory* pictures) { pictures_ = pictures; }

  // A starting map with a few textures (with frames and thumbnails) and cells using some of them.
  void Populate() {
    model_.Replace([&](MapDocument& document) {
      for (int t = 0; t < 6; ++t) {
        TextureEntry& entry = document.textures[static_cast<size_t>(t)];
        entry = NewTextureEntry(t);
        document.textureCount = t + 1;
        entry.frameCount = 1 + t % 3;
        for (int f = 0; f < entry.frameCount; ++f) {
          entry.frames[static_cast<size_t>(f)].fileName[0] = 1;
          entry.frames[static_cast<size_t>(f)].fileName[1] = static_cast<uint8_t>('A' + f);
          AllocImage(2, 2, entry.frames[static_cast<size_t>(f)].thumbnail);
          entry.frames[static_cast<size_t>(f)].thumbnail.pixels[0] = static_cast<RGB555>(t * 8 + f);
        }
      }
      for (MapCell& cell : document.cells) cell = RandomCell(6);
      for (PaletteSlot& slot : document.paletteSlots) slot.cell = RandomCell(6);
    });
    editor_.selection = {3, 3, 5, 6};
    CopySelection(model_.Map(), editor_);
  }

  void OneEdit() {
    const int count = model_.Map().textureCount;
    switch (Pick(10)) {
      case 0:
        SetCell(model_, {Pick(64), Pick(64)}, RandomCell(count), PaintStepName);
        break;
      case 1:
        editor_.selection = {Pick(64), Pick(64), Pick(64), Pick(64)};
        model_.SetCurrentSlot(Pick(PaletteSlotCount));
        FillSelection(model_, editor_);
        break;
      case 2:
        // Copying is no step, so the sequence keeps the first block to see its renumbering undone.
        editor_.selection = {Pick(64), Pick(64), Pick(64), Pick(64)};
        PasteClipboard(model_, editor_);
        break;
      case 3:
        SetStartPosition(model_, {Pick(70) - 3, Pick(70) - 3});
        break;
      case 4:
        AddTexture(model_);
        break;
      case 5:
        // Mostly unused textures (the new ones), sometimes a used one, which is refused.
        DeleteTexture(model_, count - 1 - Pick(3), editor_.clipboard);
        break;
      case 6:
        RenameTexture(model_, Pick(count + 1), std::string(static_cast<size_t>(Pick(5)), 'x'));
        break;
      case 7:
        SetAnimationType(model_, Pick(count), Pick(2) == 0 ? AnimationType::Repeat : AnimationType::PingPong);
        break;
      case 8:
        if (pictures_ != nullptr && Pick(2) == 0) {
          std::vector<std::string> chosen;
          for (int i = Pick(3); i >= 0; --i) chosen.push_back(pictures_->Gfx("P" + std::to_string(Pick(3)) + ".PCX"));
          AddFrames(model_, pictures_->Dir(), Pick(count), chosen);
        } else {
          RemoveFrame(model_, Pick(count), Pick(3));
        }
        break;
      default:
        if (Pick(2) == 0) {
          MoveFrameUp(model_, Pick(count), Pick(3));
        } else {
          MoveFrameDown(model_, Pick(count), Pick(3));
        }
        break;
    }
  }

 private:
  int Pick(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  MapCell RandomCell(int textureCount) {
    MapCell cell;
    SetCellDefaults(cell);
    cell.type = static_cast<uint8_t>(Pick(6));
    cell.floorHeight = static_cast<float>(Pick(200));
    for (uint16_t& texture : cell.texture)
      texture = Pick(3) == 0 ? NoTexture : static_cast<uint16_t>(Pick(textureCount));
    return cell;
  }

  DocumentModel& model_;
  EditorState& editor_;
  std::mt19937 rng_;
  const ProgramDirectory* pictures_ = nullptr;
};

TEST(UndoRedoProperty, UndoingEverythingGivesBackTheStartAndRedoingGivesTheEnd) {
  for (unsigned seed = 1; seed <= 300; ++seed) {
    DocumentModel model;
    EditorState editor;
    RandomEditor random(model, editor, seed);
    random.Populate();
    const Snapshot start = Take(model.Map(), *editor.clipboard);
    for (int step = 0; step < 25; ++step) random.OneEdit();
    const Snapshot end = Take(model.Map(), *editor.clipboard);

    while (model.Undo()) {
    }
    const Snapshot undone = Take(model.Map(), *editor.clipboard);
    ASSERT_EQ(undone.file, start.file) << "seed " << seed;
    ASSERT_EQ(undone.thumbnails, start.thumbnails) << "seed " << seed;
    ASSERT_EQ(undone.clipboardReferences, start.clipboardReferences) << "seed " << seed;
    EXPECT_FALSE(model.Map().modified) << "seed " << seed;
    while (model.Redo()) {
    }
    ASSERT_EQ(Take(model.Map(), *editor.clipboard), end) << "seed " << seed;
  }
}

// Edits, undos and redos mixed: the history's byte count is always what it
// charged its kept steps, a new step drops only the redo steps, and the limit
// holds whenever more than the newest step is kept.
void ExpectSaneHistory(const UndoStack& history, size_t limit) {
  size_t charged = 0;
  for (size_t i = 0; i < history.StepCount(); ++i) charged += history.StepCharge(i);
  ASSERT_EQ(history.MemoryUsed(), charged);
  if (history.StepCount() > 1) {
    ASSERT_LE(history.MemoryUsed(), limit);
  }
}

TEST(UndoRedoProperty, TheHistoryGivesBackWhatItChargedAndKeepsItsSteps) {
  ProgramDirectory pictures;
  for (int i = 0; i < 3; ++i) pictures.AddPicture("P" + std::to_string(i) + ".PCX", 10 + i);
  // Roomy: nothing is ever trimmed, so the step count is exact. Tight: a few fills fill it.
  for (const size_t limit : {size_t{256} << 20, size_t{400} << 10}) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
      SCOPED_TRACE(testing::Message() << "seed " << seed << ", limit " << limit);
      DocumentModel model(HistoryLimits{limit});
      EditorState editor;
      RandomEditor random(model, editor, seed);
      random.UsePictures(&pictures);
      random.Populate();
      std::mt19937 choice(seed);
      for (int step = 0; step < 60; ++step) {
        const UndoStack& history = model.History();
        const size_t undoable = history.UndoCount();
        const size_t kept = history.StepCount();
        switch (choice() % 4) {
          case 0:
            ASSERT_EQ(model.Undo(), undoable > 0);
            ASSERT_EQ(history.UndoCount(), undoable > 0 ? undoable - 1 : 0);
            break;
          case 1:
            ASSERT_EQ(model.Redo(), kept > undoable);
            ASSERT_EQ(history.UndoCount(), kept > undoable ? undoable + 1 : undoable);
            break;
          default:
            random.OneEdit();
            const bool stepMade = history.UndoCount() != undoable || history.StepCount() != kept;
            if (stepMade && limit > (size_t{1} << 20)) {
              ASSERT_EQ(history.UndoCount(), undoable + 1) << "a new step keeps every older one";
              ASSERT_EQ(history.StepCount(), undoable + 1) << "and drops only the redo steps";
            }
            break;
        }
        ExpectSaneHistory(history, limit);
      }
    }
  }
}

// The sequence that wrapped the count: pictures added, undone, then any edit.
TEST(UndoRedoProperty, AnUndoneFramesStepIsGivenBackAsCharged) {
  ProgramDirectory pictures;
  pictures.AddPicture("A.PCX", 3);
  pictures.AddPicture("B.PCX", 4);
  DocumentModel model;
  AddTexture(model);
  ASSERT_EQ(AddFrames(model, pictures.Dir(), 0, {pictures.Gfx("A.PCX"), pictures.Gfx("B.PCX")}).added, 2);
  model.Undo();
  RenameTexture(model, 0, "Ziegel");
  EXPECT_EQ(model.History().UndoCount(), 2u);
  EXPECT_LT(model.History().MemoryUsed(), size_t{1} << 20);
  model.Undo();
  model.Undo();
  EXPECT_FALSE(model.Map().modified) << "the new document is reachable again";
}

}  // namespace

}  // namespace tessmoor
