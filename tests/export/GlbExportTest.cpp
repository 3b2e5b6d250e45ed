// The .glb export read back with tinygltf's reader and judged by the Khronos validator.

#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "export/ExportAxes.h"
#include "export/ExportTestSupport.h"
#include "export/GlbWriter.h"
#include "export/MapExport.h"
#include "preview/EyePosition.h"
#include "support/CoreMessageText.h"
#include "support/FaultyFileOps.h"

namespace tessmoor {

using namespace export_test;

namespace {

// The floats an accessor covers, tightly packed or strided.
std::vector<float> Floats(const tinygltf::Model& model, int accessorIndex) {
  const tinygltf::Accessor& accessor = model.accessors[size_t(accessorIndex)];
  const tinygltf::BufferView& view = model.bufferViews[size_t(accessor.bufferView)];
  const int components = accessor.type == TINYGLTF_TYPE_VEC3 ? 3 : 2;
  const size_t stride = view.byteStride ? view.byteStride : size_t(components) * 4;
  const unsigned char* base = model.buffers[0].data.data() + view.byteOffset + accessor.byteOffset;
  std::vector<float> values(accessor.count * size_t(components));
  for (size_t i = 0; i < accessor.count; ++i) std::memcpy(&values[i * components], base + i * stride, components * 4);
  return values;
}

std::vector<uint32_t> Indices(const tinygltf::Model& model, int accessorIndex) {
  const tinygltf::Accessor& accessor = model.accessors[size_t(accessorIndex)];
  const tinygltf::BufferView& view = model.bufferViews[size_t(accessor.bufferView)];
  const unsigned char* base = model.buffers[0].data.data() + view.byteOffset + accessor.byteOffset;
  std::vector<uint32_t> indices;
  for (size_t i = 0; i < accessor.count; ++i) {
    if (accessor.componentType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT) {
      uint16_t value;
      std::memcpy(&value, base + i * 2, 2);
      indices.push_back(value);
    } else {
      uint32_t value;
      std::memcpy(&value, base + i * 4, 4);
      indices.push_back(value);
    }
  }
  return indices;
}

class GlbExportTest : public ::testing::Test {
 protected:
  std::string Export(const MapDocument& document, const std::string& name) {
    const std::string path = dir.File(name);
    const ExportResult result = exporter.Export(document, dir.Dir(), ExportFormat::Glb, path);
    EXPECT_TRUE(result.ok) << result.message;
    return path;
  }

  TempDir dir;
  MapExporter exporter;
};

}  // namespace

TEST_F(GlbExportTest, OneFloorQuadKeepsPositionsUvsAndFacesUpwards) {
  const tinygltf::Model model = ReadGlb(Export(*OneFloorMap(dir.Dir()), "one.glb"));
  ASSERT_EQ(model.meshes.size(), 1u);
  ASSERT_EQ(model.meshes[0].primitives.size(), 1u);
  const tinygltf::Primitive& primitive = model.meshes[0].primitives[0];
  const float s = MetresPerUnit, xlo = 6784, xhi = 6912, zlo = 2560, zhi = 2688, y = 16 * s;
  const std::vector<float> positions = {xlo * s, y, -zlo * s, xhi * s, y, -zlo * s,
                                        xhi * s, y, -zhi * s, xlo * s, y, -zhi * s};
  EXPECT_EQ(Floats(model, primitive.attributes.at("POSITION")), positions);
  EXPECT_EQ(Floats(model, primitive.attributes.at("TEXCOORD_0")), (std::vector<float>{1, 0, 0, 0, 0, 1, 1, 1}));
  EXPECT_EQ(Floats(model, primitive.attributes.at("NORMAL")), (std::vector<float>{0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0}));
  const std::vector<uint32_t> indices = Indices(model, primitive.indices);
  ASSERT_EQ(indices, (std::vector<uint32_t>{0, 1, 2, 0, 2, 3}));
  // Counter-clockwise seen from above, so culling viewers show the floor from the room.
  for (size_t t = 0; t < indices.size(); t += 3) {
    const float* a = &positions[indices[t] * 3];
    const float* b = &positions[indices[t + 1] * 3];
    const float* c = &positions[indices[t + 2] * 3];
    const float crossY = (c[0] - a[0]) * (b[2] - a[2]) - (c[2] - a[2]) * (b[0] - a[0]);
    EXPECT_GT(crossY, 0.0f);
  }
  // The eye: halfway to the 128-unit ceiling (72) is below the floor plus 64 (80).
  ASSERT_EQ(model.nodes.size(), 2u);
  EXPECT_EQ(model.nodes[1].name, "Start");
  EXPECT_EQ(model.nodes[1].translation, (std::vector<double>{6848 * s, 72 * s, -2624 * s}));
}

TEST(StartEye, IsAtTheLowerOfEyeHeightAndHalfwayToTheLowestCeilingCorner) {
  struct Row {
    float floor;
    float ceiling[4];
    float eye;
  };
  const Row rows[] = {
      {0, {256, 256, 256, 256}, 64},  {0, {100, 256, 256, 256}, 50}, {-40, {40, 40, 300, 40}, 0},
      {10, {300, 200, 138, 400}, 74}, {0, {128, 128, 128, 128}, 64},
  };
  auto document = compiler_test::EmptyMap();
  document->startPosition = {63, 2};
  for (const Row& row : rows) {
    MapCell& cell = document->Cell(63, 2);
    cell.floorHeight = row.floor;
    std::copy(std::begin(row.ceiling), std::end(row.ceiling), cell.ceilingHeight);
    const Vec3 eye = StartEyePosition(*document);
    EXPECT_EQ(eye.y, row.eye);
    EXPECT_EQ(eye.x, 8192 - 63 * 128 - 64);
    EXPECT_EQ(eye.z, 2 * 128 + 64);
  }
}

TEST_F(GlbExportTest, RoundTripGivesTheCompilersTrianglesBoundsAndTextureFacts) {
  const std::unique_ptr<MapDocument> maps[] = {LoadSampleMap(), CraftedMap(dir.Dir())};
  for (const auto& map : maps) {
    const bool sample = map.get() == maps[0].get();
    // The sample map's pictures are the shipped ones beside the program.
    const std::string programDirectory = sample ? std::string(TM_BIN_DIR) + "/" : dir.Dir();
    const std::string path = dir.File("map.glb");
    ASSERT_TRUE(exporter.Export(*map, programDirectory, ExportFormat::Glb, path).ok);
    const MeshBuilder& builder = exporter.Builder();
    const tinygltf::Model model = ReadGlb(path);

    size_t triangles = 0;
    float low[3] = {1e30f, 1e30f, 1e30f}, high[3] = {-1e30f, -1e30f, -1e30f};
    for (const tinygltf::Primitive& primitive : model.meshes.at(0).primitives) {
      triangles += Indices(model, primitive.indices).size() / 3;
      const std::vector<float> positions = Floats(model, primitive.attributes.at("POSITION"));
      for (size_t i = 0; i < positions.size(); ++i) {
        low[i % 3] = std::min(low[i % 3], positions[i]);
        high[i % 3] = std::max(high[i % 3], positions[i]);
      }
    }
    EXPECT_EQ(triangles, size_t(builder.PolygonCount()) * 2);
    float wlow[3] = {1e30f, 1e30f, 1e30f}, whigh[3] = {-1e30f, -1e30f, -1e30f};
    for (const MeshVertex& v : builder.Vertices()) {
      const float world[3] = {v.x, v.y, v.z};
      for (int a = 0; a < 3; ++a) wlow[a] = std::min(wlow[a], world[a]), whigh[a] = std::max(whigh[a], world[a]);
    }
    EXPECT_EQ(low[0], wlow[0] * MetresPerUnit);
    EXPECT_EQ(high[1], whigh[1] * MetresPerUnit);
    EXPECT_EQ(low[2], -whigh[2] * MetresPerUnit);
    EXPECT_EQ(high[2], -wlow[2] * MetresPerUnit);

    // Every texture's picture is embedded once; blended materials carry the opacity.
    std::set<int> textures;
    for (const tinygltf::Material& material : model.materials) {
      const int texture = material.extras.Get("texture").GetNumberAsInt();
      const TextureEntry& entry = map->textures[size_t(texture)];
      EXPECT_EQ(material.extras.Get("frames").ArrayLen(), size_t(entry.frameCount));
      EXPECT_EQ(material.extras.Get("animationType").GetNumberAsInt(), static_cast<int>(entry.animationType));
      const double alpha = material.pbrMetallicRoughness.baseColorFactor[3];
      EXPECT_EQ(material.alphaMode == "BLEND", alpha < 1.0);
      EXPECT_EQ(alpha, material.extras.Get("opacity").GetNumberAsInt() / 255.0);
      textures.insert(texture);
    }
    EXPECT_EQ(model.images.size(), textures.size());
    EXPECT_EQ(model.samplers.at(0).magFilter, TINYGLTF_TEXTURE_FILTER_NEAREST);
    if (!sample) {
      EXPECT_EQ(model.materials.at(2).extras.Get("name").Get<std::string>(),
                "Wand \xC3\xA4u\xC3\x9F"
                "en");
      EXPECT_EQ(model.materials.at(2).extras.Get("frames").Get(2).Get<std::string>(), "FRAME22.PCX");
    }
  }
}

TEST_F(GlbExportTest, KhronosValidatorFindsNoErrorOrWarning) {
  const std::string sample = dir.File("sample.glb");
  ASSERT_TRUE(exporter.Export(*LoadSampleMap(), std::string(TM_BIN_DIR) + "/", ExportFormat::Glb, sample).ok);
  for (const std::string& path :
       {sample, Export(*CraftedMap(dir.Dir()), "crafted.glb"), Export(*OneFloorMap(dir.Dir()), "one.glb"),
        Export(*compiler_test::EmptyMap(), "empty.glb")}) {
    const Validation validation = RunValidator(path, dir);
    EXPECT_TRUE(validation.clean) << path << "\n" << validation.output;
  }
}

TEST_F(GlbExportTest, FailuresLeaveThePreviousFileAndSayWhy) {
  auto map = OneFloorMap(dir.Dir());
  const std::string path = dir.File("level.glb");
  WriteFileBytes(path, {'o', 'l', 'd'});
  FaultyFileOps counting(-1);
  ASSERT_TRUE(exporter.Export(*map, dir.Dir(), ExportFormat::Glb, dir.File("probe.glb"), counting).ok);
  for (int step = 0; step < counting.Calls(); ++step) {
    FaultyFileOps faulty(step);
    const ExportResult result = exporter.Export(*map, dir.Dir(), ExportFormat::Glb, path, faulty);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(CoreText(result.message).find("Fehler beim "), 0u) << result.message;
    EXPECT_EQ(ReadFileBytes(path), (std::vector<unsigned char>{'o', 'l', 'd'}));
  }
  std::filesystem::remove(dir.File("GFX/FRAME00.PCX"));
  const ExportResult missing = exporter.Export(*map, dir.Dir(), ExportFormat::Glb, path);
  EXPECT_EQ(missing.message, "Fehler beim Laden von \"" + dir.File("GFX/FRAME00.PCX") + "\".");
  EXPECT_EQ(ReadFileBytes(path), (std::vector<unsigned char>{'o', 'l', 'd'}));
}

}  // namespace tessmoor
