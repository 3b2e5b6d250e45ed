#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "graphics/GraphicsError.h"
#include "graphics/PcxLoader.h"
#include "graphics/PcxTestFile.h"
#include "support/AllocationLimit.h"

namespace tessmoor {

namespace {

using pcxtest::PcxHeaderFields;

HiColorImage Decode(const std::vector<uint8_t>& bytes) {
  HiColorImage image;
  DecodePcxImage(bytes.data(), bytes.size(), image);
  return image;
}

PcxHeaderFields Fields(uint16_t width, uint16_t height, uint16_t bytesPerLine) {
  PcxHeaderFields fields;
  fields.xMax = static_cast<uint16_t>(width - 1);
  fields.yMax = static_cast<uint16_t>(height - 1);
  fields.bytesPerLine = bytesPerLine;
  return fields;
}

// Expects `image` to hold exactly the palette colours of `indices`.
void ExpectPixels(const HiColorImage& image, int width, int height, const std::vector<uint8_t>& indices,
                  const pcxtest::Palette& palette) {
  ASSERT_EQ(image.width, width);
  ASSERT_EQ(image.height, height);
  ASSERT_FALSE(image.IsEmpty());
  for (int i = 0; i < width * height; ++i)
    ASSERT_EQ(image.pixels[i], pcxtest::PaletteColour(palette, indices[i])) << "pixel " << i;
}

class TempDir : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("pcx_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

  std::filesystem::path dir_;
};

TEST(PcxDecode, DropsTheLowThreeBitsOfEachPaletteComponent) {
  pcxtest::Palette palette{};
  palette[15] = 255;
  palette[16] = 128;
  palette[17] = 7;
  const HiColorImage image = Decode(pcxtest::MakeIndexedPcx(1, 1, {5}, palette));
  ASSERT_FALSE(image.IsEmpty());
  EXPECT_EQ(image.pixels[0], 0x7E00);
}

TEST(PcxDecode, ReproducesAnOddWidthNoisyPicture) {
  const auto palette = pcxtest::DistinctPalette();
  const auto indices = pcxtest::NoisyIndices(37, 23, 7);
  ExpectPixels(Decode(pcxtest::MakeIndexedPcx(37, 23, indices, palette)), 37, 23, indices, palette);
}

TEST(PcxDecode, TakesTheSizeFromTheDistanceOfSwappedBounds) {
  PcxHeaderFields fields;
  fields.xMin = 10;
  fields.xMax = 0;
  fields.yMin = 3;
  fields.yMax = 1;
  fields.bytesPerLine = 11;
  const std::vector<uint8_t> data = {0xC0 | 33, 4};
  const HiColorImage image = Decode(pcxtest::MakePcxFile(fields, data, pcxtest::DistinctPalette()));
  EXPECT_EQ(image.width, 11);
  EXPECT_EQ(image.height, 3);
}

TEST(PcxDecode, DiscardsOnePadByteAfterEachRowWhenBytesPerLineDiffers) {
  const auto palette = pcxtest::DistinctPalette();
  // Rows of 3 pixels with a pad byte of index 99 after each; it must never show.
  const std::vector<uint8_t> data = {1, 2, 3, 99, 4, 5, 6, 99, 7, 8, 9};
  ExpectPixels(Decode(pcxtest::MakePcxFile(Fields(3, 3, 4), data, palette)), 3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9},
               palette);
}

TEST(PcxDecode, DiscardsOnlyOneByteEvenWhenBytesPerLineExceedsTheWidthByMore) {
  const auto palette = pcxtest::DistinctPalette();
  const std::vector<uint8_t> data = {1, 2, 3, 99, 4, 5, 6};
  ExpectPixels(Decode(pcxtest::MakePcxFile(Fields(3, 2, 6), data, palette)), 3, 2, {1, 2, 3, 4, 5, 6}, palette);
}

TEST(PcxDecode, DiscardsNothingWhenBytesPerLineEqualsTheWidth) {
  const auto palette = pcxtest::DistinctPalette();
  const std::vector<uint8_t> data = {1, 2, 3, 4, 5, 6};
  ExpectPixels(Decode(pcxtest::MakePcxFile(Fields(3, 2, 3), data, palette)), 3, 2, {1, 2, 3, 4, 5, 6}, palette);
}

TEST(PcxDecode, RunsContinueAcrossRowEndsAndFeedThePadByte) {
  const auto palette = pcxtest::DistinctPalette();
  // 3 pixels + pad + 3 pixels from one run of 7; then a run that crosses rows without pads.
  ExpectPixels(Decode(pcxtest::MakePcxFile(Fields(3, 2, 4), {0xC7, 5}, palette)), 3, 2, std::vector<uint8_t>(6, 5),
               palette);
  ExpectPixels(Decode(pcxtest::MakePcxFile(Fields(2, 3, 2), {0xC3, 9, 0xC3, 8}, palette)), 2, 3, {9, 9, 9, 8, 8, 8},
               palette);
}

TEST(PcxDecode, PadByteAfterAnEmptyRunIsTheNextDecodedByte) {
  const auto palette = pcxtest::DistinctPalette();
  // After row 0: an empty run stores nothing, then 99 is the pad byte.
  const std::vector<uint8_t> data = {1, 2, 3, 0xC0, 50, 99, 4, 5, 6};
  ExpectPixels(Decode(pcxtest::MakePcxFile(Fields(3, 2, 4), data, palette)), 3, 2, {1, 2, 3, 4, 5, 6}, palette);
}

TEST(PcxDecode, EmptyRunStoresNothingAndRunOfOneStoresItsValue) {
  const auto palette = pcxtest::DistinctPalette();
  ExpectPixels(Decode(pcxtest::MakePcxFile(Fields(2, 1, 2), {0xC0, 7, 0xC1, 0xC5, 3}, palette)), 2, 1, {0xC5, 3},
               palette);
}

TEST(PcxDecode, RefusesOtherLayoutsWithTheImageCode) {
  PcxHeaderFields threePlanes = Fields(4, 4, 4);
  threePlanes.planes = 3;
  PcxHeaderFields onePixelBit = Fields(4, 4, 4);
  onePixelBit.bitsPerPixel = 1;
  for (const PcxHeaderFields& fields : {threePlanes, onePixelBit}) {
    TakeGraphicsError();
    const HiColorImage image = Decode(pcxtest::MakePcxFile(fields, {0xC0 | 16, 1}, pcxtest::DistinctPalette()));
    EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geImage);
    EXPECT_TRUE(image.IsEmpty());
  }
}

TEST(PcxDecode, RefusesAHeaderWhosePictureWouldNotFitInMemorySize) {
  TakeGraphicsError();
  const HiColorImage image = Decode(pcxtest::MakePcxFile(Fields(65535, 65535, 65535), {1, 2}, {}));
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geImage);
  EXPECT_TRUE(image.IsEmpty());
  EXPECT_EQ(image.width, 0);
}

TEST(PcxDecode, LargestAllowedHeaderOverFewBytesFailsCleanly) {
  TakeGraphicsError();
  const HiColorImage image = Decode(pcxtest::MakePcxFile(Fields(8192, 2048, 8192), {0xFF, 1, 0xFF, 2}, {}));
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geRead);
  EXPECT_TRUE(image.IsEmpty());
}

TEST(PcxDecode, PicturesOverEightThousandOnASideOrSixteenMegapixelsAreRefused) {
  struct Case {
    uint16_t width, height;
    GraphicsErrorCode error;  // geRead: allowed, then found cut short
  };
  const Case cases[] = {{8192, 2048, GraphicsErrorCode::geRead},   {4096, 4096, GraphicsErrorCode::geRead},
                        {2048, 8192, GraphicsErrorCode::geRead},   {8193, 1, GraphicsErrorCode::geImage},
                        {1, 8193, GraphicsErrorCode::geImage},     {4097, 4096, GraphicsErrorCode::geImage},
                        {32768, 32767, GraphicsErrorCode::geImage}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
    TakeGraphicsError();
    const HiColorImage image = Decode(pcxtest::MakePcxFile(Fields(c.width, c.height, c.width), {0xC1, 1}, {}));
    EXPECT_EQ(TakeGraphicsError(), c.error);
    EXPECT_TRUE(image.IsEmpty());
  }
}

TEST(PcxDecode, FailsWithTheReadCodeOnShortInput) {
  const auto whole = pcxtest::MakeIndexedPcx(1, 1, {1}, pcxtest::DistinctPalette());
  // Under 128 bytes there is no header; under 768 there is no palette.
  for (size_t size : {size_t{0}, size_t{1}, size_t{127}, size_t{128}, size_t{767}}) {
    TakeGraphicsError();
    HiColorImage image;
    DecodePcxImage(whole.data(), size, image);
    EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geRead) << size;
    EXPECT_TRUE(image.IsEmpty());
  }
}

TEST(PcxDecode, EndOfDataBeforeTheLastPixelFailsAndLeavesTheImageEmpty) {
  pcxtest::Palette palette{};  // all bytes below 0xC0: each decodes to one pixel
  std::vector<uint8_t> data(100, 1);
  TakeGraphicsError();
  const HiColorImage image = Decode(pcxtest::MakePcxFile(Fields(64, 64, 64), data, palette));
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geRead);
  EXPECT_TRUE(image.IsEmpty());
  EXPECT_EQ(image.height, 0);
}

TEST(PcxDecode, ShortPixelDataRunsOnIntoThePaletteBytes) {
  const auto palette = pcxtest::DistinctPalette();
  // One pixel of data, then the 0x0C marker and the palette, whose first byte is 0.
  const HiColorImage image = Decode(pcxtest::MakePcxFile(Fields(3, 1, 3), {1}, palette));
  ExpectPixels(image, 3, 1, {1, 0x0C, 0}, palette);
}

// Runs of up to 8 pixels are stored 8 pixels at a time, several codes at once,
// leaving the pixels past a run's end to the codes after it; four runs of 8 in a
// row reach furthest. Near the last pixel none of that may write past the
// picture (AddressSanitizer watches the end of the buffer).
TEST(PcxDecode, RunsOfEightEndingAtTheLastPixelStayInsideThePicture) {
  const auto palette = pcxtest::DistinctPalette();
  for (int width = 1; width <= 80; ++width) {
    std::vector<uint8_t> data;
    for (int x = 0; x < width; x += 8) data.insert(data.end(), {0xC8, static_cast<uint8_t>(x)});
    std::vector<uint8_t> expected;
    for (int x = 0; x < width; ++x) expected.push_back(static_cast<uint8_t>(x & ~7));
    const auto size = static_cast<uint16_t>(width);
    ExpectPixels(Decode(pcxtest::MakePcxFile(Fields(size, 1, size), data, palette)), width, 1, expected, palette);
  }
}

TEST(PcxDecode, DecodesAcrossTheReadBufferBoundary) {
  // A run code as the very last byte of the first 64 KiB block, its value in the next.
  const auto palette = pcxtest::DistinctPalette();
  std::vector<uint8_t> data(65535, 1);
  data.push_back(0xC3);
  data.push_back(7);
  data.insert(data.end(), 254, 2);
  std::vector<uint8_t> expected(65535, 1);
  expected.insert(expected.end(), 3, 7);
  expected.insert(expected.end(), 254, 2);
  ExpectPixels(Decode(pcxtest::MakePcxFile(Fields(256, 257, 256), data, palette)), 256, 257, expected, palette);
}

// The decoding rules written out plainly, one byte at a time, as a yardstick
// for the optimised decoder. Returns false where the data ends too early.
bool ReferenceDecode(const std::vector<uint8_t>& file, int width, int height, bool dropPad,
                     std::vector<uint16_t>& pixels) {
  const auto* palette = file.data() + file.size() - 768;
  size_t in = 128;
  pixels.clear();
  int column = 0;
  bool skipNext = false;
  while (pixels.size() < static_cast<size_t>(width) * height) {
    if (in >= file.size()) return false;
    int count = 1;
    uint8_t value = file[in++];
    if (value >= 0xC0) {
      if (in >= file.size()) return false;
      count = value & 0x3F;
      value = file[in++];
    }
    for (; count > 0 && pixels.size() < static_cast<size_t>(width) * height; --count) {
      if (skipNext) {
        skipNext = false;
        continue;
      }
      const uint8_t* entry = palette + 3 * value;
      pixels.push_back(static_cast<uint16_t>(((entry[0] >> 3) << 10) | ((entry[1] >> 3) << 5) | (entry[2] >> 3)));
      if (++column == width) {
        column = 0;
        skipNext = dropPad;
      }
    }
  }
  return true;
}

TEST(PcxDecode, AgreesWithAPlainByteByByteDecoderOnRandomData) {
  uint32_t state = 12345;
  auto random = [&state](uint32_t limit) {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) % limit;
  };
  for (int round = 0; round < 400; ++round) {
    const int width = 1 + static_cast<int>(random(40));
    const int height = 1 + static_cast<int>(random(12));
    const uint16_t bytesPerLine = static_cast<uint16_t>(width + static_cast<int>(random(3)));
    std::vector<uint8_t> data(random(width * height * 2 + 20));
    // Mostly literals, with runs of every length including the empty run.
    for (auto& byte : data) byte = static_cast<uint8_t>(random(4) == 0 ? 0xC0 + random(64) : random(256));
    const auto file =
        pcxtest::MakePcxFile(Fields(static_cast<uint16_t>(width), static_cast<uint16_t>(height), bytesPerLine), data,
                             pcxtest::DistinctPalette());
    std::vector<uint16_t> expected;
    const bool complete = ReferenceDecode(file, width, height, bytesPerLine != width, expected);
    TakeGraphicsError();
    const HiColorImage image = Decode(file);
    ASSERT_EQ(TakeGraphicsError(), complete ? GraphicsErrorCode::geNone : GraphicsErrorCode::geRead)
        << "round " << round;
    ASSERT_EQ(image.IsEmpty(), !complete) << "round " << round;
    for (size_t i = 0; complete && i < expected.size(); ++i)
      ASSERT_EQ(image.pixels[i], expected[i]) << "round " << round << " pixel " << i;
  }
}

TEST(PcxDecode, DecodingReplacesAPictureTheImageHeld) {
  HiColorImage image;
  AllocImage(10, 10, image);
  const auto bytes = pcxtest::MakeIndexedPcx(2, 2, {1, 2, 3, 4}, pcxtest::DistinctPalette());
  DecodePcxImage(bytes.data(), 20, image);
  EXPECT_TRUE(image.IsEmpty());
}

TEST(GraphicsError, KeepsTheLastFailureUntilTakenAndIsNotClearedBySuccess) {
  PcxHeaderFields planes = Fields(2, 2, 2);
  planes.planes = 4;
  const auto wrongLayout = pcxtest::MakePcxFile(planes, {1, 2, 3, 4}, {});
  const std::vector<uint8_t> tooShort(50, 0);
  const auto good = pcxtest::MakeIndexedPcx(2, 2, {1, 2, 3, 4}, pcxtest::DistinctPalette());

  TakeGraphicsError();
  Decode(wrongLayout);
  Decode(tooShort);
  EXPECT_FALSE(Decode(good).IsEmpty());
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geRead);
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geNone);
}

// The code is per thread, as errno is: a map load decodes pictures on several
// threads, and one thread's damaged picture must not fail another's good one.
TEST(GraphicsError, EachThreadSeesOnlyItsOwnFailures) {
  const auto good = pcxtest::MakeIndexedPcx(48, 40, pcxtest::NoisyIndices(48, 40, 9), pcxtest::DistinctPalette());
  PcxHeaderFields planes = Fields(2, 2, 2);
  planes.planes = 4;
  const std::vector<std::vector<uint8_t>> damaged = {pcxtest::MakePcxFile(planes, {1, 2, 3, 4}, {}),
                                                     std::vector<uint8_t>(good.begin(), good.begin() + 900)};
  using Code = decltype(TakeGraphicsError());
  const Code expected[] = {Code(GraphicsErrorCode::geImage), Code(GraphicsErrorCode::geRead)};
  constexpr int Rounds = 400;

  SetGraphicsError(GraphicsErrorCode::geClip);  // the starting thread's own code outlives both
  std::atomic<int> ready{0};
  const auto startTogether = [&ready] {
    ready.fetch_add(1);
    while (ready.load() < 2) std::this_thread::yield();
  };
  int goodFailures = 0, wrongCodes = 0;
  std::thread decodesGood([&] {
    startTogether();
    for (int i = 0; i < Rounds; ++i) {
      const bool decoded = !Decode(good).IsEmpty();
      if (!decoded || TakeGraphicsError() != Code(GraphicsErrorCode::geNone)) ++goodFailures;
    }
  });
  std::thread decodesDamaged([&] {
    startTogether();
    for (int i = 0; i < Rounds; ++i) {
      Decode(good);  // a success in between clears nothing
      Decode(damaged[static_cast<size_t>(i % 2)]);
      Decode(good);
      if (TakeGraphicsError() != expected[i % 2]) ++wrongCodes;
    }
  });
  decodesGood.join();
  decodesDamaged.join();
  EXPECT_EQ(goodFailures, 0);
  EXPECT_EQ(wrongCodes, 0);
  EXPECT_EQ(TakeGraphicsError(), Code(GraphicsErrorCode::geClip));
}

using PcxFile = TempDir;

TEST_F(PcxFile, LoadsTheSamePictureAsTheMemoryDecoderOverSeveralBlocks) {
  const auto palette = pcxtest::DistinctPalette();
  const auto indices = pcxtest::NoisyIndices(401, 399, 3);
  const auto bytes = pcxtest::MakeIndexedPcx(401, 399, indices, palette);
  ASSERT_GT(bytes.size(), 2u * 65536u);
  ASSERT_TRUE(pcxtest::WriteBytes(PathOf("noise.pcx"), bytes));
  TakeGraphicsError();
  HiColorImage image;
  LoadPcxImage(PathOf("noise.pcx"), image);
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geNone);
  ExpectPixels(image, 401, 399, indices, palette);
}

TEST_F(PcxFile, MissingShortAndTruncatedFilesFailWithTheReadCode) {
  const auto whole = pcxtest::MakeIndexedPcx(64, 64, pcxtest::NoisyIndices(64, 64, 1), pcxtest::DistinctPalette());
  ASSERT_TRUE(pcxtest::WriteBytes(PathOf("header.pcx"), std::vector<uint8_t>(whole.begin(), whole.begin() + 100)));
  ASSERT_TRUE(pcxtest::WriteBytes(PathOf("nopalette.pcx"), std::vector<uint8_t>(whole.begin(), whole.begin() + 700)));
  std::vector<uint8_t> truncated(whole.begin(), whole.begin() + 1500);
  truncated.insert(truncated.end(), 768, 0);  // a palette whose bytes decode as single pixels
  ASSERT_TRUE(pcxtest::WriteBytes(PathOf("truncated.pcx"), truncated));
  for (const char* name : {"missing.pcx", "header.pcx", "nopalette.pcx", "truncated.pcx"}) {
    TakeGraphicsError();
    HiColorImage image;
    LoadPcxImage(PathOf(name), image);
    EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geRead) << name;
    EXPECT_TRUE(image.IsEmpty()) << name;
  }
}

TEST_F(PcxFile, RunningOutOfMemoryIsTheImageCodeNeverAnException) {
  const auto bytes =
      pcxtest::MakeIndexedPcx(1024, 600, pcxtest::NoisyIndices(1024, 600, 5), pcxtest::DistinctPalette());
  ASSERT_TRUE(pcxtest::WriteBytes(PathOf("big.pcx"), bytes));
  HiColorImage fromFile, fromMemory;
  {
    const AllocationLimit limit(1000000);  // less than the 1.2 MB of pixels
    TakeGraphicsError();
    EXPECT_NO_THROW(LoadPcxImage(PathOf("big.pcx"), fromFile));
    EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geImage);
    EXPECT_NO_THROW(DecodePcxImage(bytes.data(), bytes.size(), fromMemory));
    EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geImage);
  }
  EXPECT_TRUE(fromFile.IsEmpty());
  EXPECT_TRUE(fromMemory.IsEmpty());
}

// A thread that loads many pictures keeps one scratch from picture to picture;
// whatever came before, each load must give what the plain file loader gives.
TEST_F(PcxFile, ScratchLoadsGiveWhatTheFileLoaderGivesWhateverCameBefore) {
  const auto palette = pcxtest::DistinctPalette();
  const auto write = [&](const char* name, const std::vector<uint8_t>& bytes) {
    EXPECT_TRUE(pcxtest::WriteBytes(PathOf(name), bytes));
    return std::string(name);
  };
  const auto noisy = [&](int width, int height, uint32_t seed) {
    return pcxtest::MakeIndexedPcx(width, height, pcxtest::NoisyIndices(width, height, seed), palette);
  };
  const auto whole = noisy(64, 64, 1);
  PcxHeaderFields planes = Fields(4, 4, 4);
  planes.planes = 3;
  std::filesystem::create_directories(dir_ / "folder.pcx");
  const std::string names[] = {write("a.pcx", noisy(128, 128, 1)),
                               write("b.pcx", noisy(128, 128, 2)),
                               write("wide.pcx", noisy(256, 64, 3)),  // as many pixels as a, another shape
                               write("odd.pcx", noisy(41, 41, 4)),
                               write("large.pcx", noisy(1200, 1000, 5)),  // read block by block
                               write("header.pcx", std::vector<uint8_t>(whole.begin(), whole.begin() + 100)),
                               write("nopalette.pcx", std::vector<uint8_t>(whole.begin(), whole.begin() + 700)),
                               write("truncated.pcx", std::vector<uint8_t>(whole.begin(), whole.begin() + 1500)),
                               write("planes.pcx", pcxtest::MakePcxFile(planes, {0xD0, 1}, {})),
                               write("empty.pcx", {}),
                               "missing.pcx",
                               "folder.pcx"};
  ASSERT_GT(std::filesystem::file_size(PathOf("large.pcx")), size_t{1} << 20);
  PcxLoadScratch scratch;
  std::mt19937 random(77);
  for (int step = 0; step < 120; ++step) {
    const std::string& name = names[random() % std::size(names)];
    TakeGraphicsError();
    HiColorImage expected;
    LoadPcxImage(PathOf(name), expected);
    const GraphicsErrorCode expectedCode = TakeGraphicsError();
    LoadPcxImage(PathOf(name), scratch);
    ASSERT_EQ(TakeGraphicsError(), expectedCode) << "step " << step << ": " << name;
    const HiColorImage& got = scratch.picture;
    ASSERT_EQ(got.IsEmpty(), expected.IsEmpty()) << "step " << step << ": " << name;
    ASSERT_EQ(got.width, expected.width) << name;
    ASSERT_EQ(got.height, expected.height) << name;
    if (!got.IsEmpty()) {
      ASSERT_EQ(std::memcmp(got.pixels.get(), expected.pixels.get(), size_t(got.width) * size_t(got.height) * 2), 0)
          << "step " << step << ": " << name;
    }
  }
}

TEST_F(PcxFile, RefusesThreePlanesFromAFile) {
  PcxHeaderFields fields = Fields(4, 4, 4);
  fields.planes = 3;
  ASSERT_TRUE(pcxtest::WriteBytes(PathOf("rgb.pcx"), pcxtest::MakePcxFile(fields, {0xD0, 1}, {})));
  TakeGraphicsError();
  HiColorImage image;
  LoadPcxImage(PathOf("rgb.pcx"), image);
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geImage);
  EXPECT_TRUE(image.IsEmpty());
}

}  // namespace

}  // namespace tessmoor
