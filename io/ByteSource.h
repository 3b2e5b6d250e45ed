#pragma once
// Sequential, bounds-checked reading from a file or from memory. Readers never
// index past the data they were given: a short read is reported, not assumed.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace tessmoor {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads up to `size` bytes; returns how many were read (fewer at the end or on error).
  virtual size_t Read(void* buffer, size_t size) = 0;
  // True when exactly `size` bytes were read.
  bool ReadExactly(void* buffer, size_t size) { return Read(buffer, size) == size; }
};

class MemorySource : public ByteSource {
 public:
  MemorySource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  size_t Read(void* buffer, size_t size) override;

 private:
  const uint8_t* data_;
  size_t size_;
  size_t position_ = 0;
};

// Owns a FILE* of a regular file (see OpenRegularFile); IsOpen() is false when
// the path could not be opened, and OpenError() then says why.
class FileSource : public ByteSource {
 public:
  explicit FileSource(const std::string& path);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  // The errno of the failed open, or NotARegularFile; 0 when open.
  int OpenError() const { return openError_; }
  size_t Read(void* buffer, size_t size) override;

 private:
  int openError_ = 0;
  std::FILE* file_;
};

}  // namespace tessmoor
