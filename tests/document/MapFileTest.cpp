#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "document/FramePictures.h"
#include "document/MapFile.h"
#include "document/PascalString.h"
#include "graphics/PcxTestFile.h"
#include "support/AllocationLimit.h"
#include "support/CoreMessageText.h"
#include "support/FaultyFileOps.h"
#include "support/TempDir.h"

namespace tessmoor {

namespace {

struct Fixture {
  std::unique_ptr<MapDocument> document = std::make_unique<MapDocument>();
  EditorState editor;
  Fixture() { ResetDocument(*document, editor, true); }
};

void AddTexture(MapDocument& document, const char* name, AnimationType animation,
                std::initializer_list<const char*> frames) {
  TextureEntry& entry = document.textures[static_cast<size_t>(document.textureCount)];
  entry.index = document.textureCount++;
  WritePascalString(entry.name, TextureNameCapacity, name);
  entry.animationType = animation;
  for (const char* frame : frames) {
    WritePascalString(entry.frames[static_cast<size_t>(entry.frameCount++)].fileName, FrameNameCapacity, frame);
  }
}

MapLoadOptions WithoutPictures() { return {"/nonexistent/", false}; }

void PutInt32(std::vector<unsigned char>& bytes, size_t at, int32_t value) {
  std::memcpy(bytes.data() + at, &value, 4);
}

}  // namespace

TEST(MapFile, FreshDocumentSavesAsHeaderAndDefaultGrid) {
  Fixture f;
  TempDir dir;
  ASSERT_TRUE(SaveMap(*f.document, dir.File("empty.tmm")).ok);

  const std::vector<unsigned char> bytes = ReadFileBytes(dir.File("empty.tmm"));
  ASSERT_EQ(196624u, bytes.size());
  const unsigned char header[16] = {0x00, 'T', 'M', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(0, std::memcmp(bytes.data(), header, 16));
  MapCell defaults;
  SetCellDefaults(defaults);
  for (size_t i = 0; i < GridCells; ++i) {
    ASSERT_EQ(0, std::memcmp(bytes.data() + 16 + i * 48, &defaults, 48)) << "cell " << i;
  }
}

TEST(MapFile, TextureRecordsTakeTheirFixedSizes) {
  Fixture f;
  AddTexture(*f.document, "Drei", AnimationType::Repeat, {"A.PCX", "B.PCX", "C.PCX"});
  AddTexture(*f.document, "Leer", AnimationType::PingPong, {});
  TempDir dir;
  ASSERT_TRUE(SaveMap(*f.document, dir.File("t.tmm")).ok);
  EXPECT_EQ(16u + 303 + 264 + 196608, std::filesystem::file_size(dir.File("t.tmm")));
}

TEST(MapFile, RoundTripKeepsEveryByteOfEveryCell) {
  Fixture f;
  f.document->startPosition = {70, -3};
  AddTexture(*f.document, "Wasser", AnimationType::PingPong, {"WATER1.PCX", "WATER2.PCX"});
  AddTexture(*f.document, "T\xFCre", AnimationType::Repeat, {"DOOR.PCX"});
  for (size_t i = 0; i < GridCells; ++i) {
    MapCell& cell = f.document->cells[i];
    cell.type = static_cast<uint8_t>(i % 6);
    cell.reserved = static_cast<uint16_t>(i * 7);  // never touched by the editor, but kept
    cell.floorHeight = static_cast<float>(i % 17) - 8.5f;
    cell.texture[SurfaceKind::Wall] = static_cast<uint16_t>(i % 3 == 0 ? NoTexture : i % 2);
    cell.textureOffset[SurfaceKind::PedestalCeiling] = static_cast<int16_t>(-static_cast<int>(i));
  }
  f.document->modified = true;
  TempDir dir;
  ASSERT_TRUE(SaveMap(*f.document, dir.File("r.tmm")).ok);
  EXPECT_FALSE(f.document->modified);

  Fixture loaded;
  loaded.document->modified = true;
  ASSERT_TRUE(LoadMap(*loaded.document, dir.File("r.tmm"), WithoutPictures()).ok);

  EXPECT_FALSE(loaded.document->modified);
  EXPECT_EQ(70, loaded.document->startPosition.x);
  EXPECT_EQ(-3, loaded.document->startPosition.y);
  ASSERT_EQ(2, loaded.document->textureCount);
  for (int t = 0; t < 2; ++t) {
    const TextureEntry& a = f.document->textures[static_cast<size_t>(t)];
    const TextureEntry& b = loaded.document->textures[static_cast<size_t>(t)];
    EXPECT_EQ(t, b.index);
    EXPECT_EQ(0, std::memcmp(a.name, b.name, sizeof a.name));
    EXPECT_EQ(a.animationType, b.animationType);
    ASSERT_EQ(a.frameCount, b.frameCount);
    for (int i = 0; i < a.frameCount; ++i) {
      EXPECT_EQ(0,
                std::memcmp(a.frames[static_cast<size_t>(i)].fileName, b.frames[static_cast<size_t>(i)].fileName, 13));
    }
  }
  EXPECT_EQ(0, std::memcmp(f.document->cells.data(), loaded.document->cells.data(), MapGridBytes));
}

TEST(MapFile, RefusesFilesWithoutTheMagic) {
  TempDir dir;
  const std::vector<std::vector<unsigned char>> notMaps = {
      {'T', 'M', 'M', '1', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // the four characters, not the magic
      {0x00, 'T', 'M'},                                          // shorter than the magic
      {}};
  for (const auto& bytes : notMaps) {
    WriteFileBytes(dir.File("bad.tmm"), bytes);
    Fixture f;
    const MapFileResult result = LoadMap(*f.document, dir.File("bad.tmm"), WithoutPictures());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(dir.File("bad.tmm") + " ist keine TMM-Datei.", result.message);
    EXPECT_TRUE(f.document->IsUntitled());
  }
}

TEST(MapFile, NamesThatAreNoReadableMapsFailWithAMessageAndNeverBlock) {
  TempDir dir;
  ASSERT_EQ(0, ::mkfifo(dir.File("fifo.tmm").c_str(), 0644));  // no writer: an open would wait forever
  std::filesystem::create_directories(dir.File("folder.tmm"));
  struct Case {
    std::string path;
    std::string message;
    int systemError;
  };
  const Case cases[] = {
      {dir.File("missing.tmm"), dir.File("missing.tmm") + " kann nicht geöffnet werden.", ENOENT},
      {dir.File("fifo.tmm"), dir.File("fifo.tmm") + " ist keine TMM-Datei.", 0},
      {dir.File("folder.tmm"), dir.File("folder.tmm") + " ist keine TMM-Datei.", 0},
      {"/dev/zero", "/dev/zero ist keine TMM-Datei.", 0},
  };
  for (const Case& c : cases) {
    Fixture f;
    const MapFileResult result = LoadMap(*f.document, c.path, WithoutPictures());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(c.message, result.message);
    EXPECT_EQ(c.systemError, result.systemError);
    EXPECT_TRUE(f.document->IsUntitled());
  }
}

TEST(MapFile, DamagedFilesLeaveAnEmptyDocument) {
  Fixture source;
  source.document->startPosition = {4, 5};
  AddTexture(*source.document, "Stein", AnimationType::Repeat, {"STONE.PCX"});
  TempDir dir;
  ASSERT_TRUE(SaveMap(*source.document, dir.File("good.tmm")).ok);
  const std::vector<unsigned char> good = ReadFileBytes(dir.File("good.tmm"));

  struct Case {
    const char* what;
    std::vector<unsigned char> bytes;
  };
  std::vector<Case> cases;
  cases.push_back({"grid cut short", std::vector<unsigned char>(good.begin(), good.end() - 1)});
  cases.push_back({"header cut short", std::vector<unsigned char>(good.begin(), good.begin() + 10)});
  cases.push_back({"texture record cut short", std::vector<unsigned char>(good.begin(), good.begin() + 100)});
  for (int32_t count : {-1, 257, 0x7FFFFFFF}) {
    std::vector<unsigned char> bytes = good;
    PutInt32(bytes, 12, count);
    cases.push_back({"texture count outside the table", bytes});
  }
  for (int32_t frames : {-1, 9}) {
    std::vector<unsigned char> bytes = good;
    PutInt32(bytes, 16 + 260, frames);
    cases.push_back({"frame count outside the table", bytes});
  }

  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFileBytes(dir.File("bad.tmm"), c.bytes);
    Fixture f;
    const MapFileResult result = LoadMap(*f.document, dir.File("bad.tmm"), WithoutPictures());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ("Fehler beim Einlesen von " + dir.File("bad.tmm") + ".", result.message);
    EXPECT_EQ(0, f.document->textureCount);
    EXPECT_EQ(0, f.document->startPosition.x);
    EXPECT_EQ(0, f.document->textures[0].name[0]);
    MapCell defaults;
    SetCellDefaults(defaults);
    EXPECT_EQ(0, std::memcmp(&defaults, &f.document->cells[0], sizeof defaults));
  }
}

TEST(MapFile, BytesAfterTheGridAreIgnored) {
  Fixture f;
  TempDir dir;
  ASSERT_TRUE(SaveMap(*f.document, dir.File("m.tmm")).ok);
  std::vector<unsigned char> bytes = ReadFileBytes(dir.File("m.tmm"));
  bytes.insert(bytes.end(), {1, 2, 3});
  WriteFileBytes(dir.File("m.tmm"), bytes);
  EXPECT_TRUE(LoadMap(*f.document, dir.File("m.tmm"), WithoutPictures()).ok);
}

TEST(MapFile, MissingFramePictureNamesItsGfxPathAndEmptiesTheDocument) {
  Fixture source;
  AddTexture(*source.document, "Stein", AnimationType::Repeat, {"NOWHERE.PCX"});
  TempDir dir;
  ASSERT_TRUE(SaveMap(*source.document, dir.File("m.tmm")).ok);

  Fixture f;
  const MapFileResult result = LoadMap(*f.document, dir.File("m.tmm"), {dir.Dir(), true});
  EXPECT_FALSE(result.ok);
  EXPECT_EQ("Fehler beim Laden von \"" + dir.Dir() + "GFX/NOWHERE.PCX\".", result.message);
  EXPECT_EQ(0, f.document->textureCount);
  EXPECT_EQ(0, f.document->textures[0].name[0]);
}

TEST(MapFile, FrameNamesReachNoFileOutsideGfxAndNoFifo) {
  TempDir dir;
  std::filesystem::create_directories(dir.Dir() + "GFX/sub");
  const std::vector<unsigned char> picture = [] {
    const std::vector<uint8_t> bytes =
        pcxtest::MakeIndexedPcx(4, 4, std::vector<uint8_t>(16, 1), pcxtest::DistinctPalette());
    return std::vector<unsigned char>(bytes.begin(), bytes.end());
  }();
  for (const char* name : {"x.pcx", "GFX/A.PCX", "GFX/sub/B.PCX", "GFX/B\\C.PCX"})
    WriteFileBytes(dir.Dir() + name, picture);
  ASSERT_EQ(0, ::mkfifo((dir.Dir() + "GFX/PIPE.PCX").c_str(), 0644));

  const std::string nulName("A.PCX\0B", 7);
  for (const std::string& frame :
       {std::string("../x.pcx"), std::string("sub/B.PCX"), std::string("B\\C.PCX"), nulName, std::string("PIPE.PCX")}) {
    SCOPED_TRACE(frame);
    Fixture source;
    AddTexture(*source.document, "Stein", AnimationType::Repeat, {"A.PCX"});
    WritePascalString(source.document->textures[0].frames[0].fileName, FrameNameCapacity, frame);
    ASSERT_TRUE(SaveMap(*source.document, dir.File("m.tmm")).ok);
    Fixture f;
    const MapFileResult result = LoadMap(*f.document, dir.File("m.tmm"), {dir.Dir(), true});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(PictureLoadErrorMessage(FramePicturePath(dir.Dir(), frame)), result.message);
    HiColorImage thumbnail;
    EXPECT_FALSE(LoadFrameThumbnail(dir.Dir(), frame, thumbnail));  // the texture editor's way in
  }
  HiColorImage thumbnail;
  EXPECT_TRUE(LoadFrameThumbnail(dir.Dir(), "a.pcx", thumbnail));
}

TEST(MapFile, RunningOutOfMemoryFailsTheLoadInsteadOfEndingTheProgram) {
  TempDir dir;
  std::filesystem::create_directories(dir.Dir() + "GFX");
  const std::vector<uint8_t> bytes =
      pcxtest::MakeIndexedPcx(1024, 600, pcxtest::NoisyIndices(1024, 600, 7), pcxtest::DistinctPalette());
  pcxtest::WriteBytes(dir.Dir() + "GFX/BIG.PCX", bytes);
  Fixture source;
  AddTexture(*source.document, "Gross", AnimationType::Repeat, {"BIG.PCX"});
  ASSERT_TRUE(SaveMap(*source.document, dir.File("m.tmm")).ok);

  Fixture f;
  MapFileResult result;
  {
    const AllocationLimit limit(1000000);  // less than the picture, more than anything else
    EXPECT_NO_THROW(result = LoadMap(*f.document, dir.File("m.tmm"), {dir.Dir(), true}));
  }
  EXPECT_EQ(PictureLoadErrorMessage(dir.Dir() + "GFX/BIG.PCX"), result.message);
  EXPECT_EQ(0, f.document->textureCount);
  Fixture again;
  EXPECT_TRUE(LoadMap(*again.document, dir.File("m.tmm"), {dir.Dir(), true}).ok);
}

TEST(MapFile, FailedSaveKeepsThePreviousFileAtEveryStep) {
  Fixture f;
  TempDir dir;
  const std::string path = dir.File("level.tmm");
  const std::vector<unsigned char> previous(1000, 0x5A);
  WriteFileBytes(path, previous);
  AddTexture(*f.document, "Stein", AnimationType::Repeat, {"STONE.PCX"});

  FaultyFileOps counting(-1);
  ASSERT_TRUE(SaveMap(*f.document, dir.File("probe.tmm"), counting).ok);
  ASSERT_GE(counting.Calls(), 4);  // create, writes, close, rename

  for (int step = 0; step < counting.Calls(); ++step) {
    SCOPED_TRACE("failing step " + std::to_string(step));
    f.document->modified = true;
    FaultyFileOps faulty(step);
    const MapFileResult result = SaveMap(*f.document, path, faulty);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(step == 0 ? "Konnte " + path + " nicht schreiben." : "Fehler beim Schreiben von " + path + ".",
              result.message);
    EXPECT_TRUE(f.document->modified);
    EXPECT_EQ(previous, ReadFileBytes(path));
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Dir())) ++files;
    EXPECT_EQ(2u, files) << "the temporary file must be gone";
  }
}

TEST(FramePictures, StoredNamesAreFoundIgnoringCaseAndAsUnicodeFileNames) {
  TempDir dir;
  std::filesystem::create_directories(dir.Dir() + "GFX");
  WriteFileBytes(dir.Dir() + "GFX/Stone.pcx", {1});
  WriteFileBytes(dir.Dir() + "GFX/\xC3\x84rger.pcx", {1});  // "Ärger.pcx" as this system names it

  EXPECT_EQ(dir.Dir() + "GFX/Stone.pcx", ResolvePathIgnoringCase(FramePicturePath(dir.Dir(), "STONE.PCX")));
  EXPECT_EQ(dir.Dir() + "GFX/\xC3\x84rger.pcx", ResolvePathIgnoringCase(FramePicturePath(dir.Dir(), "\xC4rger.pcx")));
  EXPECT_EQ(dir.Dir() + "GFX/MISSING.PCX", ResolvePathIgnoringCase(FramePicturePath(dir.Dir(), "MISSING.PCX")));
}

}  // namespace tessmoor
