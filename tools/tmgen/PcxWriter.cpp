#include "tools/tmgen/PcxWriter.h"

#include <algorithm>
#include <fstream>

namespace tessmoor {

namespace {

constexpr size_t HeaderSize = 128;
constexpr int MaxRun = 63;  // six bits of run length

void PutWord(std::vector<uint8_t>& out, size_t offset, uint16_t value) {
  out[offset] = static_cast<uint8_t>(value & 0xFF);
  out[offset + 1] = static_cast<uint8_t>(value >> 8);
}

uint16_t BytesPerLine(int32_t width) { return static_cast<uint16_t>((width + 1) & ~1); }

void PutHeader(std::vector<uint8_t>& out, const IndexedPicture& picture) {
  out.assign(HeaderSize, 0);
  out[0] = 0x0A;  // ZSoft
  out[1] = 5;     // version with a 256-colour palette
  out[2] = 1;     // run-length encoding
  out[3] = 8;     // bits per pixel
  PutWord(out, 8, static_cast<uint16_t>(picture.width - 1));
  PutWord(out, 10, static_cast<uint16_t>(picture.height - 1));
  PutWord(out, 12, 72);
  PutWord(out, 14, 72);
  out[65] = 1;  // planes
  PutWord(out, 66, BytesPerLine(picture.width));
  PutWord(out, 68, 1);  // colour palette
}

// A value with both top bits set would read as a run marker, so it always gets
// a run of one in front of it.
void PutRun(std::vector<uint8_t>& out, uint8_t value, int length) {
  if (length > 1 || value >= 0xC0) out.push_back(static_cast<uint8_t>(0xC0 | length));
  out.push_back(value);
}

void PutRow(std::vector<uint8_t>& out, const uint8_t* row, size_t length) {
  size_t i = 0;
  while (i < length) {
    int run = 1;
    while (i + static_cast<size_t>(run) < length && run < MaxRun && row[i + static_cast<size_t>(run)] == row[i]) ++run;
    PutRun(out, row[i], run);
    i += static_cast<size_t>(run);
  }
}

}  // namespace

std::vector<uint8_t> EncodePcx(const IndexedPicture& picture) {
  std::vector<uint8_t> out;
  PutHeader(out, picture);
  const size_t width = static_cast<size_t>(picture.width);
  std::vector<uint8_t> row(BytesPerLine(picture.width), 0);  // the pad byte stays 0
  for (int32_t y = 0; y < picture.height; ++y) {
    const auto first = picture.indices.begin() + static_cast<std::ptrdiff_t>(static_cast<size_t>(y) * width);
    std::copy(first, first + static_cast<std::ptrdiff_t>(width), row.begin());
    PutRow(out, row.data(), row.size());
  }
  out.push_back(0x0C);  // marks the palette that follows
  for (const PaletteColour& colour : picture.palette) {
    out.push_back(colour.r);
    out.push_back(colour.g);
    out.push_back(colour.b);
  }
  return out;
}

bool WritePcx(const std::string& path, const IndexedPicture& picture) {
  const std::vector<uint8_t> bytes = EncodePcx(picture);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  file.close();
  return static_cast<bool>(file);
}

}  // namespace tessmoor
