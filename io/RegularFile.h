#pragma once
// Opening a file for reading without ever waiting on it. A FIFO opened for
// reading blocks until some writer appears, and a device or directory is no
// input at all, so only regular files are let through.

#include <cstdio>
#include <string>

namespace tessmoor {

// The error value of OpenRegularFile for a name that is no regular file.
constexpr int NotARegularFile = -1;

// The opened file, or nullptr with `error` set to the system's errno or to
// NotARegularFile.
std::FILE* OpenRegularFile(const std::string& path, int& error);

}  // namespace tessmoor
