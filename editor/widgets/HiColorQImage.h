#pragma once
// The one bridge from our RGB555 pictures to Qt's: the image wraps a copy of the
// pixels in Qt's own RGB555 format, so Qt converts them as it draws.

#include <QImage>

#include "graphics/HiColorImage.h"

namespace tessmoor {

// A copy of `image`; an empty image gives a null QImage.
QImage ToQImage(const HiColorImage& image);

}  // namespace tessmoor
