#include "document/RecoveryFolder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>

#include "document/RecoveryFile.h"

namespace tessmoor {

namespace fs = std::filesystem;

namespace {

constexpr const char* LockExtension = ".lock";

std::string WithSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

std::string RandomId() {
  std::random_device device;
  std::uniform_int_distribution<uint64_t> any;
  return std::to_string(::getpid()) + "-" + std::to_string(any(device) % 1000000000000ull);
}

// An exclusive lock on `path`, or -1 when another process holds it. The lock
// must be on the file still named `path`: one removed meanwhile locks nothing.
int TryLock(const std::string& path, int extraFlags) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | extraFlags, 0600);
  if (fd < 0) return -1;
  struct stat opened {
  }, named{};
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &opened) != 0 || ::stat(path.c_str(), &named) != 0 ||
      opened.st_ino != named.st_ino || opened.st_dev != named.st_dev) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// Removes the lock file while still holding it, so no one locks a stale name.
void RemoveLock(const std::string& path, int fd) {
  ::unlink(path.c_str());
  ::close(fd);
}

std::string Stem(const fs::path& path) { return WithSlash(path.parent_path().string()) + path.stem().string(); }

}  // namespace

std::unique_ptr<RecoverySlot> RecoverySlot::Take(const std::string& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  for (int attempt = 0; attempt < 8; ++attempt) {
    const std::string stem = WithSlash(folder) + RandomId();
    const int fd = TryLock(stem + LockExtension, O_CREAT | O_EXCL);
    if (fd >= 0)
      return std::unique_ptr<RecoverySlot>(new RecoverySlot(stem + LockExtension, stem + RecoveryExtension, fd));
  }
  return nullptr;
}

RecoverySlot::RecoverySlot(std::string lockPath, std::string copyPath, int lockFd)
    : lockPath_(std::move(lockPath)), copyPath_(std::move(copyPath)), lockFd_(lockFd) {}

RecoverySlot::~RecoverySlot() {
  RemoveCopy();
  RemoveLock(lockPath_, lockFd_);
}

bool RecoverySlot::Write(const std::vector<uint8_t>& mapBytes, const std::string& originalPath, FileOps& ops) const {
  return WriteRecoveryFile(copyPath_, mapBytes, originalPath, ops);
}

void RecoverySlot::RemoveCopy() const { ::unlink(copyPath_.c_str()); }

OrphanedCopy::OrphanedCopy(std::string lockPath, std::string copyPath, int lockFd)
    : lockPath_(std::move(lockPath)), copyPath_(std::move(copyPath)), lockFd_(lockFd) {}

OrphanedCopy::~OrphanedCopy() {
  if (lockFd_ >= 0) ::close(lockFd_);
}

void OrphanedCopy::Discard() {
  if (lockFd_ < 0) return;
  ::unlink(copyPath_.c_str());
  RemoveLock(lockPath_, lockFd_);
  lockFd_ = -1;
}

void OrphanedCopy::MoveTo(const std::string& path) {
  if (lockFd_ < 0) return;
  if (!path.empty() && ::rename(copyPath_.c_str(), path.c_str()) == 0) {
    RemoveLock(lockPath_, lockFd_);
    lockFd_ = -1;
    return;
  }
  Discard();
}

std::vector<std::unique_ptr<OrphanedCopy>> ClaimOrphanedCopies(const std::string& folder) {
  // Every id in the folder, with the temporary files of writes a kill cut short.
  std::map<std::string, std::vector<std::string>> stems;
  const std::string cutWrite = std::string(RecoveryExtension) + ".tmp-";
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
    const fs::path& path = entry->path();
    const std::string name = path.filename().string();
    if (const size_t cut = name.find(cutWrite); cut != std::string::npos) {
      stems[WithSlash(path.parent_path().string()) + name.substr(0, cut)].push_back(path.string());
    } else if (path.extension() == RecoveryExtension || path.extension() == LockExtension) {
      stems[Stem(path)];
    }
  }

  std::vector<std::unique_ptr<OrphanedCopy>> orphans;
  for (const auto& [stem, cutWrites] : stems) {
    // A copy whose lock file is gone gets a new one, so two starting editors
    // still cannot both claim it.
    const std::string lockPath = stem + LockExtension;
    const int fd = TryLock(lockPath, O_CREAT);
    if (fd < 0) continue;
    for (const std::string& path : cutWrites) ::unlink(path.c_str());
    const std::string copyPath = stem + RecoveryExtension;
    if (::access(copyPath.c_str(), F_OK) == 0) {
      orphans.push_back(std::make_unique<OrphanedCopy>(lockPath, copyPath, fd));
    } else {
      RemoveLock(lockPath, fd);
    }
  }
  return orphans;
}

}  // namespace tessmoor
