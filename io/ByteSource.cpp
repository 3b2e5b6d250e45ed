#include "io/ByteSource.h"

#include <algorithm>
#include <cstring>

#include "io/RegularFile.h"

namespace tessmoor {

size_t MemorySource::Read(void* buffer, size_t size) {
  const size_t count = std::min(size, size_ - position_);
  if (count > 0) std::memcpy(buffer, data_ + position_, count);
  position_ += count;
  return count;
}

FileSource::FileSource(const std::string& path) : file_(OpenRegularFile(path, openError_)) {}

FileSource::~FileSource() {
  if (file_) std::fclose(file_);
}

size_t FileSource::Read(void* buffer, size_t size) {
  if (!file_) return 0;
  return std::fread(buffer, 1, size, file_);
}

}  // namespace tessmoor
