#include "graphics/PcxRunDecoder.h"

#include <algorithm>
#include <cstring>

#include "graphics/PixelFill.h"

namespace tessmoor {

void MakePcxColourTable(const uint8_t* palette, PcxColourTable& table) {
  for (int i = 0; i < 256; ++i) {
    const uint8_t* entry = palette + 3 * i;
    table[i] = PackRGB555(entry[0] >> 3, entry[1] >> 3, entry[2] >> 3) * uint64_t{0x0001000100010001};
  }
}

namespace {

// Run-length decoding state that lives across rows: a run may end in the next row.
class RunDecoder {
 public:
  RunDecoder(PcxByteReader& reader, const PcxColourTable& table) : reader_(reader), table_(table) {}

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
  const PcxColourTable& table_;
  size_t runLeft_ = 0;
  RGB555 runColour_ = 0;
};

}  // namespace

bool DecodePcxRuns(PcxByteReader& reader, const PcxColourTable& table, int32_t width, int32_t height, bool dropsPadByte,
                   RGB555* out) {
  RunDecoder decoder(reader, table);
  for (int32_t row = 0; row < height; ++row) {
    RGB555* rowEnd = out + width;
    if (!decoder.DecodeRow(out, rowEnd)) return false;
    out = rowEnd;
    if (row + 1 < height && dropsPadByte && !decoder.SkipOneByte()) return false;
  }
  return true;
}

}  // namespace tessmoor
