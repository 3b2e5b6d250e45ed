// Loading a map's pictures on several threads must give exactly what loading
// them one by one, in the file's order, gives: the same document, the same
// thumbnails, and on failure the message of the first thing that went wrong.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <random>

#include "document/FramePictures.h"
#include "document/FrameThumbnailJobs.h"
#include "document/MapFile.h"
#include "document/PascalString.h"
#include "graphics/GraphicsError.h"
#include "graphics/PcxTestFile.h"
#include "support/CoreMessageText.h"
#include "support/TempDir.h"

namespace tessmoor {

namespace {

constexpr size_t HeaderBytes = 16, TextureHeadBytes = 264, FrameNameBytes = 13;

// Good pictures of several shapes (one too narrow for a thumbnail side), damaged
// ones, and names that lead to no picture at all.
const char* const Names[] = {"WIDE.PCX", "tall.pcx", "SQUARE.PCX", "THIN.PCX", "CUT.PCX", "PLANES.PCX", "NONE.PCX"};
constexpr int GoodNames = 4;

void WritePictures(const std::string& gfx) {
  std::filesystem::create_directories(gfx);
  const auto palette = pcxtest::DistinctPalette();
  const int sizes[GoodNames][2] = {{90, 37}, {21, 70}, {64, 64}, {1, 130}};
  for (int i = 0; i < GoodNames; ++i) {
    const int w = sizes[i][0], h = sizes[i][1];
    pcxtest::WriteBytes(gfx + Names[i], pcxtest::MakeIndexedPcx(w, h, pcxtest::NoisyIndices(w, h, i + 1), palette));
  }
  const auto whole = pcxtest::MakeIndexedPcx(40, 40, pcxtest::NoisyIndices(40, 40, 9), palette);
  pcxtest::WriteBytes(gfx + "CUT.PCX", std::vector<uint8_t>(whole.begin(), whole.begin() + 800));
  pcxtest::PcxHeaderFields planes;
  planes.xMax = planes.yMax = 1;
  planes.bytesPerLine = 2;
  planes.planes = 3;
  pcxtest::WriteBytes(gfx + "PLANES.PCX", pcxtest::MakePcxFile(planes, {1, 2, 3, 4}, palette));
}

bool SameImage(const HiColorImage& a, const HiColorImage& b) {
  if (a.width != b.width || a.height != b.height || a.IsEmpty() != b.IsEmpty()) return false;
  return a.IsEmpty() || std::memcmp(a.pixels.get(), b.pixels.get(), size_t(a.width) * size_t(a.height) * 2) == 0;
}

}  // namespace

TEST(ParallelMapLoad, EqualsTheOneByOneLoadWithMissingAndDamagedPicturesAnywhere) {
  TempDir dir;
  WritePictures(dir.Dir() + "GFX/");
  std::mt19937 random(23);
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE(round);
    auto source = std::make_unique<MapDocument>();
    EditorState editor;
    ResetDocument(*source, editor, true);
    // Mostly good pictures, so that failures fall early, late, or not at all.
    const double badChance[] = {0.0, 0.004, 0.03, 0.2};
    std::bernoulli_distribution bad(badChance[round % 4]);
    source->textureCount = std::uniform_int_distribution<int>(1, 24)(random);
    for (int t = 0; t < source->textureCount; ++t) {
      TextureEntry& entry = source->textures[size_t(t)];
      entry.index = t;
      WritePascalString(entry.name, TextureNameCapacity, "T" + std::to_string(t));
      entry.frameCount = std::uniform_int_distribution<int>(0, MaxFrames)(random);
      for (int f = 0; f < entry.frameCount; ++f) {
        const char* name = bad(random) ? Names[GoodNames + random() % 3] : Names[random() % GoodNames];
        WritePascalString(entry.frames[size_t(f)].fileName, FrameNameCapacity, name);
      }
    }
    for (MapCell& cell : source->cells) cell.texture[SurfaceKind::Wall] = uint16_t(random() % 300);
    std::vector<uint8_t> bytes = MapFileBytes(*source);
    // Every third map ends early: inside the texture table or the grid.
    if (round % 3 == 1) bytes.resize(std::uniform_int_distribution<size_t>(HeaderBytes, bytes.size() - 1)(random));
    pcxtest::WriteBytes(dir.File("m.tmm"), bytes);

    // The one-by-one load, walked here: record by record, picture by picture.
    std::string expectedMessage;
    std::vector<HiColorImage> expectedThumbnails;
    size_t offset = HeaderBytes;
    for (int t = 0; t < source->textureCount && expectedMessage.empty(); ++t) {
      const TextureEntry& entry = source->textures[size_t(t)];
      offset += TextureHeadBytes;
      if (offset > bytes.size()) expectedMessage = "Fehler beim Einlesen von " + dir.File("m.tmm") + ".";
      for (int f = 0; f < entry.frameCount && expectedMessage.empty(); ++f) {
        offset += FrameNameBytes;
        const std::string name = ReadPascalString(entry.frames[size_t(f)].fileName, FrameNameCapacity);
        expectedThumbnails.emplace_back();
        if (offset > bytes.size()) {
          expectedMessage = "Fehler beim Einlesen von " + dir.File("m.tmm") + ".";
        } else if (!LoadFrameThumbnail(dir.Dir(), name, expectedThumbnails.back())) {
          expectedMessage = CoreText(PictureLoadErrorMessage(FramePicturePath(dir.Dir(), name)));
        }
      }
    }
    if (expectedMessage.empty() && bytes.size() < offset + MapGridBytes)
      expectedMessage = "Fehler beim Einlesen von " + dir.File("m.tmm") + ".";

    auto loaded = std::make_unique<MapDocument>();
    ResetDocument(*loaded, editor, true);
    const MapFileResult result = LoadMap(*loaded, dir.File("m.tmm"), {dir.Dir(), true});
    EXPECT_EQ(result.message, expectedMessage);
    ASSERT_EQ(result.ok, expectedMessage.empty());
    if (!result.ok) {
      auto empty = std::make_unique<MapDocument>();
      ResetDocument(*empty, editor, true);
      EXPECT_EQ(MapFileBytes(*loaded), MapFileBytes(*empty));
      continue;
    }
    EXPECT_EQ(MapFileBytes(*loaded), bytes);
    size_t frame = 0;
    for (int t = 0; t < loaded->textureCount; ++t)
      for (int f = 0; f < loaded->textures[size_t(t)].frameCount; ++f)
        EXPECT_TRUE(SameImage(loaded->textures[size_t(t)].frames[size_t(f)].thumbnail, expectedThumbnails[frame++]))
            << "texture " << t << " frame " << f;
  }
}

// A map load may start on a thread whose graphics code holds an old failure.
TEST(ParallelMapLoad, ThumbnailJobsReportTheFirstFailureInOrder) {
  TempDir dir;
  WritePictures(dir.Dir() + "GFX/");
  std::vector<HiColorImage> thumbnails(64);
  std::vector<FrameThumbnailJob> jobs;
  for (size_t i = 0; i < thumbnails.size(); ++i) jobs.push_back({Names[i % GoodNames], &thumbnails[i]});
  SetGraphicsError(GraphicsErrorCode::geRead);
  EXPECT_EQ(LoadFrameThumbnails(dir.Dir(), jobs), jobs.size());
  jobs[41].frameName = "NONE.PCX";
  jobs[57].frameName = "CUT.PCX";
  for (HiColorImage& thumbnail : thumbnails) FreeImage(thumbnail);
  EXPECT_EQ(LoadFrameThumbnails(dir.Dir(), jobs), 41u);
  for (size_t i = 0; i < 41; ++i) EXPECT_EQ(thumbnails[i].IsEmpty(), i % GoodNames == 3) << i;
}

}  // namespace tessmoor
