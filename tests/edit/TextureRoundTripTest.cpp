#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "document/MapFile.h"
#include "document/PascalString.h"
#include "edit/CellCommands.h"
#include "edit/TextureCommands.h"
#include "support/CoreMessageText.h"
#include "textures/TexturePictures.h"

namespace tessmoor {

namespace {

void ExpectSameThumbnail(const HiColorImage& expected, const HiColorImage& actual) {
  ASSERT_EQ(expected.width, actual.width);
  ASSERT_EQ(expected.height, actual.height);
  for (int y = 0; y < expected.height; ++y) {
    for (int x = 0; x < expected.width; ++x) {
      ASSERT_EQ(GetImagePixel(x, y, expected), GetImagePixel(x, y, actual)) << "at " << x << ", " << y;
    }
  }
}

void ExpectSameTable(const MapDocument& expected, const MapDocument& actual) {
  ASSERT_EQ(expected.textureCount, actual.textureCount);
  for (int t = 0; t < expected.textureCount; ++t) {
    SCOPED_TRACE(testing::Message() << "texture " << t);
    const TextureEntry& want = expected.textures[static_cast<size_t>(t)];
    const TextureEntry& got = actual.textures[static_cast<size_t>(t)];
    EXPECT_EQ(t, got.index);
    EXPECT_EQ(ReadPascalString(want.name, TextureNameCapacity), ReadPascalString(got.name, TextureNameCapacity));
    EXPECT_EQ(want.animationType, got.animationType);
    ASSERT_EQ(want.frameCount, got.frameCount);
    for (size_t f = 0; f < static_cast<size_t>(want.frameCount); ++f) {
      SCOPED_TRACE(testing::Message() << "frame " << f);
      EXPECT_EQ(ReadPascalString(want.frames[f].fileName, FrameNameCapacity),
                ReadPascalString(got.frames[f].fileName, FrameNameCapacity));
      ExpectSameThumbnail(want.frames[f].thumbnail, got.frames[f].thumbnail);
    }
  }
}

TEST(TextureRoundTrip, AnEditedTableIsSavedAndLoadedUnchanged) {
  ProgramDirectory gfx;
  for (int i = 0; i < 4; ++i) gfx.AddPicture("WALL" + std::to_string(i) + ".PCX", 30 + i);
  DocumentModel model;
  const MapDocument& doc = model.Map();
  EditorState editor;

  for (int i = 0; i < 4; ++i) ASSERT_TRUE(AddTexture(model).ok);
  RenameTexture(model, 0, "Ziegel");
  RenameTexture(model, 1, "weg damit");
  RenameTexture(model, 2, "\xC4pfel \x80");  // "Äpfel €" in Windows-1252
  SetAnimationType(model, 2, AnimationType::PingPong);
  const std::string dir = gfx.Dir();
  ASSERT_EQ(3, AddFrames(model, dir, 0, {gfx.Gfx("WALL0.PCX"), gfx.Gfx("WALL1.PCX"), gfx.Gfx("WALL2.PCX")}).added);
  ASSERT_TRUE(MoveFrameUp(model, 0, 2));
  ASSERT_TRUE(RemoveFrame(model, 0, 0));
  ASSERT_EQ(2, AddFrames(model, dir, 2, {gfx.Gfx("WALL3.PCX"), gfx.Gfx("WALL0.PCX")}).added);
  ASSERT_EQ(1, AddFrames(model, dir, 1, {gfx.Gfx("WALL1.PCX")}).added);
  MapCell cell = doc.Cell(5, 6);
  cell.texture[SurfaceKind::Floor] = 2;
  SetCell(model, {5, 6}, cell, PaintStepName);
  cell = doc.Cell(7, 8);
  cell.texture[SurfaceKind::Wall] = 3;
  SetCell(model, {7, 8}, cell, PaintStepName);
  ASSERT_TRUE(DeleteTexture(model, 1, nullptr).ok);

  const std::string path = dir + "Maps.tmm";
  ASSERT_TRUE(model.Save(path).ok);
  auto loaded = std::make_unique<MapDocument>();
  ResetDocument(*loaded, editor, true);
  const MapFileResult result = LoadMap(*loaded, path, MapLoadOptions{dir, true});
  ASSERT_TRUE(result.ok) << result.message;

  ExpectSameTable(doc, *loaded);
  EXPECT_EQ(1, loaded->Cell(5, 6).texture[SurfaceKind::Floor]);
  EXPECT_EQ(2, loaded->Cell(7, 8).texture[SurfaceKind::Wall]);
  EXPECT_EQ(ColourOf(32), ThumbnailColour(loaded->textures[0].frames[0]));
}

}  // namespace

}  // namespace tessmoor
