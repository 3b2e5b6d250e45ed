#include "editor/widgets/HiColorQImage.h"

#include <algorithm>
#include <cstdint>

namespace tessmoor {

namespace {

QRgb TimesEight(RGB555 pixel) {
  uint8_t red = 0, green = 0, blue = 0;
  UnpackRGB555(pixel, red, green, blue);
  return qRgb(red * 8, green * 8, blue * 8);
}

}  // namespace

QImage ToQImage(const HiColorImage& image, Widening widening) {
  if (image.IsEmpty()) return {};
  const bool byQt = widening == Widening::ByQt;
  QImage result(image.width, image.height, byQt ? QImage::Format_RGB555 : QImage::Format_RGB32);
  for (int y = 0; y < image.height; ++y) {
    const RGB555* row = &image.pixels[static_cast<size_t>(y * image.width)];
    if (byQt) {
      std::copy_n(row, image.width, reinterpret_cast<uint16_t*>(result.scanLine(y)));
    } else {
      std::transform(row, row + image.width, reinterpret_cast<QRgb*>(result.scanLine(y)), TimesEight);
    }
  }
  return result;
}

}  // namespace tessmoor
