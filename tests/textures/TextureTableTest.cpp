#include "textures/TextureTable.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "document/PascalString.h"

namespace {

class TextureTableTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetDocument(doc, editor, true); }

  // Textures T0..T<count-1>; texture i has one frame whose thumbnail is filled
  // with the value 100 + i, so moved records can be told apart by their pixels.
  void AddTextures(int count) {
    for (int i = 0; i < count; ++i) {
      ASSERT_TRUE(AddTexture(doc).ok);
      const int t = doc.textureCount - 1;
      TextureEntry& entry = doc.textures[static_cast<size_t>(t)];
      RenameTexture(doc, t, "T" + std::to_string(t));
      entry.animationType = t % 2;
      entry.frameCount = 1;
      WritePascalString(entry.frames[0].fileName, FrameNameCapacity, "F" + std::to_string(t) + ".PCX");
      AllocImage(4, 4, entry.frames[0].thumbnail);
      SetImagePixel(1, 1, static_cast<RGB555>(100 + t), entry.frames[0].thumbnail);
    }
  }

  const TextureEntry& Entry(int t) const { return doc.textures[static_cast<size_t>(t)]; }
  std::string NameOf(int t) const { return ReadPascalString(Entry(t).name, TextureNameCapacity); }
  RGB555 ThumbnailMark(int t) const { return GetImagePixel(1, 1, Entry(t).frames[0].thumbnail); }

  std::unique_ptr<MapDocument> document = std::make_unique<MapDocument>();
  MapDocument& doc = *document;
  EditorState editor;
};

TEST_F(TextureTableTest, NewTextureIsNamedNeueTexturWithRepeatAndNoFrames) {
  AddTextures(2);
  ASSERT_TRUE(AddTexture(doc).ok);
  const TextureEntry& entry = doc.textures[2];
  EXPECT_EQ(3, doc.textureCount);
  EXPECT_EQ(2, entry.index);
  EXPECT_EQ("Neue Textur", NameOf(2));
  EXPECT_EQ(Repeat, entry.animationType);
  EXPECT_EQ(0, entry.frameCount);
  for (const TextureFrame& frame : entry.frames) {
    EXPECT_EQ(0, frame.fileName[0]);
    EXPECT_TRUE(frame.thumbnail.IsEmpty());
  }
  ASSERT_TRUE(AddTexture(doc).ok);
  EXPECT_EQ("Neue Textur", NameOf(3));  // the same name twice is fine
}

TEST_F(TextureTableTest, TheTableHoldsAtMost256Textures) {
  for (int i = 0; i < 255; ++i) ASSERT_TRUE(AddTexture(doc).ok);
  EXPECT_TRUE(AddTexture(doc).ok);
  EXPECT_EQ(256, doc.textureCount);
  const TextureResult refused = AddTexture(doc);
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ("Die Anzahl der Texturen ist auf 256 begrenzt.", refused.message);
  EXPECT_EQ(256, doc.textureCount);
  EXPECT_EQ(255, doc.textures[255].index);
}

TEST_F(TextureTableTest, RenameKeepsAtMost255BytesAndAcceptsEmptyNames) {
  AddTextures(1);
  const std::string longName(300, '\xE4');  // 'ä' in Windows-1252
  ASSERT_TRUE(RenameTexture(doc, 0, longName).ok);
  EXPECT_EQ(std::string(255, '\xE4'), NameOf(0));
  ASSERT_TRUE(RenameTexture(doc, 0, "").ok);
  EXPECT_EQ("", NameOf(0));
  EXPECT_FALSE(RenameTexture(doc, 1, "nobody").ok);
}

TEST_F(TextureTableTest, AnimationTypeIsStoredOnlyForExistingTextures) {
  AddTextures(1);
  ASSERT_TRUE(SetAnimationType(doc, 0, PingPong).ok);
  EXPECT_EQ(PingPong, doc.textures[0].animationType);
  EXPECT_FALSE(SetAnimationType(doc, 1, PingPong).ok);
  EXPECT_FALSE(SetAnimationType(doc, -1, PingPong).ok);
}

TEST_F(TextureTableTest, DeletingRenumbersHigherReferencesAndMovesLaterEntriesUp) {
  AddTextures(6);
  doc.Cell(1, 1).texture[Floor] = 2;
  doc.Cell(2, 5).texture[Wall] = 4;
  doc.Cell(63, 63).texture[PedestalCeiling] = 5;
  doc.paletteSlots[1].cell.texture[Ceiling] = 5;

  ASSERT_TRUE(DeleteTexture(doc, 3).ok);

  EXPECT_EQ(2, doc.Cell(1, 1).texture[Floor]);
  EXPECT_EQ(3, doc.Cell(2, 5).texture[Wall]);
  EXPECT_EQ(4, doc.Cell(63, 63).texture[PedestalCeiling]);
  EXPECT_EQ(4, doc.paletteSlots[1].cell.texture[Ceiling]);
  EXPECT_EQ(NoTexture, doc.Cell(1, 1).texture[Ceiling]);
  EXPECT_EQ(NoTexture, doc.Cell(0, 0).texture[Wall]);
  EXPECT_EQ(NoTexture, doc.paletteSlots[0].cell.texture[Floor]);

  ASSERT_EQ(5, doc.textureCount);
  const char* names[] = {"T0", "T1", "T2", "T4", "T5"};
  const RGB555 marks[] = {100, 101, 102, 104, 105};
  for (int t = 0; t < 5; ++t) {
    SCOPED_TRACE(t);
    EXPECT_EQ(t, doc.textures[static_cast<size_t>(t)].index);
    EXPECT_EQ(names[t], NameOf(t));
    EXPECT_EQ(marks[t], ThumbnailMark(t));
  }
  EXPECT_EQ(0, doc.textures[3].animationType);  // T4's type came along
  EXPECT_EQ(1, doc.textures[4].animationType);

  // The entry that fell free owns nothing any more.
  const TextureEntry& freed = doc.textures[5];
  EXPECT_EQ(0, freed.frameCount);
  EXPECT_EQ(0, freed.name[0]);
  for (const TextureFrame& frame : freed.frames) EXPECT_TRUE(frame.thumbnail.IsEmpty());
}

TEST_F(TextureTableTest, DeletingTheFirstAndTheLastTextureKeepsTheRest) {
  AddTextures(3);
  ASSERT_TRUE(DeleteTexture(doc, 2).ok);
  ASSERT_TRUE(DeleteTexture(doc, 0).ok);
  ASSERT_EQ(1, doc.textureCount);
  EXPECT_EQ("T1", NameOf(0));
  EXPECT_EQ(101, ThumbnailMark(0));
  EXPECT_TRUE(doc.textures[1].frames[0].thumbnail.IsEmpty());
  EXPECT_TRUE(doc.textures[2].frames[0].thumbnail.IsEmpty());
}

TEST_F(TextureTableTest, ATextureReferencedByAnySurfaceIsNotDeleted) {
  for (int surface = Floor; surface <= PedestalCeiling; ++surface) {
    for (bool inSlot : {false, true}) {
      SCOPED_TRACE(testing::Message() << "surface " << surface << (inSlot ? " in palette slot 3" : " in cell (40, 7)"));
      ResetDocument(doc, editor, true);
      AddTextures(3);
      MapCell& user = inSlot ? doc.paletteSlots[3].cell : doc.Cell(40, 7);
      user.texture[surface] = 1;
      doc.Cell(0, 0).texture[Floor] = 2;

      const TextureResult result = DeleteTexture(doc, 1);
      EXPECT_FALSE(result.ok);
      EXPECT_EQ("Die Textur wird noch benutzt. Sie kann nicht gelöscht werden.", result.message);
      EXPECT_EQ(3, doc.textureCount);
      EXPECT_EQ("T1", NameOf(1));
      EXPECT_EQ(101, ThumbnailMark(1));
      EXPECT_EQ(2, doc.Cell(0, 0).texture[Floor]);
    }
  }
}

TEST_F(TextureTableTest, DeletingATextureThatIsNotInTheTableChangesNothing) {
  AddTextures(2);
  for (int texture : {-1, 2, 255, 300}) {
    EXPECT_FALSE(DeleteTexture(doc, texture).ok);
    EXPECT_EQ(2, doc.textureCount);
  }
}

TEST_F(TextureTableTest, ClipboardReferencesFollowTheTableAndLoseADeletedTexture) {
  AddTextures(3);
  CellClipboard& clipboard = editor.clipboard;
  clipboard.width = 1;
  clipboard.height = 2;
  clipboard.cells = std::make_unique<MapCell[]>(2);
  SetCellDefaults(clipboard.cells[0]);
  SetCellDefaults(clipboard.cells[1]);
  clipboard.cells[0].texture[Floor] = 1;
  clipboard.cells[1].texture[Wall] = 2;

  ASSERT_TRUE(DeleteTexture(doc, 1, &clipboard).ok);
  EXPECT_EQ(NoTexture, clipboard.cells[0].texture[Floor]);
  EXPECT_EQ(1, clipboard.cells[1].texture[Wall]);
  EXPECT_EQ(NoTexture, clipboard.cells[1].texture[Floor]);
}

}  // namespace
