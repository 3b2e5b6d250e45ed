#pragma once
// A file layer that fails at one chosen call, to prove that every failure path
// of a save leaves the previous file alone.

#include <string>

#include "io/SaveFile.h"

namespace tessmoor {

class FaultyFileOps : public FileOps {
 public:
  // Fails the call with this number (0 = the first call); -1 never fails.
  explicit FaultyFileOps(int failAtCall) : failAtCall_(failAtCall) {}

  int CreateNew(const std::string& path) override { return Fails() ? -1 : FileOps::CreateNew(path); }
  bool WriteAll(int fd, const void* data, size_t size) override {
    return !Fails() && FileOps::WriteAll(fd, data, size);
  }
  bool Close(int fd) override {
    if (Fails()) {
      FileOps::Close(fd);  // the descriptor is gone either way
      return false;
    }
    return FileOps::Close(fd);
  }
  bool Rename(const std::string& from, const std::string& to) override { return !Fails() && FileOps::Rename(from, to); }

  // How many calls a run made; a run with failAtCall = -1 tells how many steps to try.
  int Calls() const { return calls_; }

 private:
  bool Fails() { return calls_++ == failAtCall_; }

  int failAtCall_;
  int calls_ = 0;
};

}  // namespace tessmoor
