#include "editor/widgets/HiColorQImage.h"

#include <algorithm>
#include <cstdint>

namespace tessmoor {

QImage ToQImage(const HiColorImage& image) {
  if (image.IsEmpty()) return {};
  QImage result(image.width, image.height, QImage::Format_RGB555);
  for (int y = 0; y < image.height; ++y) {
    std::copy_n(&image.pixels[static_cast<size_t>(y * image.width)], image.width,
                reinterpret_cast<uint16_t*>(result.scanLine(y)));
  }
  return result;
}

}  // namespace tessmoor
