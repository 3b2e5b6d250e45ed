// The stamp file: what is saved reads back field for field, and no input,
// however cut or damaged, reads past its data or yields a stamp whose cells
// name a texture the stamp does not carry.

#include <gtest/gtest.h>

#include <cstring>

#include "document/PascalString.h"
#include "document/Stamp.h"
#include "support/CoreMessageText.h"
#include "support/FaultyFileOps.h"
#include "support/TempDir.h"

namespace tessmoor {
namespace {

std::unique_ptr<MapDocument> MapWithTextures() {
  auto map = std::make_unique<MapDocument>();
  EditorState editor;
  ResetDocument(*map, editor, true);
  map->textureCount = 3;
  const char* names[] = {"Stein", "Holz", "Glas \xe4"};
  for (int t = 0; t < 3; ++t) {
    TextureEntry& entry = map->textures[size_t(t)];
    WritePascalString(entry.name, TextureNameCapacity, names[t]);
    entry.animationType = t % 2 ? AnimationType::PingPong : AnimationType::Repeat;
    entry.frameCount = t + 1;
    for (int k = 0; k <= t; ++k)
      WritePascalString(entry.frames[size_t(k)].fileName, FrameNameCapacity, "F" + std::to_string(k) + ".PCX");
  }
  for (int x = 4; x < 7; ++x) {
    for (int y = 5; y < 7; ++y) {
      MapCell& cell = map->Cell(x, y);
      cell.type = static_cast<uint8_t>(x + y) % CellTypeCount;
      cell.floorHeight = float(x * 8);
      cell.ceilingHeight[2] = 200;
      cell.texture[SurfaceKind::Wall] = 2;
      cell.texture[SurfaceKind::Floor] = uint16_t(x == 5 ? 0 : NoTexture);
      cell.texture[SurfaceKind::Ceiling] = 77;  // beyond the table
      cell.textureOffset[SurfaceKind::PedestalFloor] = int16_t(-x);
    }
  }
  return map;
}

TEST(StampFile, MakeRenumbersByFirstUseAndTheFileReadsBackTheSame) {
  auto map = MapWithTextures();
  const Stamp stamp = MakeStamp(*map, {4, 5, 6, 6}, "Nische \xc3\xa4");
  ASSERT_EQ(stamp.block.width, 3);
  ASSERT_EQ(stamp.block.height, 2);
  ASSERT_EQ(stamp.textures.size(), 2u);  // Glas first (wall of the first cell), then Stein
  EXPECT_EQ(stamp.textures[0].name, "Glas \xe4");
  EXPECT_EQ(stamp.textures[0].frames.size(), 3u);
  EXPECT_EQ(stamp.textures[1].name, "Stein");
  EXPECT_EQ(stamp.block.At(1, 0).texture[SurfaceKind::Floor], 1);
  EXPECT_EQ(stamp.block.At(0, 0).texture[SurfaceKind::Ceiling], NoTexture);  // it named nothing the map has
  EXPECT_EQ(stamp.block.At(2, 1).floorHeight, 48.0f);

  TempDir dir;
  ASSERT_TRUE(SaveStamp(stamp, dir.File("n.tms")).ok);
  Stamp read;
  const StampResult result = LoadStamp(read, dir.File("n.tms"));
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(read.name, stamp.name);
  EXPECT_EQ(read.textures, stamp.textures);
  ASSERT_EQ(read.block.cells.size(), stamp.block.cells.size());
  EXPECT_EQ(std::memcmp(read.block.cells.data(), stamp.block.cells.data(), sizeof(MapCell) * 6), 0);
  EXPECT_EQ(StampFileBytes(read), StampFileBytes(stamp));
}

TEST(StampFile, EveryCutAndEveryDamageIsRefusedWithAReason) {
  auto map = MapWithTextures();
  const std::vector<uint8_t> good = StampFileBytes(MakeStamp(*map, {4, 5, 6, 6}, "N"));
  Stamp stamp;
  for (size_t length = 0; length < good.size(); ++length) {
    MemorySource source(good.data(), length);
    const StampResult result = ReadStamp(stamp, source);
    ASSERT_FALSE(result.ok) << length;
    EXPECT_FALSE(result.message.code == CoreCode::None);
    EXPECT_TRUE(stamp.block.cells.empty());
  }
  struct Damage {
    const char* what;
    size_t at;
    uint8_t value;
    const char* message;
  };
  const size_t cells = good.size() - 6 * sizeof(MapCell);
  const Damage damages[] = {
      {"magic", 0, 'X', "Die Datei ist kein Stempel."},
      {"newer version", 4, 2, "Der Stempel stammt aus einer neueren Version des Editors."},
      {"version 0", 4, 0, "Der Stempel ist beschädigt."},
      {"width 0", 9, 0, "Der Stempel ist beschädigt."},
      {"width 65", 9, 65, "Der Stempel ist beschädigt."},
      {"texture count beyond the data", 13, 9, "Der Stempel ist beschädigt."},
      {"reference beyond the stamp's table",
       cells + offsetof(MapCell, texture) + 2 * static_cast<size_t>(SurfaceKind::Wall), 2,
       "Der Stempel ist beschädigt."},
  };
  for (const Damage& damage : damages) {
    SCOPED_TRACE(damage.what);
    std::vector<uint8_t> bytes = good;
    bytes[damage.at] = damage.value;
    MemorySource source(bytes.data(), bytes.size());
    const StampResult result = ReadStamp(stamp, source);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, damage.message);
  }
  std::vector<uint8_t> longer = good;
  longer.push_back(0);
  MemorySource source(longer.data(), longer.size());
  EXPECT_FALSE(ReadStamp(stamp, source).ok);
}

TEST(StampFile, AFailedSaveKeepsTheOlderStamp) {
  auto map = MapWithTextures();
  TempDir dir;
  const Stamp first = MakeStamp(*map, {4, 5, 4, 5}, "Alt");
  ASSERT_TRUE(SaveStamp(first, dir.File("s.tms")).ok);
  for (int call = 0; call < 4; ++call) {
    FaultyFileOps faulty(call);
    EXPECT_FALSE(SaveStamp(MakeStamp(*map, {4, 5, 6, 6}, "Neu"), dir.File("s.tms"), faulty).ok) << call;
    Stamp read;
    ASSERT_TRUE(LoadStamp(read, dir.File("s.tms")).ok);
    EXPECT_EQ(read.name, "Alt");
  }
}

}  // namespace
}  // namespace tessmoor
