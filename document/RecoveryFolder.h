#pragma once
// The folder of recovery copies shared by every running editor. Each process
// holds an exclusive flock on its own <id>.lock for as long as it runs and
// writes its copy to <id>.tmr beside it. The kernel drops the lock when the
// process dies however it dies, so a copy whose lock can be taken belongs to
// no running editor; process ids, which get reused, play no part.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "io/SaveFile.h"

namespace tessmoor {

class RecoverySlot {
 public:
  // Creates the folder with its parents and locks a fresh id in it. Null when
  // that fails (no copies are kept then).
  static std::unique_ptr<RecoverySlot> Take(const std::string& folder);
  // Removes the copy and the lock file: a normal end leaves nothing behind.
  ~RecoverySlot();
  RecoverySlot(const RecoverySlot&) = delete;
  RecoverySlot& operator=(const RecoverySlot&) = delete;

  const std::string& CopyPath() const { return copyPath_; }
  // Replaces the copy atomically; false on failure (the previous copy stays).
  bool Write(const std::vector<uint8_t>& mapBytes, const std::string& originalPath, FileOps& ops = RealFileOps()) const;
  void RemoveCopy() const;

 private:
  RecoverySlot(std::string lockPath, std::string copyPath, int lockFd);

  std::string lockPath_;
  std::string copyPath_;
  int lockFd_;
};

// A copy left by an editor that no longer runs, locked by this process while it
// is offered so no other editor offers it at the same time.
class OrphanedCopy {
 public:
  OrphanedCopy(std::string lockPath, std::string copyPath, int lockFd);
  // Releases the lock and leaves the copy for a later start.
  ~OrphanedCopy();
  OrphanedCopy(const OrphanedCopy&) = delete;
  OrphanedCopy& operator=(const OrphanedCopy&) = delete;

  const std::string& Path() const { return copyPath_; }
  // Deletes the copy and its lock file.
  void Discard();
  // Renames the copy to `path` (in the same folder: one atomic step) and
  // removes the lock file; with "" or a failed rename, Discard.
  void MoveTo(const std::string& path);

 private:
  std::string lockPath_;
  std::string copyPath_;
  int lockFd_;
};

// Every copy in `folder` whose lock can be taken, sorted by path; lock files
// of ended editors that left no copy are removed on the way. Never returns a
// copy of a running editor, this process's own included.
std::vector<std::unique_ptr<OrphanedCopy>> ClaimOrphanedCopies(const std::string& folder);

}  // namespace tessmoor
