// The pictures and the sample map that the build ships in bin/: the map must
// open with the real GFX/ folder, every picture must decode at its size, and
// the PCX writer that made them must round-trip through our decoder.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "compiler/CellGeometry.h"
#include "compiler/ColumnProfile.h"
#include "document/FramePictures.h"
#include "document/MapFile.h"
#include "document/PascalString.h"
#include "graphics/GraphicsError.h"
#include "graphics/PcxLoader.h"
#include "support/CoreMessageText.h"
#include "tools/tmgen/PcxWriter.h"

namespace tessmoor {

namespace {

const std::string BinDir = TM_BIN_DIR "/";

struct ShippedPicture {
  const char* path;
  int width;
  int height;
};

// Odd widths are on purpose: their rows carry a pad byte.
const ShippedPicture ShippedTextures[] = {
    {"GFX/BRICK.PCX", 64, 64},  {"GFX/STONE.PCX", 128, 128},  {"GFX/COBBLE.PCX", 128, 128}, {"GFX/MOSS.PCX", 64, 64},
    {"GFX/TILES.PCX", 64, 64},  {"GFX/MARBLE.PCX", 128, 128}, {"GFX/PLASTER.PCX", 63, 64},  {"GFX/WOOD.PCX", 64, 64},
    {"GFX/FLOOR.PCX", 64, 64},  {"GFX/DOOR.PCX", 64, 64},     {"GFX/CEILING.PCX", 64, 64},  {"GFX/METAL.PCX", 64, 64},
    {"GFX/WINDOW.PCX", 64, 64}, {"GFX/ROOF.PCX", 127, 64},    {"GFX/FRIEZE.PCX", 65, 32},   {"GFX/GRASS.PCX", 64, 64},
    {"GFX/SAND.PCX", 64, 64},   {"GFX/SKY.PCX", 128, 128},    {"GFX/WATER1.PCX", 64, 64},   {"GFX/WATER2.PCX", 64, 64},
    {"GFX/WATER3.PCX", 64, 64}, {"GFX/WATER4.PCX", 64, 64},   {"GFX/LAVA1.PCX", 64, 64},    {"GFX/LAVA2.PCX", 64, 64},
    {"GFX/LAVA3.PCX", 64, 64},
};

const ShippedPicture ShippedSymbols[] = {
    {"TMEGfx/TypeWall.pcx", 20, 20},        {"TMEGfx/TypeColumn.pcx", 20, 20},     {"TMEGfx/TypeWater.pcx", 20, 20},
    {"TMEGfx/TypeWindowHoriz.pcx", 20, 20}, {"TMEGfx/TypeWindowVert.pcx", 20, 20},
};

HiColorImage LoadShipped(const std::string& relativePath) {
  HiColorImage image;
  TakeGraphicsError();
  LoadPcxImage(BinDir + relativePath, image);
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geNone) << relativePath;
  return image;
}

std::unique_ptr<MapDocument> LoadShippedMap(const std::string& name, bool loadPictures) {
  auto document = std::make_unique<MapDocument>();
  EditorState editor;
  ResetDocument(*document, editor, true);
  const MapFileResult result = LoadMap(*document, BinDir + "Maps/" + name, {BinDir, loadPictures});
  EXPECT_TRUE(result.ok) << result.message;
  return document;
}

bool IsOpenCell(const MapCell& cell) { return cell.type != static_cast<uint8_t>(CellType::Wall); }

// Every shipped map must hold to the same rules.
class ShippedMap : public testing::TestWithParam<const char*> {
 protected:
  std::unique_ptr<MapDocument> Load(bool loadPictures) { return LoadShippedMap(GetParam(), loadPictures); }
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Maps, ShippedMap, testing::Values("Sample.tmm", "Courtyard.tmm"));

TEST(ShippedPictures, EveryTextureDecodesAtItsSizeWithoutTransparentBlack) {
  for (const ShippedPicture& picture : ShippedTextures) {
    const HiColorImage image = LoadShipped(picture.path);
    ASSERT_EQ(image.width, picture.width) << picture.path;
    ASSERT_EQ(image.height, picture.height) << picture.path;
    // Black is see-through when a thumbnail is drawn, so a texture must never use it.
    for (int i = 0; i < image.width * image.height; ++i)
      ASSERT_NE(image.pixels[static_cast<size_t>(i)], 0) << picture.path << " pixel " << i;
  }
}

TEST(ShippedPictures, OddWidthTexturesAreShipped) {
  int oddWidths = 0;
  for (const ShippedPicture& picture : ShippedTextures) oddWidths += picture.width % 2;
  EXPECT_GE(oddWidths, 2);
}

TEST(ShippedPictures, SymbolsAreOpaquePictogramsOnTransparentBlack) {
  for (const ShippedPicture& symbol : ShippedSymbols) {
    const HiColorImage image = LoadShipped(symbol.path);
    ASSERT_EQ(image.width, symbol.width) << symbol.path;
    ASSERT_EQ(image.height, symbol.height) << symbol.path;
    EXPECT_EQ(GetImagePixel(0, 0, image), 0) << symbol.path;
    int drawn = 0;
    for (int i = 0; i < image.width * image.height; ++i) drawn += image.pixels[static_cast<size_t>(i)] != 0;
    EXPECT_GT(drawn, 40) << symbol.path;
    EXPECT_LT(drawn, image.width * image.height) << symbol.path;
  }
}

TEST_P(ShippedMap, LoadsWithTheShippedPicturesAndThumbnails) {
  const auto document = Load(true);
  ASSERT_GE(document->textureCount, 10);  // the courtyard, the smaller map, uses ten
  for (int t = 0; t < document->textureCount; ++t) {
    const TextureEntry& entry = document->textures[static_cast<size_t>(t)];
    ASSERT_GE(entry.frameCount, 1);
    for (int f = 0; f < entry.frameCount; ++f) {
      const HiColorImage& thumbnail = entry.frames[static_cast<size_t>(f)].thumbnail;
      EXPECT_TRUE(thumbnail.width == 64 || thumbnail.height == 64) << "texture " << t << " frame " << f;
    }
  }
}

TEST_P(ShippedMap, EveryFrameNameExistsInGfx) {
  const auto document = Load(false);
  for (int t = 0; t < document->textureCount; ++t) {
    const TextureEntry& entry = document->textures[static_cast<size_t>(t)];
    for (int f = 0; f < entry.frameCount; ++f) {
      const std::string name = ReadPascalString(entry.frames[static_cast<size_t>(f)].fileName, FrameNameCapacity);
      EXPECT_TRUE(std::filesystem::exists(ResolvePathIgnoringCase(FramePicturePath(BinDir, name)))) << name;
    }
  }
}

TEST(SampleMap, ShowsEveryCellKindAndBothAnimationTypes) {
  const auto document = LoadShippedMap("Sample.tmm", false);
  std::set<int> kinds;
  for (const MapCell& cell : document->cells) kinds.insert(cell.type);
  EXPECT_EQ(kinds, (std::set<int>{0, 1, 2, 3, 4, 5}));
  std::set<AnimationType> animations;
  for (int t = 0; t < document->textureCount; ++t)
    animations.insert(document->textures[static_cast<size_t>(t)].animationType);
  EXPECT_EQ(animations, (std::set<AnimationType>{AnimationType::Repeat, AnimationType::PingPong}));
}

TEST_P(ShippedMap, CellsReferOnlyToTableEntriesAndFixturesCarryTheirTexture) {
  const auto document = Load(false);
  for (const MapCell& cell : document->cells) {
    for (const uint16_t texture : cell.texture) {
      ASSERT_TRUE(texture == NoTexture || texture < document->textureCount);
    }
    if (cell.type != static_cast<uint8_t>(CellType::Nothing)) {
      EXPECT_NE(cell.texture[SurfaceKind::Wall], NoTexture);
    }
  }
}

TEST_P(ShippedMap, StartsInsideAnOpenRoom) {
  const auto document = Load(false);
  const StartPosition start = document->startPosition;
  ASSERT_TRUE(start.x >= 0 && start.x < GridSize && start.y >= 0 && start.y < GridSize);
  const MapCell& cell = document->Cell(start.x, start.y);
  EXPECT_EQ(cell.type, static_cast<uint8_t>(CellType::Nothing));
  EXPECT_NE(cell.texture[SurfaceKind::Floor], NoTexture);
}

// Walls show only towards neighbours with a floor: every wall next to an open
// cell has a wall texture, and every open cell is floored.
TEST_P(ShippedMap, EveryOpenCellIsFlooredAndEnclosedByTexturedWalls) {
  const auto document = Load(false);
  for (int x = 0; x < GridSize; ++x) {
    for (int y = 0; y < GridSize; ++y) {
      const MapCell& cell = document->Cell(x, y);
      if (!IsOpenCell(cell) || cell.texture[SurfaceKind::Floor] == NoTexture) continue;
      EXPECT_NE(cell.texture[SurfaceKind::Ceiling], NoTexture) << x << "," << y;
      ASSERT_TRUE(x > 0 && y > 0 && x < GridSize - 1 && y < GridSize - 1) << "open cell at the map border";
      for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        const MapCell& neighbour = document->Cell(x + dx, y + dy);
        EXPECT_TRUE(!IsOpenCell(neighbour) ? neighbour.texture[SurfaceKind::Wall] != NoTexture
                                           : neighbour.texture[SurfaceKind::Floor] != NoTexture)
            << "the room at " << x << "," << y << " leaks";
      }
    }
  }
}

TEST_P(ShippedMap, CompilesWithinTheMeshCapacities) {
  const auto document = Load(false);
  static const ColumnProfile profile = BuildColumnProfile();
  auto builder = std::make_unique<MeshBuilder>();
  builder->Reset();
  ASSERT_TRUE(CellGeometry(*document, profile, *builder));
  EXPECT_GT(builder->PolygonCount(), 1000);
  EXPECT_LT(builder->PolygonCount(), MaxPolygons / 2);
  EXPECT_LT(builder->TexCoordCount(), MaxTexCoords / 2);
}

namespace {

enum class Content { Noise, HighValues, LongRuns };

IndexedPicture RandomPicture(int width, int height, Content content, std::mt19937& random) {
  IndexedPicture picture;
  picture.width = width;
  picture.height = height;
  for (PaletteColour& colour : picture.palette)
    colour = {static_cast<uint8_t>(random()), static_cast<uint8_t>(random()), static_cast<uint8_t>(random())};
  std::uniform_int_distribution<int> any(0, 255), high(192, 255);
  for (int y = 0; y < height; ++y) {
    const int rowValue = high(random);
    for (int x = 0; x < width; ++x) {
      int value = any(random);
      if (content == Content::HighValues) value = high(random);
      // Whole rows of one high value, with a stray pixel now and then.
      if (content == Content::LongRuns) value = (x % 97 == 50) ? any(random) : rowValue;
      picture.indices.push_back(static_cast<uint8_t>(value));
    }
  }
  return picture;
}

RGB555 Expected(const IndexedPicture& picture, int x, int y) {
  const PaletteColour& colour = picture.palette[picture.indices[static_cast<size_t>(y * picture.width + x)]];
  return PackRGB555(colour.r >> 3, colour.g >> 3, colour.b >> 3);
}

// Walks the run-length stream of an encoded file and reports whether any run
// spans the end of a stored row.
bool RunsStayInsideRows(const std::vector<uint8_t>& file, int bytesPerLine, int height) {
  const size_t total = static_cast<size_t>(bytesPerLine * height);
  size_t stored = 0;
  for (size_t at = 128; stored < total; ++at) {
    size_t length = 1;
    if (file.at(at) >= 0xC0) length = file.at(at++) & 0x3F;
    const size_t column = stored % static_cast<size_t>(bytesPerLine);
    if (column + length > static_cast<size_t>(bytesPerLine)) return false;
    stored += length;
  }
  return true;
}

}  // namespace

TEST(PcxWriter, RoundTripsThroughTheDecoderForEveryShapeAndContent) {
  std::mt19937 random(1234);
  const std::pair<int, int> sizes[] = {{1, 1}, {2, 3}, {3, 5}, {63, 64}, {64, 64}, {65, 32}, {127, 2}, {200, 3}};
  for (const auto& [width, height] : sizes) {
    for (const Content content : {Content::Noise, Content::HighValues, Content::LongRuns}) {
      const IndexedPicture picture = RandomPicture(width, height, content, random);
      const std::vector<uint8_t> file = EncodePcx(picture);
      HiColorImage image;
      TakeGraphicsError();
      DecodePcxImage(file.data(), file.size(), image);
      ASSERT_EQ(TakeGraphicsError(), GraphicsErrorCode::geNone);
      ASSERT_EQ(image.width, width);
      ASSERT_EQ(image.height, height);
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
          ASSERT_EQ(GetImagePixel(x, y, image), Expected(picture, x, y))
              << width << "x" << height << " content " << static_cast<int>(content) << " at " << x << "," << y;
    }
  }
}

TEST(PcxWriter, StoresEvenRowsWithRunsThatNeverCrossThem) {
  std::mt19937 random(99);
  for (const int width : {1, 63, 64, 65, 200}) {
    const IndexedPicture picture = RandomPicture(width, 4, Content::LongRuns, random);
    const std::vector<uint8_t> file = EncodePcx(picture);
    const int bytesPerLine = file[66] | file[67] << 8;
    EXPECT_EQ(bytesPerLine, width + width % 2);
    EXPECT_TRUE(RunsStayInsideRows(file, bytesPerLine, 4)) << width;
  }
}

TEST(PcxWriter, WritesTheHeaderFieldsAndTrailingPalette) {
  std::mt19937 random(7);
  const IndexedPicture picture = RandomPicture(65, 32, Content::Noise, random);
  const std::vector<uint8_t> file = EncodePcx(picture);
  EXPECT_EQ(file[0], 0x0A);
  EXPECT_EQ(file[1], 5);
  EXPECT_EQ(file[2], 1);
  EXPECT_EQ(file[3], 8);
  EXPECT_EQ(file[8] | file[9] << 8, 64);    // Xmax
  EXPECT_EQ(file[10] | file[11] << 8, 31);  // Ymax
  EXPECT_EQ(file[65], 1);
  ASSERT_GE(file.size(), 128u + 769u);
  const size_t paletteStart = file.size() - 768;
  EXPECT_EQ(file[paletteStart - 1], 0x0C);
  EXPECT_EQ(file[paletteStart + 3 * 255 + 2], picture.palette[255].b);
}

}  // namespace tessmoor
