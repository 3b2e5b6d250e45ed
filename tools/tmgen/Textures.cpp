#include "tools/tmgen/Textures.h"

#include "tools/tmgen/PcxWriter.h"
#include "tools/tmgen/Quantize.h"
#include "tools/tmgen/TextureShaders.h"

namespace tessmoor {

namespace {

constexpr int WaterFrames = 4;
constexpr int LavaFrames = 3;

void AddFrames(std::vector<TexturePicture>& catalogue, const std::string& stem, int frames,
               Rgb (*shade)(const ShadePoint&, int, int)) {
  for (int frame = 0; frame < frames; ++frame) {
    catalogue.push_back({stem + std::to_string(frame + 1) + ".PCX", 64, 64,
                         [=](const ShadePoint& p) { return shade(p, frame, frames); }});
  }
}

}  // namespace

std::vector<TexturePicture> TextureCatalogue() {
  std::vector<TexturePicture> catalogue = {
      {"BRICK.PCX", 64, 64, ShadeBrick},     {"STONE.PCX", 128, 128, ShadeStone},
      {"COBBLE.PCX", 128, 128, ShadeCobble}, {"MOSS.PCX", 64, 64, ShadeMoss},
      {"TILES.PCX", 64, 64, ShadeTiles},     {"MARBLE.PCX", 128, 128, ShadeMarble},
      {"PLASTER.PCX", 63, 64, ShadePlaster}, {"WOOD.PCX", 64, 64, ShadeWood},
      {"FLOOR.PCX", 64, 64, ShadeParquet},   {"DOOR.PCX", 64, 64, ShadeDoor},
      {"CEILING.PCX", 64, 64, ShadeCeiling}, {"METAL.PCX", 64, 64, ShadeMetal},
      {"WINDOW.PCX", 64, 64, ShadeWindow},   {"ROOF.PCX", 127, 64, ShadeRoof},
      {"FRIEZE.PCX", 65, 32, ShadeFrieze},   {"GRASS.PCX", 64, 64, ShadeGrass},
      {"SAND.PCX", 64, 64, ShadeSand},       {"SKY.PCX", 128, 128, ShadeSky},
  };
  AddFrames(catalogue, "WATER", WaterFrames, ShadeWater);
  AddFrames(catalogue, "LAVA", LavaFrames, ShadeLava);
  return catalogue;
}

bool WriteTextures(const std::string& directory, std::string& error) {
  for (const TexturePicture& texture : TextureCatalogue()) {
    const RgbPicture picture = RenderPicture(texture.width, texture.height, texture.shader);
    const std::string path = directory + texture.fileName;
    if (!WritePcx(path, QuantizePicture(picture))) {
      error = "cannot write " + path;
      return false;
    }
  }
  return true;
}

}  // namespace tessmoor
