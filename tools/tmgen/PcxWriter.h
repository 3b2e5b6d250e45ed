#pragma once
// Writer for 256-colour ZSoft PCX pictures (version 5, run-length encoded, one
// 8-bit plane, palette at the end), the only picture format the editor reads.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tessmoor {

struct PaletteColour {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
};

// A picture of palette indices, row-major, top row first.
struct IndexedPicture {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> indices;
  std::array<PaletteColour, 256> palette{};
};

// Rows are stored with an even byte count, so an odd width gets one pad byte per
// row. Runs never continue from one row into the next.
std::vector<uint8_t> EncodePcx(const IndexedPicture& picture);

// Writes the encoded picture to `path`. False when the file cannot be written.
bool WritePcx(const std::string& path, const IndexedPicture& picture);

}  // namespace tessmoor
