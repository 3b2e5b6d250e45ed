#pragma once
// Backups of earlier saves: before a save replaces a file, the file it replaces
// is copied into a backup folder under the file's name, the date and time, and a
// short key of its full path (two maps of the same name in different folders
// keep apart). Only the newest few per file are kept. A backup is a courtesy:
// whatever goes wrong with it, the save itself goes on.

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "io/CoreMessage.h"
#include "io/SaveFile.h"

namespace tessmoor {

struct MapBackup {
  std::string path;
  std::string stamp;  // local time of the save that replaced it, "2026-12-08_11-30-05"
  int sequence = 1;   // the n-th backup of the same second
  uint64_t size = 0;
};

struct BackupOutcome {
  bool ok = false;
  CoreMessage message;  // why not, for the status bar
};

// Copies the existing file `path` into `folder` (created when missing) as the
// backup made at `when`, then deletes the oldest backups of that file beyond
// `keep`. A file that equals the newest backup byte for byte is not copied
// again. Never throws.
BackupOutcome BackUpFile(const std::string& folder, const std::string& path, int keep, std::time_t when);

// Whether both files can be read and hold the same bytes.
bool SameBytes(const std::string& a, const std::string& b);

// The backups of `path` in `folder`, newest first. Empty when there are none or
// the folder cannot be read.
std::vector<MapBackup> ListBackups(const std::string& folder, const std::string& path);

// Where backups go and how many are kept, asked at every save.
struct BackupSettings {
  std::string folder;
  int keep = 10;  // 0: no backups
};

// The file operations of a save, with a backup of the file the final rename
// replaces, unless the save writes the very bytes it replaces. Every call goes
// to `inner`; a backup that fails only calls `failed`.
class BackupFileOps : public FileOps {
 public:
  BackupFileOps(FileOps& inner, std::function<BackupSettings()> settings,
                std::function<void(const CoreMessage&)> failed);
  int CreateNew(const std::string& path) override;
  bool WriteAll(int fd, const void* data, size_t size) override;
  bool Close(int fd) override;
  bool Rename(const std::string& from, const std::string& to) override;
  void Remove(const std::string& path) override;

 private:
  FileOps& inner_;
  std::function<BackupSettings()> settings_;
  std::function<void(const CoreMessage&)> failed_;
};

}  // namespace tessmoor
