#include "io/SaveFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "io/SaveTarget.h"

namespace tessmoor {

int FileOps::CreateNew(const std::string& path) {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

bool FileOps::WriteAll(int fd, const void* data, size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t written = ::write(fd, bytes, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

bool FileOps::Close(int fd) {
  // The rename must never publish a file whose bytes are still only in the cache.
  const bool synced = ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  return synced && closed;
}

bool FileOps::Rename(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

void FileOps::Remove(const std::string& path) { ::unlink(path.c_str()); }

FileOps& RealFileOps() {
  static FileOps ops;
  return ops;
}

namespace {

constexpr int MaxNameAttempts = 100;

}  // namespace

SaveFile::SaveFile(std::string targetPath, FileOps& ops) : targetPath_(std::move(targetPath)), ops_(ops) {}

SaveFile::~SaveFile() { Discard(); }

bool SaveFile::Open() {
  const std::optional<std::string> finalPath = FinalLinkTarget(targetPath_);
  if (!finalPath || !MayReplace(*finalPath)) {
    failed_ = true;
    return false;
  }
  finalPath_ = *finalPath;
  // A name left behind by a crashed save of a process with the same id is skipped.
  for (int attempt = 0; attempt < MaxNameAttempts; ++attempt) {
    tempPath_ = TemporaryPathBeside(finalPath_);
    errno = 0;
    fd_ = ops_.CreateNew(tempPath_);
    if (fd_ >= 0 || errno != EEXIST) break;
  }
  if (fd_ < 0) {
    tempPath_.clear();
    failed_ = true;
    return false;
  }
  // A replaced file keeps its permissions.
  struct stat existing {};
  if (::stat(finalPath_.c_str(), &existing) == 0) ::fchmod(fd_, existing.st_mode & 07777);
  return true;
}

bool SaveFile::Write(const void* data, size_t size) {
  if (failed_ || fd_ < 0) return false;
  if (!ops_.WriteAll(fd_, data, size)) failed_ = true;
  return !failed_;
}

bool SaveFile::Commit() {
  if (fd_ < 0) {
    Discard();
    return false;
  }
  const bool closed = ops_.Close(fd_);
  fd_ = -1;
  if (failed_ || !closed || !ops_.Rename(tempPath_, finalPath_)) {
    failed_ = true;
    Discard();
    return false;
  }
  tempPath_.clear();
  return true;
}

void SaveFile::Discard() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!tempPath_.empty()) {
    ops_.Remove(tempPath_);
    tempPath_.clear();
  }
}

}  // namespace tessmoor
