// The OBJ export: counts, material names and the PNG pictures beside it.

#include <gtest/gtest.h>
#include <stb_image.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "export/ExportTestSupport.h"
#include "export/MapExport.h"
#include "export/ObjWriter.h"
#include "graphics/PcxLoader.h"
#include "support/CoreMessageText.h"

namespace tessmoor {

using namespace export_test;

namespace {

// How often each line tag occurs, and the names after "usemtl" / "newmtl" / "map_Kd".
struct TextSummary {
  std::map<std::string, int> tags;
  std::map<std::string, std::set<std::string>> names;
};

TextSummary Summarize(const std::string& path) {
  TextSummary summary;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string tag, name;
    words >> tag >> name;
    ++summary.tags[tag];
    if (tag == "usemtl" || tag == "newmtl" || tag == "map_Kd" || tag == "mtllib") summary.names[tag].insert(name);
  }
  return summary;
}

}  // namespace

TEST(ObjExport, CountsNamesAndPicturesMatchTheCompile) {
  TempDir dir;
  auto map = CraftedMap(dir.Dir());
  MapExporter exporter;
  const std::string path = dir.File("level.obj");
  const ExportResult result = exporter.Export(*map, dir.Dir(), ExportFormat::Obj, path);
  ASSERT_TRUE(result.ok) << result.message;
  const int polygons = exporter.Builder().PolygonCount();

  const TextSummary obj = Summarize(path);
  EXPECT_EQ(obj.tags.at("v"), polygons * 4);
  EXPECT_EQ(obj.tags.at("vt"), polygons * 4);
  EXPECT_EQ(obj.tags.at("vn"), polygons * 4);
  EXPECT_EQ(obj.tags.at("f"), polygons * 2);
  EXPECT_EQ(result.triangles, size_t(obj.tags.at("f"))) << "the count the editor reports";
  EXPECT_EQ(obj.names.at("mtllib"), std::set<std::string>{"level.mtl"});
  const std::set<std::string> materials = {"textur0", "textur1", "textur2", "textur2_deckkraft128", "textur3"};
  EXPECT_EQ(obj.names.at("usemtl"), materials);

  const TextSummary mtl = Summarize(dir.File("level.mtl"));
  EXPECT_EQ(mtl.names.at("newmtl"), materials);
  EXPECT_EQ(mtl.names.at("map_Kd"), (std::set<std::string>{"level_textur0.png", "level_textur1.png",
                                                           "level_textur2.png", "level_textur3.png"}));
  for (int t = 0; t < 4; ++t) {
    SCOPED_TRACE(t);
    HiColorImage frame;
    LoadPcxImage(dir.File("GFX/FRAME" + std::to_string(t) + "0.PCX"), frame);
    ASSERT_FALSE(frame.IsEmpty());
    const std::vector<unsigned char> png = ReadFileBytes(dir.File("level_textur" + std::to_string(t) + ".png"));
    int width = 0, height = 0, channels = 0;
    unsigned char* rgb = stbi_load_from_memory(png.data(), int(png.size()), &width, &height, &channels, 3);
    ASSERT_NE(rgb, nullptr);
    ASSERT_EQ(width, frame.width);
    ASSERT_EQ(height, frame.height);
    int mismatches = 0;
    for (int i = 0; i < width * height; ++i) {
      uint8_t r, g, b;
      UnpackRGB555(frame.pixels[size_t(i)], r, g, b);
      // Five bits widened to eight so that 31 becomes 255.
      const auto widened = [](uint8_t c) { return uint8_t((c << 3) | (c >> 2)); };
      mismatches += rgb[i * 3] != widened(r) || rgb[i * 3 + 1] != widened(g) || rgb[i * 3 + 2] != widened(b);
    }
    EXPECT_EQ(mismatches, 0);
    stbi_image_free(rgb);
  }
}

TEST(ObjExport, FileNamesFollowTheObjFile) {
  EXPECT_EQ(WithExtension("a/b.c/map", "mtl"), "a/b.c/map.mtl");
  EXPECT_EQ(WithExtension("a/map.OBJ", "mtl"), "a/map.mtl");
  EXPECT_EQ(TexturePngName("dir/Level 1.obj", 12), "Level 1_textur12.png");
  EXPECT_EQ(ExportFormatOf("x/Y.GLB"), ExportFormat::Glb);
  EXPECT_EQ(ExportFormatOf("x/y.obj"), ExportFormat::Obj);
  EXPECT_FALSE(ExportFormatOf("x/y.tcm"));
}

}  // namespace tessmoor
