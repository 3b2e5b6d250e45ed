#pragma once
// Reader for 256-colour PCX pictures, decoded straight into RGB555.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/HiColorImage.h"

namespace tessmoor {

// Loads the picture at `path` into `image`, releasing what it held before. On
// failure the image is empty and GraphicsError holds geRead (file missing, no regular
// file, cut short) or geImage (not 8 bits in one plane, more than 8192 pixels on a side
// or 16 M pixels in all, or memory ran out). No exception leaves the loader.
void LoadPcxImage(const std::string& path, HiColorImage& image);

// What a thread that loads many pictures one after another keeps between them:
// the file's bytes and the decoded picture. Once its buffers have the size of
// the pictures, a load allocates nothing and returns nothing to the system,
// which costs the most when several threads load at once.
struct PcxLoadScratch {
  std::vector<uint8_t> fileBytes;
  HiColorImage picture;
};

// As LoadPcxImage(path, scratch.picture), with the same pixels and errors;
// the picture's buffer is reused when the new picture has as many pixels.
void LoadPcxImage(const std::string& path, PcxLoadScratch& scratch);

// The same decoder over bytes in memory, for the fuzzer and for tests.
void DecodePcxImage(const uint8_t* data, size_t size, HiColorImage& image);

}  // namespace tessmoor
