#include "tools/tmgen/Raster.h"

namespace tessmoor {

RgbPicture RenderPicture(int width, int height, const Shader& shader) {
  RgbPicture picture{width, height, std::vector<Rgb>(static_cast<size_t>(width * height))};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const ShadePoint point{x, y, static_cast<float>(x) / static_cast<float>(width),
                             static_cast<float>(y) / static_cast<float>(height)};
      picture.pixels[static_cast<size_t>(y * width + x)] = shader(point);
    }
  }
  return picture;
}

}  // namespace tessmoor
