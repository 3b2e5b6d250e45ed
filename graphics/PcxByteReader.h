#pragma once
// Block-wise byte input for the PCX decoder: the decoder walks a window of bytes
// directly and asks for the next block only when the window is used up, so a
// picture costs one read per 64 KiB rather than one call per byte.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace tessmoor {

class PcxByteReader {
 public:
  static constexpr size_t BufferSize = 65536;

  // Reads from bytes in memory, which must outlive the reader.
  PcxByteReader(const uint8_t* data, size_t size);
  // Reads from the current position of an open file, which the caller keeps open.
  explicit PcxByteReader(std::FILE* file);

  // The unread bytes of the current block. After Refill both are replaced.
  const uint8_t* position = nullptr;
  const uint8_t* end = nullptr;

  // Makes the next block current. False at the end of the data or on a read
  // error; the window is then empty.
  bool Refill();

 private:
  std::FILE* file_ = nullptr;
  std::unique_ptr<uint8_t[]> buffer_;
  const uint8_t* memoryNext_ = nullptr;  // memory input: start of the next block
  const uint8_t* memoryEnd_ = nullptr;
};

}  // namespace tessmoor
