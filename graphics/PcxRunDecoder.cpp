#include "graphics/PcxRunDecoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstring>

#include "graphics/PixelFill.h"

namespace tessmoor {

void MakePcxColourTable(const uint8_t* palette, PcxColourTable& table) {
  for (int i = 0; i < 256; ++i) {
    const uint8_t* entry = palette + 3 * i;
    std::fill_n(table[i], 8, PackRGB555(entry[0] >> 3, entry[1] >> 3, entry[2] >> 3));
  }
}

namespace {

// Eight input bytes are decoded at once as a block held in one 64-bit word, byte i
// of the input in bits 8i to 8i+7; masks over a block are 0x00 or 0xFF per byte.
static_assert(std::endian::native == std::endian::little, "blocks are loaded as little-endian words");
constexpr uint64_t EveryByte = 0x0101010101010101;
constexpr uint64_t HighBits = 0x8080808080808080;

// Which bytes of a block start a code, by its 8 run flags (bit i: byte i >= 0xC0)
// and whether byte 0 is the value of a run that began in the block before.
// Only this depends on the bytes before it, so a table lookup resolves it.
constexpr uint64_t CodeStarts(uint32_t runFlags, bool startsWithValue) {
  uint64_t starts = 0;
  bool isValue = startsWithValue;
  for (int i = 0; i < 8; ++i) {
    if (!isValue) starts |= uint64_t{0xFF} << (8 * i);
    isValue = !isValue && ((runFlags >> i) & 1) != 0;
  }
  return starts;
}

// Indexed by the run flags, plus 256 when byte 0 is a value. An index rather than
// a choice between two tables: the compiler makes the choice a branch, and in a
// noisy picture it mispredicts.
constexpr std::array<uint64_t, 512> MakeCodeStartTable() {
  std::array<uint64_t, 512> table{};
  for (uint32_t index = 0; index < 512; ++index) table[index] = CodeStarts(index & 0xFF, index >= 256);
  return table;
}

constexpr std::array<uint64_t, 512> CodeStartTable = MakeCodeStartTable();

// After a block with a run longer than 8, the code-by-code decoder goes on over
// this many bytes: where one long run is, more are near, and each block tried and
// given up costs about as much as decoding it.
constexpr ptrdiff_t LongRunStretch = 64;

uint64_t Load64(const uint8_t* bytes) {
  uint64_t word;
  std::memcpy(&word, bytes, 8);
  return word;
}

// Run-length decoding state that lives across rows: a run may end in the next row.
class RunDecoder {
 public:
  RunDecoder(PcxByteReader& reader, const PcxColourTable& table, RGB555* imageEnd)
      : reader_(reader), table_(table), imageEnd_(imageEnd) {}

  // Fills pixels up to rowEnd. False when the input ends first.
  bool DecodeRow(RGB555* out, RGB555* rowEnd) {
    const uint8_t* in = reader_.position;
    const uint8_t* inEnd = reader_.end;
    while (out < rowEnd) {
      if (runLeft_ > 0) {
        const size_t count = std::min(runLeft_, static_cast<size_t>(rowEnd - out));
        FillPixels(out, count, runColour_[0]);
        out += count;
        runLeft_ -= count;
        continue;
      }
      const uint8_t* slowUntil = DecodeBlocks(in, inEnd, out, rowEnd);
      DecodeInWindow(in, inEnd, slowUntil, out, rowEnd);
      if (runLeft_ > 0 || out == rowEnd || inEnd - in >= 2) continue;
      reader_.position = in;
      if (!ReadCode()) return false;
      in = reader_.position;
      inEnd = reader_.end;
    }
    reader_.position = in;
    return true;
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
  // Decodes 8 input bytes per step while every code in them is a literal or a run
  // of at most 8 and their pixels fit in the row. Each byte is treated as a code
  // and stores 8 pixels; a byte that is no code start advances `out` by 0, and the
  // pixels past a code's count are overwritten by the codes after it. So the only
  // dependency from one code to the next is the add to `out`: in a noisy picture a
  // code-by-code loop waits for each byte to learn where the next code begins.
  // Stops (with `in` at a code start) before the first block that breaks the rule,
  // and returns how far the code-by-code decoder is to go before coming back: on
  // past a long run, but to the row end when the row ends inside the block.
  const uint8_t* DecodeBlocks(const uint8_t*& inRef, const uint8_t* inEnd, RGB555*& outRef, RGB555* rowEnd) {
    const uint8_t* in = inRef;
    RGB555* out = outRef;
    const uint8_t* slowUntil = inEnd;
    uint64_t lastIsRun = 0;  // byte 0 of the block is the value of the block before's last code
    // A block's stores reach at most 40 pixels past `out` (runs of 8 at bytes 0, 2,
    // 4 and 6, then a store at byte 7), which must stay inside the image; past the
    // row end the next row's codes overwrite them.
    while (out < rowEnd && inEnd - in >= 9 && imageEnd_ - out >= 40) {
      const uint64_t bytes = Load64(in);
      const uint64_t nextBytes = Load64(in + 1);  // the value byte of a run code at each position
      const uint64_t runBits = bytes & (bytes << 1) & HighBits;
      const uint64_t runMask = (runBits >> 7) * 0xFF;
      // Gathers the eight high bits into one byte.
      const uint32_t runFlags = static_cast<uint32_t>(((runBits >> 7) * 0x0102040810204080) >> 56);
      const uint64_t starts = CodeStartTable[(lastIsRun << 8) | runFlags];
      const uint64_t counts = (((bytes & (0x3F * EveryByte)) & runMask) | (EveryByte & ~runMask)) & starts;
      // Counts are at most 63, so adding 0x77 sets a byte's high bit exactly when it exceeds 8.
      if ((counts + 0x77 * EveryByte) & HighBits) {
        slowUntil = in + std::min(inEnd - in, LongRunStretch);
        break;
      }
      // The multiply sums the counts into the top byte.
      if (((counts * EveryByte) >> 56) > static_cast<uint64_t>(rowEnd - out)) break;
      uint64_t indices = (bytes & ~runMask) | (nextBytes & runMask);
      uint64_t advances = counts;
      // Unrolled, the shifts become byte moves and the loop counter goes: about 15% faster.
#pragma GCC unroll 8
      for (int i = 0; i < 8; ++i) {
        std::memcpy(out, table_[indices & 0xFF], 16);
        out += advances & 0xFF;
        indices >>= 8;
        advances >>= 8;
      }
      lastIsRun = (starts & runBits) >> 63;
      in += 8;
    }
    inRef = in + lastIsRun;
    outRef = out;
    return slowUntil;
  }

  // Decodes code by code while two bytes are in the window, so that any code
  // decodes without a refill, and stops at the row end, when a run crosses it, or
  // once `in` reaches `until`.
  void DecodeInWindow(const uint8_t*& inRef, const uint8_t* inEnd, const uint8_t* until, RGB555*& outRef,
                      RGB555* rowEnd) {
    const uint8_t* in = inRef;
    RGB555* out = outRef;
    while (out < rowEnd && inEnd - in >= 2 && in < until) {
      // Literal or run is chosen with masks instead of a branch, and a run of up
      // to eight pixels is stored as eight with only `count` of them kept: in a
      // noisy picture no branch outcome here would be predictable.
      const uint32_t code = in[0], next = in[1];
      const uint32_t runMask = 0u - static_cast<uint32_t>(code >= 0xC0);
      const size_t count = ((code & 0x3F) & runMask) | (1u & ~runMask);
      const RGB555* colours = table_[(next & runMask) | (code & ~runMask)];
      in += 1 + (runMask & 1u);
      const size_t room = static_cast<size_t>(rowEnd - out);
      if (count <= 8 && room >= 8) {
        // The pixels past `count` lie inside the row; the codes that follow overwrite them.
        std::memcpy(out, colours, 16);
        out += count;
        continue;
      }
      // Runs of 9 to 16 are common in pictures with flat areas; two stores beat a fill loop.
      if (count <= 16 && room >= 16) {
        std::memcpy(out, colours, 16);
        std::memcpy(out + 8, colours, 16);
        out += count;
        continue;
      }
      const size_t stored = std::min(count, room);
      FillPixels(out, stored, colours[0]);
      out += stored;
      if (stored < count) {
        runLeft_ = count - stored;
        runColour_ = colours;
        break;
      }
    }
    inRef = in;
    outRef = out;
  }

  // Reads one code (a literal or a run with its value) into the pending run,
  // refilling the window as needed.
  bool ReadCode() {
    uint8_t code = 0;
    if (!NextByte(code)) return false;
    if (code < 0xC0) {
      runLeft_ = 1;
      runColour_ = table_[code];
      return true;
    }
    uint8_t value = 0;
    if (!NextByte(value)) return false;
    runLeft_ = code & 0x3F;
    runColour_ = table_[value];
    return true;
  }

  bool NextByte(uint8_t& byte) {
    if (reader_.position == reader_.end && !reader_.Refill()) return false;
    byte = *reader_.position++;
    return true;
  }

  PcxByteReader& reader_;
  const PcxColourTable& table_;
  RGB555* const imageEnd_;
  size_t runLeft_ = 0;
  const RGB555* runColour_ = nullptr;  // a table entry
};

}  // namespace

bool DecodePcxRuns(PcxByteReader& reader, const PcxColourTable& table, int32_t width, int32_t height, bool dropsPadByte,
                   RGB555* out) {
  RunDecoder decoder(reader, table, out + static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int32_t row = 0; row < height; ++row) {
    RGB555* rowEnd = out + width;
    if (!decoder.DecodeRow(out, rowEnd)) return false;
    out = rowEnd;
    if (row + 1 < height && dropsPadByte && !decoder.SkipOneByte()) return false;
  }
  return true;
}

}  // namespace tessmoor
