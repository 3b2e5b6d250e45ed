#pragma once
// Reader for 256-colour PCX pictures, decoded straight into RGB555.

#include <cstddef>
#include <cstdint>
#include <string>

#include "graphics/HiColorImage.h"

// Loads the picture at `path` into `image`, releasing what it held before. On
// failure the image is empty and GraphicsError holds geRead (file missing, cut short) or
// geImage (not 8 bits in one plane, or a size that does not fit).
void LoadPcxImage(const std::string& path, HiColorImage& image);

// The same decoder over bytes in memory, for the fuzzer and for tests.
void DecodePcxImage(const uint8_t* data, size_t size, HiColorImage& image);
