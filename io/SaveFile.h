#pragma once
// Atomic replacement of a file: everything is written to a temporary file in the
// target's directory, which is renamed over the target only after every write and
// the close succeeded. Whatever fails, the previous file stays as it was and the
// temporary file is removed. A target reached through symbolic links is the file
// at the end of the chain; a target the user may not write is refused.

#include <cstddef>
#include <string>

namespace tessmoor {

// The operating-system calls a save goes through. Tests substitute an
// implementation that fails at a chosen step.
class FileOps {
 public:
  virtual ~FileOps() = default;
  // Creates a new file (never an existing one); returns a descriptor or -1.
  virtual int CreateNew(const std::string& path);
  virtual bool WriteAll(int fd, const void* data, size_t size);
  // Flushes to disk and closes; the descriptor is gone either way.
  virtual bool Close(int fd);
  virtual bool Rename(const std::string& from, const std::string& to);
  virtual void Remove(const std::string& path);
};

FileOps& RealFileOps();

class SaveFile {
 public:
  explicit SaveFile(std::string targetPath, FileOps& ops = RealFileOps());
  ~SaveFile();
  SaveFile(const SaveFile&) = delete;
  SaveFile& operator=(const SaveFile&) = delete;

  // Creates the temporary file. False when it cannot be created, the link chain
  // cannot be followed or the target is not writable for the user.
  bool Open();
  // Appends bytes. After the first failure every later write fails too.
  bool Write(const void* data, size_t size);
  // Closes and renames over the target. False (and the temporary file removed)
  // when any write, the close or the rename failed.
  bool Commit();

 private:
  void Discard();

  std::string targetPath_;
  std::string finalPath_;  // targetPath_ with its links followed
  std::string tempPath_;
  FileOps& ops_;
  int fd_ = -1;
  bool failed_ = false;
};

}  // namespace tessmoor
