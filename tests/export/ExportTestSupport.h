#pragma once
// Maps, pictures and file checks shared by the export tests.

#include <gtest/gtest.h>
#include <tiny_gltf.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "compiler/CompilerTestMaps.h"
#include "document/MapFile.h"
#include "document/PascalString.h"
#include "support/TempDir.h"
#include "tools/tmgen/PcxWriter.h"

namespace tessmoor {

namespace export_test {

// A picture whose every pixel differs from its neighbours, so a decoded PNG
// matches only the right picture in the right orientation.
inline IndexedPicture PatternPicture(int width, int height, int seed) {
  IndexedPicture picture;
  picture.width = width;
  picture.height = height;
  for (int i = 0; i < 256; ++i) picture.palette[size_t(i)] = {uint8_t(i * 7 + seed), uint8_t(i * 3), uint8_t(255 - i)};
  for (int i = 0; i < width * height; ++i) picture.indices.push_back(uint8_t((i * 13 + seed) % 256));
  return picture;
}

// Gives texture `index` a Windows-1252 name and frames named FRAME<index><f>.PCX,
// writing the first frame's picture into `gfxDirectory` (other frames need none).
inline void AddTexture(MapDocument& document, int index, const std::string& name, int frames,
                       const std::string& gfxDirectory) {
  TextureEntry& entry = document.textures[size_t(index)];
  WritePascalString(entry.name, TextureNameCapacity, name);
  entry.frameCount = frames;
  entry.animationType = index % 2 == 0 ? AnimationType::Repeat : AnimationType::PingPong;
  for (int f = 0; f < frames; ++f) {
    const std::string frame = "FRAME" + std::to_string(index) + std::to_string(f) + ".PCX";
    WritePascalString(entry.frames[size_t(f)].fileName, FrameNameCapacity, frame);
  }
  std::filesystem::create_directories(gfxDirectory);
  WritePcx(gfxDirectory + "FRAME" + std::to_string(index) + "0.PCX", PatternPicture(16 + index, 8, index));
  document.textureCount = std::max(document.textureCount, index + 1);
}

// One open cell at (10, 20) with only a floor: one quad in the whole model.
inline std::unique_ptr<MapDocument> OneFloorMap(const std::string& programDirectory) {
  auto document = compiler_test::EmptyMap();
  AddTexture(*document, 0, "Stein", 1, programDirectory + "GFX/");
  document->Cell(10, 20).texture[SurfaceKind::Floor] = 0;
  document->Cell(10, 20).floorHeight = 16.0f;
  document->startPosition = {10, 20};
  return document;
}

// Every cell kind, translucent water and windows, a slope, several textures.
inline std::unique_ptr<MapDocument> CraftedMap(const std::string& programDirectory) {
  auto document = compiler_test::FlatOpenMap();
  const char* names[] = {"Boden", "Decke",
                         "Wand \xE4u\xDF"
                         "en",
                         "Sockel"};
  for (int t = 0; t < 4; ++t) AddTexture(*document, t, names[t], t + 1, programDirectory + "GFX/");
  for (int x = 0; x < GridSize; ++x) document->Cell(x, 0).type = uint8_t(CellType::Wall);
  for (MapCell& cell : document->cells) cell.texture[SurfaceKind::Wall] = compiler_test::WallTexture;
  const CellType kinds[] = {CellType::Column, CellType::WaterBasin, CellType::WindowHorizontal,
                            CellType::WindowVertical};
  for (int k = 0; k < 4; ++k) document->Cell(5 + k, 5).type = uint8_t(kinds[k]);
  document->Cell(6, 5).waterLevel = 20.0f;
  document->Cell(7, 7).floorHeight = 32.0f;
  document->Cell(7, 7).texture[SurfaceKind::PedestalFloor] = compiler_test::StepTexture;
  document->Cell(9, 9).ceilingHeight[2] = 200.0f;
  document->startPosition = {7, 7};
  return document;
}

inline std::unique_ptr<MapDocument> LoadSampleMap() {
  auto document = compiler_test::EmptyMap();
  const MapLoadOptions options{std::string(TM_BIN_DIR) + "/", false};
  EXPECT_TRUE(LoadMap(*document, std::string(TM_BIN_DIR) + "/Maps/Sample.tmm", options).ok);
  return document;
}

inline tinygltf::Model ReadGlb(const std::string& path) {
  tinygltf::TinyGLTF reader;
  tinygltf::Model model;
  std::string error, warning;
  EXPECT_TRUE(reader.LoadBinaryFromFile(&model, &error, &warning, path)) << error;
  EXPECT_EQ(warning, "");
  return model;
}

// The Khronos validator's verdict: its output, and whether it found no error and no warning.
struct Validation {
  bool clean = false;
  std::string output;
};

inline Validation RunValidator(const std::string& glbPath, const TempDir& dir) {
  const std::string tools = std::string(TM_SOURCE_DIR) + "/.tools/node/node_modules";
  if (!std::filesystem::exists(tools + "/gltf-validator")) {
    return {false, "gltf-validator missing: run bash scripts/install-validator.sh"};
  }
  const std::string out = dir.File("validator.txt");
  const std::string command = "NODE_PATH='" + tools + "' node '" + TM_SOURCE_DIR + "/tests/export/validate-gltf.js' '" +
                              glbPath + "' > '" + out + "' 2>&1";
  const int status = std::system(command.c_str());
  const std::vector<unsigned char> bytes = ReadFileBytes(out);
  return {status == 0, std::string(bytes.begin(), bytes.end())};
}

}  // namespace export_test

}  // namespace tessmoor
