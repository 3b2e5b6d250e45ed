#pragma once
// A small PCX writer for tests, benchmarks and fuzz seeds: every picture the
// tests decode is made here, byte by byte.

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace tessmoor {

namespace pcxtest {

using Palette = std::array<uint8_t, 768>;

struct PcxHeaderFields {
  uint16_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  uint8_t bitsPerPixel = 8;
  uint8_t planes = 1;
  uint16_t bytesPerLine = 0;
};

inline void PutLittle16(std::vector<uint8_t>& bytes, size_t offset, uint16_t value) {
  bytes[offset] = static_cast<uint8_t>(value & 0xFF);
  bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

// Palette entry i = (i, 255 - i, i * 7 mod 256), so every index has its own colour.
inline Palette DistinctPalette() {
  Palette palette{};
  for (int i = 0; i < 256; ++i) {
    palette[3 * i] = static_cast<uint8_t>(i);
    palette[3 * i + 1] = static_cast<uint8_t>(255 - i);
    palette[3 * i + 2] = static_cast<uint8_t>((i * 7) & 0xFF);
  }
  return palette;
}

// The RGB555 colour the loader makes of a palette entry.
inline uint16_t PaletteColour(const Palette& palette, int index) {
  return static_cast<uint16_t>(((palette[3 * index] >> 3) << 10) | ((palette[3 * index + 1] >> 3) << 5) |
                               (palette[3 * index + 2] >> 3));
}

// Run-length encodes rows of colour indices the way common writers do: runs of
// up to 63 equal bytes, single bytes below 0xC0 as literals, and every row padded
// with zeros to bytesPerLine and encoded on its own.
inline std::vector<uint8_t> EncodeRows(const std::vector<uint8_t>& indices, int width, int height, int bytesPerLine) {
  std::vector<uint8_t> out;
  std::vector<uint8_t> line(static_cast<size_t>(bytesPerLine));
  for (int y = 0; y < height; ++y) {
    std::fill(line.begin(), line.end(), 0);
    std::copy_n(indices.begin() + static_cast<long>(y) * width, std::min(width, bytesPerLine), line.begin());
    for (size_t i = 0; i < line.size();) {
      size_t run = 1;
      while (i + run < line.size() && run < 63 && line[i + run] == line[i]) ++run;
      if (run == 1 && line[i] < 0xC0) {
        out.push_back(line[i]);
      } else {
        out.push_back(static_cast<uint8_t>(0xC0 | run));
        out.push_back(line[i]);
      }
      i += run;
    }
  }
  return out;
}

// Header + pixel data + the 0x0C marker + the 768-byte palette.
inline std::vector<uint8_t> MakePcxFile(const PcxHeaderFields& fields, const std::vector<uint8_t>& pixelData,
                                        const Palette& palette) {
  std::vector<uint8_t> bytes(128 + pixelData.size() + 1 + palette.size(), 0);
  bytes[0] = 0x0A;  // manufacturer
  bytes[1] = 5;     // version
  bytes[2] = 1;     // run-length encoding
  bytes[3] = fields.bitsPerPixel;
  PutLittle16(bytes, 4, fields.xMin);
  PutLittle16(bytes, 6, fields.yMin);
  PutLittle16(bytes, 8, fields.xMax);
  PutLittle16(bytes, 10, fields.yMax);
  bytes[65] = fields.planes;
  PutLittle16(bytes, 66, fields.bytesPerLine);
  std::copy(pixelData.begin(), pixelData.end(), bytes.begin() + 128);
  bytes[128 + pixelData.size()] = 0x0C;
  std::copy(palette.begin(), palette.end(), bytes.end() - static_cast<long>(palette.size()));
  return bytes;
}

// A complete, well-formed picture of width x height colour indices.
inline std::vector<uint8_t> MakeIndexedPcx(int width, int height, const std::vector<uint8_t>& indices,
                                           const Palette& palette) {
  PcxHeaderFields fields;
  fields.xMax = static_cast<uint16_t>(width - 1);
  fields.yMax = static_cast<uint16_t>(height - 1);
  fields.bytesPerLine = static_cast<uint16_t>((width + 1) & ~1);
  return MakePcxFile(fields, EncodeRows(indices, width, height, fields.bytesPerLine), palette);
}

// Deterministic noise with short runs mixed in, like a photographed texture.
inline std::vector<uint8_t> NoisyIndices(int width, int height, uint32_t seed) {
  std::vector<uint8_t> indices(static_cast<size_t>(width) * height);
  uint32_t state = seed;
  for (size_t i = 0; i < indices.size(); ++i) {
    state = state * 1664525u + 1013904223u;
    const bool repeat = i > 0 && (state >> 28) < 3;
    indices[i] = repeat ? indices[i - 1] : static_cast<uint8_t>(state >> 20);
  }
  return indices;
}

inline bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

}  // namespace pcxtest

}  // namespace tessmoor
