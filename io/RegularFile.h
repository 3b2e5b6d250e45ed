#pragma once
// Opening a file for reading without ever waiting on it. A FIFO opened for
// reading blocks until some writer appears, and a device or directory is no
// input at all, so only regular files are let through.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace tessmoor {

// The error value of OpenRegularFile for a name that is no regular file.
constexpr int NotARegularFile = -1;
// The error value of ReadWholeRegularFile for a file larger than its limit.
constexpr int FileTooLarge = -2;

// The opened file, or nullptr with `error` set to the system's errno or to
// NotARegularFile.
std::FILE* OpenRegularFile(const std::string& path, int& error);

// Reads the whole regular file at `path` into `bytes` when it holds at most
// `limit` bytes, reusing the vector's memory. False with `error` set to the
// system's errno, NotARegularFile or FileTooLarge; `bytes` then tells nothing.
bool ReadWholeRegularFile(const std::string& path, size_t limit, std::vector<uint8_t>& bytes, int& error);

}  // namespace tessmoor
