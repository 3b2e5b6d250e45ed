#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "document/PascalString.h"
#include "edit/TextureCommands.h"
#include "support/CoreMessageText.h"
#include "textures/TexturePictures.h"

namespace tessmoor {

namespace {

class TextureFramesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(AddTexture(model).ok);
    ASSERT_TRUE(AddTexture(model).ok);
    for (int i = 0; i < 8; ++i) gfx.AddPicture("PIC" + std::to_string(i) + ".PCX", 10 + i);
  }

  // Chosen paths as the picture dialog hands them over, from GFX/.
  std::vector<std::string> Chosen(std::initializer_list<int> pictures) const {
    std::vector<std::string> paths;
    for (int i : pictures) paths.push_back(gfx.Gfx("PIC" + std::to_string(i) + ".PCX"));
    return paths;
  }

  const TextureEntry& Texture(int t) const { return doc.textures[static_cast<size_t>(t)]; }
  std::string FrameName(int t, int f) const {
    return ReadPascalString(Texture(t).frames[static_cast<size_t>(f)].fileName, FrameNameCapacity);
  }
  RGB555 FrameColour(int t, int f) const { return ThumbnailColour(Texture(t).frames[static_cast<size_t>(f)]); }

  // The frames' pictures, by the palette colour each was drawn with.
  void ExpectFrames(int t, const std::vector<int>& pictures) const {
    ASSERT_EQ(static_cast<int>(pictures.size()), Texture(t).frameCount);
    for (size_t f = 0; f < pictures.size(); ++f) {
      SCOPED_TRACE(testing::Message() << "frame " << f);
      EXPECT_EQ("PIC" + std::to_string(pictures[f]) + ".PCX", FrameName(t, static_cast<int>(f)));
      EXPECT_EQ(ColourOf(10 + pictures[f]), FrameColour(t, static_cast<int>(f)));
    }
    for (size_t f = pictures.size(); f < MaxFrames; ++f) EXPECT_TRUE(Texture(t).frames[f].thumbnail.IsEmpty());
  }

  DocumentModel model;
  const MapDocument& doc = model.Map();
  ProgramDirectory gfx;
};

TEST_F(TextureFramesTest, ChosenFilesBecomeFramesInOrderWithTheirThumbnails) {
  const AddFramesResult result = AddFrames(model, gfx.Dir(), 1, Chosen({2, 0, 5}));
  EXPECT_EQ(3, result.added);
  EXPECT_FALSE(result.Stopped());
  ExpectFrames(1, {2, 0, 5});
  EXPECT_EQ(64, Texture(1).frames[0].thumbnail.width);
  EXPECT_EQ(32, Texture(1).frames[0].thumbnail.height);
  EXPECT_EQ(0, Texture(0).frameCount);
}

TEST_F(TextureFramesTest, FilesBeyondTheEighthFrameAreRefused) {
  ASSERT_EQ(5, AddFrames(model, gfx.Dir(), 0, Chosen({0, 1, 2, 3, 4})).added);
  const AddFramesResult result = AddFrames(model, gfx.Dir(), 0, Chosen({5, 6, 7, 0, 1}));
  EXPECT_EQ(3, result.added);
  EXPECT_EQ("Mehr als 8 Dateien pro Textur sind nicht zulässig.", result.message);
  ExpectFrames(0, {0, 1, 2, 3, 4, 5, 6, 7});

  const AddFramesResult full = AddFrames(model, gfx.Dir(), 0, Chosen({0}));
  EXPECT_EQ(0, full.added);
  EXPECT_EQ("Mehr als 8 Dateien pro Textur sind nicht zulässig.", full.message);
}

TEST_F(TextureFramesTest, AMissingPictureStopsTheAddAndNamesItsGfxPath) {
  std::vector<std::string> chosen = Chosen({1});
  chosen.push_back(gfx.Gfx("GONE.PCX"));
  chosen.push_back(gfx.Gfx("PIC2.PCX"));
  const AddFramesResult result = AddFrames(model, gfx.Dir(), 0, chosen);
  EXPECT_EQ(1, result.added);
  EXPECT_EQ("Fehler beim Laden von \"" + gfx.Dir() + "GFX/GONE.PCX\".", result.message);
  ExpectFrames(0, {1});
}

TEST_F(TextureFramesTest, APictureIsLoadedFromGfxByItsOwnNameWhereverItWasPicked) {
  TempDir elsewhere;
  ProgramDirectory::WriteSolid(elsewhere.File("PIC3.PCX"), 200);
  ProgramDirectory::WriteSolid(elsewhere.File("ONLYHERE.PCX"), 201);

  AddFramesResult result = AddFrames(model, gfx.Dir(), 0, {elsewhere.File("PIC3.PCX")});
  EXPECT_EQ(1, result.added);
  ExpectFrames(0, {3});  // GFX/PIC3.PCX's colour, not the picked file's

  result = AddFrames(model, gfx.Dir(), 0, {elsewhere.File("ONLYHERE.PCX")});
  EXPECT_EQ(0, result.added);
  EXPECT_EQ("Fehler beim Laden von \"" + gfx.Dir() + "GFX/ONLYHERE.PCX\".", result.message);
}

TEST_F(TextureFramesTest, ANameLongerThan12BytesIsCutAndLoadedUnderTheCutName) {
  gfx.AddPicture("LONGPICTURE1", 77);  // what "LONGPICTURE1.PCX" is cut to
  const AddFramesResult result = AddFrames(model, gfx.Dir(), 0, {"/home/x/LONGPICTURE1.PCX", "/y/NOTTHERE1234.PCX"});
  EXPECT_EQ(1, result.added);
  EXPECT_EQ("LONGPICTURE1", FrameName(0, 0));
  EXPECT_EQ(ColourOf(77), FrameColour(0, 0));
  EXPECT_EQ("Fehler beim Laden von \"" + gfx.Dir() + "GFX/NOTTHERE1234\".", result.message);
}

TEST_F(TextureFramesTest, FrameNamesAreStoredAsWindows1252) {
  EXPECT_EQ(std::string("\xC4RGER.PCX"), FrameNameForChosenFile("/a/b/\xC3\x84RGER.PCX"));
  EXPECT_EQ(std::string("TWELVEBYTES1"), FrameNameForChosenFile("TWELVEBYTES1.PCX"));
  EXPECT_FALSE(FrameNameForChosenFile("/a/\xE2\x84\xA6.PCX").has_value());  // Ohm sign
}

TEST_F(TextureFramesTest, ANameWindows1252CannotHoldIsRefusedWithTheLoadMessage) {
  gfx.AddPicture("\xE2\x84\xA6.PCX", 5);
  const AddFramesResult result = AddFrames(model, gfx.Dir(), 0, {gfx.Gfx("\xE2\x84\xA6.PCX")});
  EXPECT_EQ(0, result.added);
  EXPECT_EQ("Fehler beim Laden von \"" + gfx.Dir() + "GFX/\xE2\x84\xA6.PCX\".", result.message);
}

TEST_F(TextureFramesTest, RemovingAFrameClosesTheGapWithTheRightPictures) {
  AddFrames(model, gfx.Dir(), 0, Chosen({0, 1, 2, 3}));
  ASSERT_TRUE(RemoveFrame(model, 0, 0));
  ExpectFrames(0, {1, 2, 3});
  ASSERT_TRUE(RemoveFrame(model, 0, 2));
  ExpectFrames(0, {1, 2});
  ASSERT_TRUE(RemoveFrame(model, 0, 1));
  ASSERT_TRUE(RemoveFrame(model, 0, 0));
  ExpectFrames(0, {});
  EXPECT_FALSE(RemoveFrame(model, 0, 0));
}

TEST_F(TextureFramesTest, RemovingOutsideTheFramesChangesNothing) {
  AddFrames(model, gfx.Dir(), 0, Chosen({0, 1}));
  EXPECT_FALSE(RemoveFrame(model, 0, 2));
  EXPECT_FALSE(RemoveFrame(model, 0, -1));
  EXPECT_FALSE(RemoveFrame(model, 2, 0));  // no such texture
  ExpectFrames(0, {0, 1});
}

TEST_F(TextureFramesTest, MovingFramesSwapsNamesAndThumbnailsTogether) {
  AddFrames(model, gfx.Dir(), 0, Chosen({0, 1, 2}));
  ASSERT_TRUE(MoveFrameUp(model, 0, 2));
  ExpectFrames(0, {0, 2, 1});
  ASSERT_TRUE(MoveFrameDown(model, 0, 0));
  ExpectFrames(0, {2, 0, 1});
}

TEST_F(TextureFramesTest, MovingPastEitherEndDoesNothing) {
  AddFrames(model, gfx.Dir(), 0, Chosen({0, 1, 2}));
  EXPECT_FALSE(MoveFrameUp(model, 0, 0));
  EXPECT_FALSE(MoveFrameDown(model, 0, 2));
  EXPECT_FALSE(MoveFrameDown(model, 0, -1));  // no line selected
  EXPECT_FALSE(MoveFrameUp(model, 0, 3));
  EXPECT_FALSE(MoveFrameDown(model, 1, 0));  // texture without frames
  ExpectFrames(0, {0, 1, 2});
}

TEST_F(TextureFramesTest, DeletingATextureReleasesItsFramesAndKeepsTheOthers) {
  AddFrames(model, gfx.Dir(), 0, Chosen({0, 1}));
  AddFrames(model, gfx.Dir(), 1, Chosen({4, 5, 6}));
  ASSERT_TRUE(DeleteTexture(model, 0, nullptr).ok);
  ExpectFrames(0, {4, 5, 6});
  ExpectFrames(1, {});
}

}  // namespace

}  // namespace tessmoor
