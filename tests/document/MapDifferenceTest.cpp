// How many cells and textures two maps differ in, as the list of earlier
// versions shows it for each backup.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <random>

#include "document/MapDifference.h"
#include "document/MapFile.h"
#include "document/PascalString.h"
#include "support/TempDir.h"
#include "textures/TextureTable.h"

namespace tessmoor {

namespace {

std::unique_ptr<MapDocument> TexturedMap(int textures) {
  auto map = std::make_unique<MapDocument>();
  ClearDocument(*map, true);
  map->textureCount = textures;
  for (int t = 0; t < textures; ++t) {
    TextureEntry& entry = map->textures[size_t(t)];
    entry.index = t;
    WritePascalString(entry.name, TextureNameCapacity, "Textur " + std::to_string(t));
    entry.frameCount = 2;
    for (int k = 0; k < 2; ++k)
      WritePascalString(entry.frames[size_t(k)].fileName, FrameNameCapacity, "T" + std::to_string(t * 10 + k) + ".PCX");
  }
  return map;
}

// The document holds pictures, which do not copy themselves.
std::unique_ptr<MapDocument> Copy(const MapDocument& map) {
  auto copy = std::make_unique<MapDocument>();
  ClearDocument(*copy, true);
  copy->startPosition = map.startPosition;
  copy->textureCount = map.textureCount;
  copy->cells = map.cells;
  copy->paletteSlots = map.paletteSlots;
  copy->fileName = map.fileName;
  for (size_t t = 0; t < map.textures.size(); ++t) copy->textures[t] = CopyTextureEntry(map.textures[t]);
  return copy;
}

}  // namespace

TEST(MapDifference, CountsEveryChangedCellAndTextureOnceWhateverChangedInIt) {
  std::mt19937 random(2718);
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE(round);
    const auto original = TexturedMap(6);
    auto changed = Copy(*original);
    std::vector<int> cells(GridCells);
    std::iota(cells.begin(), cells.end(), 0);
    std::shuffle(cells.begin(), cells.end(), random);
    const int cellCount = std::uniform_int_distribution<int>(0, 300)(random);
    for (int i = 0; i < cellCount; ++i) {
      // One byte of the 48, anywhere in the record, the reserved field too.
      auto* bytes = reinterpret_cast<uint8_t*>(&changed->cells[size_t(cells[size_t(i)])]);
      bytes[std::uniform_int_distribution<size_t>(0, sizeof(MapCell) - 1)(random)] ^= 0x40;
    }
    // Each texture is changed in one way, or not at all.
    int textureCount = 0;
    for (int t = 0; t < 6; ++t) {
      TextureEntry& entry = changed->textures[size_t(t)];
      switch (std::uniform_int_distribution<int>(0, 5)(random)) {
        case 0:
          entry.name[1] ^= 1;
          break;
        case 1:
          entry.animationType = AnimationType::PingPong;
          break;
        case 2:
          entry.frameCount = 1;
          break;
        case 3:
          entry.frames[1].fileName[2] ^= 1;
          break;
        default:
          // Bytes beyond a name's length are never saved and do not count.
          entry.name[entry.name[0] + 1] ^= 1;
          entry.frames[5].fileName[3] ^= 1;
          continue;
      }
      ++textureCount;
    }
    // Textures only one of the two has differ too.
    const int added = std::uniform_int_distribution<int>(0, 3)(random);
    changed->textureCount += added;
    // Neither the palette nor the file name is part of the comparison.
    changed->paletteSlots[0].cell.opacity ^= 1;
    changed->fileName = "Anders.tmm";

    const MapDifference expected{cellCount, textureCount + added};
    EXPECT_EQ(CompareMaps(*original, *changed), expected);
    EXPECT_EQ(CompareMaps(*changed, *original), expected);
    EXPECT_EQ(CompareMaps(*changed, *changed), MapDifference{});
  }
}

TEST(MapDifference, AgainstAMapFileOnDiskAndAFileThatIsNoMap) {
  TempDir dir;
  auto saved = TexturedMap(3);
  saved->Cell(4, 5).floorHeight = 32;
  ASSERT_TRUE(SaveMap(*saved, dir.File("Halle.tmm")).ok);
  auto open = Copy(*saved);
  open->Cell(4, 5).floorHeight = 64;
  open->Cell(6, 7).type = static_cast<uint8_t>(CellType::Wall);
  WritePascalString(open->textures[2].name, TextureNameCapacity, "Fels");
  EXPECT_EQ(CompareWithFile(*open, dir.File("Halle.tmm")), (MapDifference{2, 1}));
  EXPECT_EQ(CompareWithFile(*saved, dir.File("Halle.tmm")), MapDifference{});

  WriteFileBytes(dir.File("Kaputt.tmm"), {1, 2, 3});
  EXPECT_EQ(CompareWithFile(*open, dir.File("Kaputt.tmm")), std::nullopt);
  EXPECT_EQ(CompareWithFile(*open, dir.File("Fehlt.tmm")), std::nullopt);
}

}  // namespace tessmoor
