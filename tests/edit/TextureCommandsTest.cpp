#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "document/PascalString.h"
#include "edit/CellCommands.h"
#include "edit/TextureCommands.h"
#include "support/CoreMessageText.h"

namespace tessmoor {

namespace {

// The texture table's operations, seen in the table they leave behind.
class TextureTableTest : public ::testing::Test {
 protected:
  // Textures T0..T<count-1>; texture i has one frame whose thumbnail is filled
  // with the value 100 + i, so moved records can be told apart by their pixels.
  // A frame no picture file stands behind can only be made as a load makes it.
  void AddTextures(int count) {
    for (int i = 0; i < count; ++i) {
      ASSERT_TRUE(AddTexture(model).ok);
      const int t = doc.textureCount - 1;
      RenameTexture(model, t, "T" + std::to_string(t));
      SetAnimationType(model, t, t % 2 == 0 ? AnimationType::Repeat : AnimationType::PingPong);
    }
    model.Replace([](MapDocument& document) {
      for (int t = 0; t < document.textureCount; ++t) {
        TextureEntry& entry = document.textures[static_cast<size_t>(t)];
        entry.frameCount = 1;
        WritePascalString(entry.frames[0].fileName, FrameNameCapacity, "F" + std::to_string(t) + ".PCX");
        AllocImage(4, 4, entry.frames[0].thumbnail);
        SetImagePixel(1, 1, static_cast<RGB555>(100 + t), entry.frames[0].thumbnail);
      }
    });
  }

  void SetTexture(int x, int y, SurfaceKind layer, uint16_t texture) {
    MapCell cell = doc.Cell(x, y);
    cell.texture[layer] = texture;
    SetCell(model, {x, y}, cell, PaintStepName);
  }

  const TextureEntry& Entry(int t) const { return doc.textures[static_cast<size_t>(t)]; }
  std::string NameOf(int t) const { return ReadPascalString(Entry(t).name, TextureNameCapacity); }
  RGB555 ThumbnailMark(int t) const { return GetImagePixel(1, 1, Entry(t).frames[0].thumbnail); }

  DocumentModel model;
  const MapDocument& doc = model.Map();
  EditorState editor;
};

TEST_F(TextureTableTest, NewTextureIsNamedNeueTexturWithRepeatAndNoFrames) {
  AddTextures(2);
  ASSERT_TRUE(AddTexture(model).ok);
  const TextureEntry& entry = doc.textures[2];
  EXPECT_EQ(3, doc.textureCount);
  EXPECT_EQ(2, entry.index);
  EXPECT_EQ("Neue Textur", NameOf(2));
  EXPECT_EQ(AnimationType::Repeat, entry.animationType);
  EXPECT_EQ(0, entry.frameCount);
  for (const TextureFrame& frame : entry.frames) {
    EXPECT_EQ(0, frame.fileName[0]);
    EXPECT_TRUE(frame.thumbnail.IsEmpty());
  }
  ASSERT_TRUE(AddTexture(model).ok);
  EXPECT_EQ("Neue Textur", NameOf(3));  // the same name twice is fine
}

TEST_F(TextureTableTest, TheTableHoldsAtMost256Textures) {
  for (int i = 0; i < 255; ++i) ASSERT_TRUE(AddTexture(model).ok);
  EXPECT_TRUE(AddTexture(model).ok);
  EXPECT_EQ(256, doc.textureCount);
  const TextureResult refused = AddTexture(model);
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ("Die Anzahl der Texturen ist auf 256 begrenzt.", refused.message);
  EXPECT_EQ(256, doc.textureCount);
  EXPECT_EQ(255, doc.textures[255].index);
}

TEST_F(TextureTableTest, RenameKeepsAtMost255BytesAndAcceptsEmptyNames) {
  AddTextures(1);
  const std::string longName(300, '\xE4');  // 'ä' in Windows-1252
  ASSERT_TRUE(RenameTexture(model, 0, longName).ok);
  EXPECT_EQ(std::string(255, '\xE4'), NameOf(0));
  ASSERT_TRUE(RenameTexture(model, 0, "").ok);
  EXPECT_EQ("", NameOf(0));
  EXPECT_FALSE(RenameTexture(model, 1, "nobody").ok);
}

TEST_F(TextureTableTest, AnimationTypeIsStoredOnlyForExistingTextures) {
  AddTextures(1);
  ASSERT_TRUE(SetAnimationType(model, 0, AnimationType::PingPong).ok);
  EXPECT_EQ(AnimationType::PingPong, doc.textures[0].animationType);
  EXPECT_FALSE(SetAnimationType(model, 1, AnimationType::PingPong).ok);
  EXPECT_FALSE(SetAnimationType(model, -1, AnimationType::PingPong).ok);
}

TEST_F(TextureTableTest, DeletingRenumbersHigherReferencesAndMovesLaterEntriesUp) {
  AddTextures(6);
  SetTexture(1, 1, SurfaceKind::Floor, 2);
  SetTexture(2, 5, SurfaceKind::Wall, 4);
  SetTexture(63, 63, SurfaceKind::PedestalCeiling, 5);
  MapCell slotCell = model.Map().paletteSlots[1].cell;
  slotCell.texture[SurfaceKind::Ceiling] = 5;
  model.SetSlotCell(1, slotCell);

  ASSERT_TRUE(DeleteTexture(model, 3, nullptr).ok);

  EXPECT_EQ(2, doc.Cell(1, 1).texture[SurfaceKind::Floor]);
  EXPECT_EQ(3, doc.Cell(2, 5).texture[SurfaceKind::Wall]);
  EXPECT_EQ(4, doc.Cell(63, 63).texture[SurfaceKind::PedestalCeiling]);
  EXPECT_EQ(4, doc.paletteSlots[1].cell.texture[SurfaceKind::Ceiling]);
  EXPECT_EQ(NoTexture, doc.Cell(1, 1).texture[SurfaceKind::Ceiling]);
  EXPECT_EQ(NoTexture, doc.Cell(0, 0).texture[SurfaceKind::Wall]);
  EXPECT_EQ(NoTexture, doc.paletteSlots[0].cell.texture[SurfaceKind::Floor]);

  ASSERT_EQ(5, doc.textureCount);
  const char* names[] = {"T0", "T1", "T2", "T4", "T5"};
  const RGB555 marks[] = {100, 101, 102, 104, 105};
  for (int t = 0; t < 5; ++t) {
    SCOPED_TRACE(t);
    EXPECT_EQ(t, doc.textures[static_cast<size_t>(t)].index);
    EXPECT_EQ(names[t], NameOf(t));
    EXPECT_EQ(marks[t], ThumbnailMark(t));
  }
  EXPECT_EQ(AnimationType::Repeat, doc.textures[3].animationType);  // T4's type came along
  EXPECT_EQ(AnimationType::PingPong, doc.textures[4].animationType);

  // The entry that fell free owns nothing any more.
  const TextureEntry& freed = doc.textures[5];
  EXPECT_EQ(0, freed.frameCount);
  EXPECT_EQ(0, freed.name[0]);
  for (const TextureFrame& frame : freed.frames) EXPECT_TRUE(frame.thumbnail.IsEmpty());
}

TEST_F(TextureTableTest, DeletingTheFirstAndTheLastTextureKeepsTheRest) {
  AddTextures(3);
  ASSERT_TRUE(DeleteTexture(model, 2, nullptr).ok);
  ASSERT_TRUE(DeleteTexture(model, 0, nullptr).ok);
  ASSERT_EQ(1, doc.textureCount);
  EXPECT_EQ("T1", NameOf(0));
  EXPECT_EQ(101, ThumbnailMark(0));
  EXPECT_TRUE(doc.textures[1].frames[0].thumbnail.IsEmpty());
  EXPECT_TRUE(doc.textures[2].frames[0].thumbnail.IsEmpty());
}

TEST_F(TextureTableTest, ATextureReferencedByAnySurfaceIsNotDeleted) {
  for (int surface = 0; surface < SurfaceCount; ++surface) {
    for (bool inSlot : {false, true}) {
      SCOPED_TRACE(testing::Message() << "surface " << surface << (inSlot ? " in palette slot 3" : " in cell (40, 7)"));
      model.Replace([&](MapDocument& document) { ResetDocument(document, editor, true); });
      AddTextures(3);
      if (inSlot) {
        MapCell slotCell = model.Map().paletteSlots[3].cell;
        slotCell.texture[surface] = 1;
        model.SetSlotCell(3, slotCell);
      } else {
        SetTexture(40, 7, static_cast<SurfaceKind>(surface), 1);
      }
      SetTexture(0, 0, SurfaceKind::Floor, 2);

      const TextureResult result = DeleteTexture(model, 1, nullptr);
      EXPECT_FALSE(result.ok);
      EXPECT_EQ("Die Textur wird noch benutzt. Sie kann nicht gelöscht werden.", result.message);
      EXPECT_EQ(3, doc.textureCount);
      EXPECT_EQ("T1", NameOf(1));
      EXPECT_EQ(101, ThumbnailMark(1));
      EXPECT_EQ(2, doc.Cell(0, 0).texture[SurfaceKind::Floor]);
    }
  }
}

TEST_F(TextureTableTest, DeletingATextureThatIsNotInTheTableChangesNothing) {
  AddTextures(2);
  for (int texture : {-1, 2, 255, 300}) {
    EXPECT_FALSE(DeleteTexture(model, texture, nullptr).ok);
    EXPECT_EQ(2, doc.textureCount);
  }
}

TEST_F(TextureTableTest, ClipboardReferencesFollowTheTableAndLoseADeletedTexture) {
  AddTextures(3);
  CellClipboard& clipboard = *editor.clipboard;
  clipboard.width = 1;
  clipboard.height = 2;
  clipboard.sourceMap = model.Map().mapId;  // copied from this map
  clipboard.cells = std::make_unique<MapCell[]>(2);
  SetCellDefaults(clipboard.cells[0]);
  SetCellDefaults(clipboard.cells[1]);
  clipboard.cells[0].texture[SurfaceKind::Floor] = 1;
  clipboard.cells[1].texture[SurfaceKind::Wall] = 2;

  ASSERT_TRUE(DeleteTexture(model, 1, editor.clipboard).ok);
  EXPECT_EQ(NoTexture, clipboard.cells[0].texture[SurfaceKind::Floor]);
  EXPECT_EQ(1, clipboard.cells[1].texture[SurfaceKind::Wall]);
  EXPECT_EQ(NoTexture, clipboard.cells[1].texture[SurfaceKind::Floor]);
}

}  // namespace

}  // namespace tessmoor
