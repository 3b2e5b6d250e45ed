#include "graphics/PcxLoader.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "graphics/GraphicsError.h"
#include "graphics/PcxByteReader.h"
#include "graphics/PixelFill.h"

namespace {

constexpr size_t HeaderSize = 128;
constexpr size_t PaletteSize = 768;

struct PcxLayout {
  int32_t width = 0;
  int32_t height = 0;
  bool dropsPadByte = false;  // one decoded byte after every row is not a pixel
};

uint16_t ReadLittle16(const uint8_t* bytes) { return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8)); }

// Reads the few header fields the editor relies on. Sets geImage and returns
// false for anything but 8 bits per pixel in one plane, or a size that does not fit.
bool ParseHeader(const uint8_t* header, PcxLayout& layout) {
  const uint8_t bitsPerPixel = header[3];
  const uint8_t planes = header[65];
  if (bitsPerPixel != 8 || planes != 1) {
    SetGraphicsError(geImage);
    return false;
  }
  // Some writers store the bounds the wrong way round; the distance is what counts.
  layout.width = std::abs(ReadLittle16(header + 8) - ReadLittle16(header + 4)) + 1;
  layout.height = std::abs(ReadLittle16(header + 10) - ReadLittle16(header + 6)) + 1;
  layout.dropsPadByte = ReadLittle16(header + 66) != layout.width;
  if (!IsImageSizeAllowed(layout.width, layout.height)) {
    SetGraphicsError(geImage);
    return false;
  }
  return true;
}

// Each entry holds its RGB555 colour four times over, ready for a 4-pixel store;
// the low 16 bits are the colour itself.
using ColourTable = uint64_t[256];

void ConvertPalette(const uint8_t* palette, ColourTable& table) {
  for (int i = 0; i < 256; ++i) {
    const uint8_t* entry = palette + 3 * i;
    table[i] = PackRGB555(entry[0] >> 3, entry[1] >> 3, entry[2] >> 3) * uint64_t{0x0001000100010001};
  }
}

// Run-length decoding state that lives across rows: a run may end in the next row.
class RunDecoder {
 public:
  RunDecoder(PcxByteReader& reader, const ColourTable& table) : reader_(reader), table_(table) {}

  // Fills pixels up to rowEnd. False when the input ends first.
  bool DecodeRow(RGB555* out, RGB555* rowEnd) {
    const uint8_t* in = reader_.position;
    const uint8_t* inEnd = reader_.end;
    while (out < rowEnd) {
      if (runLeft_ > 0) {
        const size_t count = std::min(runLeft_, static_cast<size_t>(rowEnd - out));
        FillPixels(out, count, runColour_);
        out += count;
        runLeft_ -= count;
        continue;
      }
      DecodeInWindow(in, inEnd, out, rowEnd);
      if (runLeft_ > 0 || out == rowEnd || inEnd - in >= 2) continue;
      reader_.position = in;
      if (!ReadCode()) return false;
      in = reader_.position;
      inEnd = reader_.end;
    }
    reader_.position = in;
    return true;
  }

  // Decodes while two bytes are in the window, so that any code decodes without
  // a refill, and stops at the row end or when a run crosses it.
  void DecodeInWindow(const uint8_t*& inRef, const uint8_t* inEnd, RGB555*& outRef, RGB555* rowEnd) {
    const uint8_t* in = inRef;
    RGB555* out = outRef;
    const uint64_t* table = table_;
    while (out < rowEnd && inEnd - in >= 2) {
      // Literal or run is chosen with masks instead of a branch, and a run of up
      // to eight pixels is stored as eight with only `count` of them kept: in a
      // noisy picture no branch outcome here would be predictable.
      const uint32_t code = in[0], next = in[1];
      const uint32_t runMask = 0u - static_cast<uint32_t>(code >= 0xC0);
      const size_t count = ((code & 0x3F) & runMask) | (1u & ~runMask);
      const uint64_t colours = table[(next & runMask) | (code & ~runMask)];
      in += 1 + (runMask & 1u);
      const size_t room = static_cast<size_t>(rowEnd - out);
      if (count <= 8 && room >= 8) {
        // The pixels past `count` lie inside the row; the codes that follow overwrite them.
        std::memcpy(out, &colours, 8);
        std::memcpy(out + 4, &colours, 8);
        out += count;
        continue;
      }
      const RGB555 colour = static_cast<RGB555>(colours);
      const size_t stored = std::min(count, room);
      FillPixels(out, stored, colour);
      out += stored;
      if (stored < count) {
        runLeft_ = count - stored;
        runColour_ = colour;
        break;
      }
    }
    inRef = in;
    outRef = out;
  }

  // Discards exactly one decoded byte, which may be the first of a run.
  bool SkipOneByte() {
    while (runLeft_ == 0) {
      if (!ReadCode()) return false;
    }
    --runLeft_;
    return true;
  }

 private:
  // Reads one code (a literal or a run with its value) into the pending run,
  // refilling the window as needed.
  bool ReadCode() {
    uint8_t code = 0;
    if (!NextByte(code)) return false;
    if (code < 0xC0) {
      runLeft_ = 1;
      runColour_ = static_cast<RGB555>(table_[code]);
      return true;
    }
    uint8_t value = 0;
    if (!NextByte(value)) return false;
    runLeft_ = code & 0x3F;
    runColour_ = static_cast<RGB555>(table_[value]);
    return true;
  }

  bool NextByte(uint8_t& byte) {
    if (reader_.position == reader_.end && !reader_.Refill()) return false;
    byte = *reader_.position++;
    return true;
  }

  PcxByteReader& reader_;
  const ColourTable& table_;
  size_t runLeft_ = 0;
  RGB555 runColour_ = 0;
};

// Decodes width x height pixels from the reader. The rest of the last run and of
// the input (normally the palette) is left unread.
bool DecodePixels(PcxByteReader& reader, const ColourTable& table, const PcxLayout& layout, RGB555* out) {
  RunDecoder decoder(reader, table);
  for (int32_t row = 0; row < layout.height; ++row) {
    RGB555* rowEnd = out + layout.width;
    if (!decoder.DecodeRow(out, rowEnd)) return false;
    out = rowEnd;
    if (row + 1 < layout.height && layout.dropsPadByte && !decoder.SkipOneByte()) return false;
  }
  return true;
}

// The common tail of both front ends: allocation, palette table and pixels.
// `image` receives the picture only when every pixel was decoded.
void DecodeInto(const PcxLayout& layout, const uint8_t* palette, PcxByteReader& reader, HiColorImage& image) {
  ColourTable table;
  ConvertPalette(palette, table);
  // Every pixel is written by the decoder, so the buffer needs no zero fill; a
  // huge header over a short file then costs no more than the pages it reaches.
  auto pixels = std::make_unique_for_overwrite<RGB555[]>(static_cast<size_t>(layout.width) *
                                                          static_cast<size_t>(layout.height));
  if (!DecodePixels(reader, table, layout, pixels.get())) {
    SetGraphicsError(geRead);
    return;
  }
  image.pixels = std::move(pixels);
  image.width = layout.width;
  image.height = layout.height;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// The palette is simply the last 768 bytes; the marker byte before it is not trusted.
bool ReadPalette(std::FILE* file, uint8_t* palette) {
  if (std::fseek(file, 0, SEEK_END) != 0) return false;
  const long size = std::ftell(file);
  if (size < static_cast<long>(PaletteSize)) return false;
  if (std::fseek(file, size - static_cast<long>(PaletteSize), SEEK_SET) != 0) return false;
  return std::fread(palette, 1, PaletteSize, file) == PaletteSize;
}

}  // namespace

void LoadPcxImage(const std::string& path, HiColorImage& image) {
  // Whatever happens below, a failure must leave no picture behind.
  FreeImage(image);
  FileHandle file(std::fopen(path.c_str(), "rb"));
  uint8_t header[HeaderSize];
  if (!file || std::fread(header, 1, HeaderSize, file.get()) != HeaderSize) {
    SetGraphicsError(geRead);
    return;
  }
  PcxLayout layout;
  if (!ParseHeader(header, layout)) return;
  uint8_t palette[PaletteSize];
  if (!ReadPalette(file.get(), palette) || std::fseek(file.get(), HeaderSize, SEEK_SET) != 0) {
    SetGraphicsError(geRead);
    return;
  }
  PcxByteReader reader(file.get());
  DecodeInto(layout, palette, reader, image);
}

void DecodePcxImage(const uint8_t* data, size_t size, HiColorImage& image) {
  FreeImage(image);
  if (!data || size < HeaderSize) {
    SetGraphicsError(geRead);
    return;
  }
  PcxLayout layout;
  if (!ParseHeader(data, layout)) return;
  if (size < PaletteSize) {
    SetGraphicsError(geRead);
    return;
  }
  PcxByteReader reader(data + HeaderSize, size - HeaderSize);
  DecodeInto(layout, data + size - PaletteSize, reader, image);
}
