#include <gtest/gtest.h>

#include <bit>
#include <cstring>

#include "compiler/CompileMap.h"
#include "compiler/CompilerTestMaps.h"
#include "compiler/ModelWriter.h"
#include "document/PascalString.h"
#include "support/TempDir.h"
#include "texts/CompileLogLines.h"

namespace tessmoor {

using namespace compiler_test;

namespace {

// Reads the file back field by field, little-endian, independent of the writer.
class ModelReader {
 public:
  explicit ModelReader(const std::vector<unsigned char>& bytes, size_t at = 0) : bytes_(bytes), pos_(at) {}

  uint8_t U8() { return bytes_.at(pos_++); }
  uint16_t U16() {
    const uint16_t low = U8();
    return uint16_t(low | U8() << 8);
  }
  uint32_t U32() {
    const uint32_t low = U16();
    return low | uint32_t(U16()) << 16;
  }
  int32_t I32() { return static_cast<int32_t>(U32()); }
  float F32() { return std::bit_cast<float>(U32()); }
  size_t Position() const { return pos_; }

 private:
  const std::vector<unsigned char>& bytes_;
  size_t pos_;
};

class ModelWriterTest : public ::testing::Test {
 protected:
  std::vector<unsigned char> CompileToBytes(const MapDocument& document) {
    CompileLogLines log;
    const std::string path = dir.File("level.tcm");
    EXPECT_TRUE(compiler.Compile(document, path, log)) << log.lines.back();
    return ReadFileBytes(path);
  }

  TempDir dir;
  MapCompiler compiler;
};

}  // namespace

TEST_F(ModelWriterTest, MapWithoutTexturesHoldsOnlyHeaderAndSummaries) {
  auto map = EmptyMap();
  map->startPosition = {7, -3};
  MapCell& cell = map->Cell(1, 0);
  cell.type = 1;
  cell.opacity = 5;
  cell.reserved = 0x1234;
  cell.floorHeight = 2.5f;
  const float corners[4] = {9, 8, 7, 10};
  std::copy(corners, corners + 4, cell.ceilingHeight);
  cell.waterLevel = 1.5f;

  const std::vector<unsigned char> bytes = CompileToBytes(*map);
  ASSERT_EQ(bytes.size(), 81952u);
  EXPECT_EQ(std::memcmp(bytes.data(), "TCM1", 4), 0);
  ModelReader header(bytes, 4);
  EXPECT_EQ(header.I32(), 7);
  EXPECT_EQ(header.I32(), -3);
  for (int field = 0; field < 5; ++field) EXPECT_EQ(header.I32(), 0) << field;

  ModelReader summary(bytes, 32 + 64 * 20);  // cell (1, 0): column-major
  EXPECT_EQ(summary.U8(), 1);
  EXPECT_EQ(summary.U8(), 5);
  EXPECT_EQ(summary.U16(), 0x1234);
  EXPECT_EQ(summary.U16(), 0);
  EXPECT_EQ(summary.U16(), 0);
  EXPECT_EQ(summary.F32(), 2.5f);
  EXPECT_EQ(summary.F32(), 7.0f);
  EXPECT_EQ(summary.F32(), 1.5f);
  ModelReader defaults(bytes, 32 + 1 * 20);  // cell (0, 1)
  EXPECT_EQ(defaults.U8(), 0);
  EXPECT_EQ(defaults.U8(), 128);
}

TEST_F(ModelWriterTest, TextureListHoldsAnimationTypeFrameCountAndThirteenByteNames) {
  auto map = EmptyMap();
  map->textureCount = 3;
  TextureEntry& animated = map->textures[1];
  animated.animationType = AnimationType::PingPong;
  animated.frameCount = 2;
  WritePascalString(animated.frames[0].fileName, FrameNameCapacity, "WALL1.PCX");
  WritePascalString(animated.frames[1].fileName, FrameNameCapacity, "W2.PCX");
  animated.frames[1].fileName[12] = 'x';  // bytes after the name are written as held

  const std::vector<unsigned char> bytes = CompileToBytes(*map);
  ASSERT_EQ(bytes.size(), 81952u + 8 + (8 + 2 * 13) + 8);  // a texture without frames takes 8 bytes
  EXPECT_EQ(ModelReader(bytes, 12).I32(), 3);
  ModelReader list(bytes, 81952);
  EXPECT_EQ(list.I32(), static_cast<int32_t>(AnimationType::Repeat));
  EXPECT_EQ(list.I32(), 0);
  EXPECT_EQ(list.I32(), static_cast<int32_t>(AnimationType::PingPong));
  EXPECT_EQ(list.I32(), 2);
  EXPECT_EQ(std::memcmp(&bytes[list.Position()], animated.frames[0].fileName, 13), 0);
  EXPECT_EQ(bytes[list.Position()], 9);
  EXPECT_EQ(std::memcmp(&bytes[list.Position() + 13], animated.frames[1].fileName, 13), 0);
  EXPECT_EQ(bytes[list.Position() + 25], 'x');
}

TEST_F(ModelWriterTest, MeshTablesFollowTheTextureListInFileOrder) {
  auto map = FlatOpenMap();
  map->Cell(10, 10).type = static_cast<uint8_t>(CellType::Wall);
  map->Cell(10, 10).texture[SurfaceKind::Wall] = WallTexture;
  MapCell& water = map->Cell(20, 20);
  water.type = static_cast<uint8_t>(CellType::WaterBasin);
  water.texture[SurfaceKind::Wall] = WallTexture;
  water.opacity = 100;

  const std::vector<unsigned char> bytes = CompileToBytes(*map);
  const MeshBuilder& built = compiler.Builder();
  ASSERT_EQ(built.PolygonCount(), 8195);
  ModelReader in(bytes, 16);
  // Index count first, although the log lists vertices first.
  EXPECT_EQ(in.I32(), built.IndexCount());
  EXPECT_EQ(in.I32(), built.VertexCount());
  EXPECT_EQ(in.I32(), built.PolygonCount());
  EXPECT_EQ(in.I32(), built.TexCoordCount());

  const size_t textureList = 4 * 8;
  ASSERT_EQ(bytes.size(), 81952 + textureList + 4 * size_t(built.IndexCount()) + 16 * size_t(built.VertexCount()) +
                              8 * size_t(built.PolygonCount()) + 8 * size_t(built.TexCoordCount()));
  ModelReader mesh(bytes, 81952 + textureList);
  for (uint16_t index : built.VertexIndices()) ASSERT_EQ(mesh.U16(), index);
  for (uint16_t index : built.TexCoordIndices()) ASSERT_EQ(mesh.U16(), index);
  for (const MeshVertex& vertex : built.Vertices()) {
    ASSERT_EQ(mesh.F32(), vertex.x);
    ASSERT_EQ(mesh.F32(), vertex.y);
    ASSERT_EQ(mesh.F32(), vertex.z);
    ASSERT_EQ(mesh.U32(), 0xFFFFFFFFu);
  }
  for (const MeshPolygon& polygon : built.Polygons()) {
    ASSERT_EQ(mesh.U16(), polygon.firstIndex);
    ASSERT_EQ(mesh.U16(), 4);
    ASSERT_EQ(mesh.U16(), polygon.texture);
    ASSERT_EQ(mesh.U8(), polygon.opacity);
    ASSERT_EQ(mesh.U8(), polygon.opacity == 255 ? 0 : 1);
  }
  for (const TexCoord& uv : built.TexCoords()) {
    ASSERT_EQ(mesh.F32(), uv.u);
    ASSERT_EQ(mesh.F32(), uv.v);
  }
  EXPECT_EQ(mesh.Position(), bytes.size());

  // The summaries carry each cell's polygon range.
  ModelReader wallSummary(bytes, 32 + (10 * 64 + 10) * 20 + 4);
  EXPECT_EQ(wallSummary.U16(), built.Summary(10, 10).firstPolygon);
  EXPECT_EQ(wallSummary.U16(), 4);
}

TEST_F(ModelWriterTest, TextureCountsOutsideTheTableAreNotReadPastIt) {
  auto map = EmptyMap();
  map->textureCount = 1000;
  map->textures[0].frameCount = 99;
  const std::vector<unsigned char> bytes = CompileToBytes(*map);
  EXPECT_EQ(ModelReader(bytes, 12).I32(), MaxTextures);
  EXPECT_EQ(ModelReader(bytes, 81952 + 4).I32(), MaxFrames);
  EXPECT_EQ(bytes.size(), 81952u + 8 * 256 + 13 * 8);
}

}  // namespace tessmoor
