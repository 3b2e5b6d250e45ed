#pragma once
// The one bridge from our RGB555 pictures to Qt's. Two ways to widen five bits
// to eight are in use and both must stay exactly as they are: the map, the
// thumbnails and the stamp pictures let Qt widen its own RGB555 format as it
// draws (31 becomes 255), the texture editor's preview multiplies each
// component by 8 (31 becomes 248).

#include <QImage>

#include "graphics/HiColorImage.h"

namespace tessmoor {

enum class Widening {
  ByQt,        // a copy in QImage::Format_RGB555; Qt widens as it draws
  TimesEight,  // QImage::Format_RGB32 with each 5-bit component times 8
};

// A copy of `image`; an empty image gives a null QImage.
QImage ToQImage(const HiColorImage& image, Widening widening = Widening::ByQt);

}  // namespace tessmoor
