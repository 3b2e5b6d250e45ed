#include "graphics/PcxByteReader.h"

#include <algorithm>

namespace tessmoor {

PcxByteReader::PcxByteReader(const uint8_t* data, size_t size) : memoryNext_(data), memoryEnd_(data + size) {}

PcxByteReader::PcxByteReader(std::FILE* file)
    : file_(file), buffer_(std::make_unique_for_overwrite<uint8_t[]>(BufferSize)) {}

bool PcxByteReader::Refill() {
  if (file_) {
    const size_t count = std::fread(buffer_.get(), 1, BufferSize, file_);
    position = buffer_.get();
    end = position + count;
    return count > 0;
  }
  // Bytes already in memory need no copy: the next block is a window onto them.
  const size_t count = std::min(BufferSize, static_cast<size_t>(memoryEnd_ - memoryNext_));
  position = memoryNext_;
  end = memoryNext_ + count;
  memoryNext_ = end;
  return count > 0;
}

}  // namespace tessmoor
