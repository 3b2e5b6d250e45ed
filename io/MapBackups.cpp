#include "io/MapBackups.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>

#include "io/RegularFile.h"

namespace tessmoor {

namespace {

constexpr size_t StampLength = 19;  // 2026-12-08_11-30-05
constexpr int MaxSequence = 999;

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The name without its extension, so backups of Sample.tmm read Sample_...tmm.
std::string Stem(const std::string& path) {
  std::string name = BaseName(path);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

std::string Extension(const std::string& path) {
  const std::string name = BaseName(path);
  const size_t dot = name.find_last_of('.');
  return dot != std::string::npos && dot > 0 ? name.substr(dot) : std::string();
}

// The same file reached by another spelling or a link has the same key.
std::string PathKey(const std::string& path) {
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
  const std::string canonical = real ? std::string(real.get()) : path;
  uint32_t hash = 2166136261u;
  for (unsigned char c : canonical) hash = (hash ^ c) * 16777619u;
  char text[9];
  std::snprintf(text, sizeof text, "%08x", hash);
  return text;
}

struct NameParts {
  std::string prefix;  // "Sample_"
  std::string suffix;  // "_1a2b3c4d.tmm"
};

NameParts PartsFor(const std::string& path) { return {Stem(path) + "_", "_" + PathKey(path) + Extension(path)}; }

bool IsDigits(const std::string& text, size_t from, size_t count) {
  if (from + count > text.size()) return false;
  return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(from),
                     text.begin() + static_cast<std::ptrdiff_t>(from + count),
                     [](char c) { return c >= '0' && c <= '9'; });
}

bool IsStamp(const std::string& stamp) {
  return stamp.size() == StampLength && IsDigits(stamp, 0, 4) && stamp[4] == '-' && IsDigits(stamp, 5, 2) &&
         stamp[7] == '-' && IsDigits(stamp, 8, 2) && stamp[10] == '_' && IsDigits(stamp, 11, 2) && stamp[13] == '-' &&
         IsDigits(stamp, 14, 2) && stamp[16] == '-' && IsDigits(stamp, 17, 2);
}

// "2026-12-08_11-30-05" or "2026-12-08_11-30-05-3"; false for anything else.
bool ParseMiddle(const std::string& middle, MapBackup& backup) {
  backup.stamp = middle.substr(0, StampLength);
  if (!IsStamp(backup.stamp)) return false;
  if (middle.size() == StampLength) return true;
  const size_t digits = middle.size() - StampLength - 1;
  if (middle[StampLength] != '-' || digits == 0 || digits > 3 || !IsDigits(middle, StampLength + 1, digits)) {
    return false;
  }
  backup.sequence = std::atoi(middle.c_str() + StampLength + 1);
  return true;
}

// `folder` is named when it was the folder that failed, not the file.
BackupOutcome NoBackup(const std::string& path, int error, const std::string& folder = {}) {
  return {false, {CoreCode::NoBackup, {BaseName(path), folder, std::to_string(error)}}};
}

bool ReadAll(const std::string& path, std::vector<char>& bytes, int& error) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(OpenRegularFile(path, error), &std::fclose);
  if (!file) return false;
  char buffer[65536];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.insert(bytes.end(), buffer, buffer + got);
  if (std::ferror(file.get())) {
    error = EIO;
    return false;
  }
  return true;
}

bool WriteNew(const std::string& path, const std::vector<char>& bytes, int& error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) {
    error = errno;
    return false;
  }
  FileOps ops;
  const bool written = ops.WriteAll(fd, bytes.data(), bytes.size());
  if (!written) error = errno;
  const bool closed = ::close(fd) == 0;
  if (written && !closed) error = errno;
  if (written && closed) return true;
  ::unlink(path.c_str());
  return false;
}

bool MakeFolder(const std::string& folder, int& error) {
  // Each level in turn, as mkdir -p does; the backups are the user's alone.
  for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string level = folder.substr(0, slash);
    if (!level.empty() && ::mkdir(level.c_str(), 0700) != 0 && errno != EEXIST) {
      error = errno;
      return false;
    }
    if (slash == std::string::npos) break;
  }
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
    error = ENOTDIR;
    return false;
  }
  return true;
}

// Whether the file at `path` holds exactly `bytes`; false when it cannot be read.
bool HoldsBytes(const std::string& path, const std::vector<char>& bytes) {
  int error = 0;
  std::vector<char> held;
  return ReadAll(path, held, error) && held == bytes;
}

void DropBeyond(const std::string& base, const std::string& path, int keep) {
  const std::vector<MapBackup> backups = ListBackups(base, path);
  for (size_t i = static_cast<size_t>(std::max(keep, 1)); i < backups.size(); ++i) ::unlink(backups[i].path.c_str());
}

BackupOutcome BackUp(const std::string& folder, const std::string& path, int keep, std::time_t when) {
  int error = 0;
  std::vector<char> bytes;
  if (!ReadAll(path, bytes, error)) return NoBackup(path, error);
  std::string base = folder;
  if (!base.empty() && base.back() != '/') base += '/';
  if (!MakeFolder(base, error)) return NoBackup(path, error, base);
  // A second copy of the newest backup would only push an older version out.
  const std::vector<MapBackup> existing = ListBackups(base, path);
  if (!existing.empty() && HoldsBytes(existing.front().path, bytes)) {
    DropBeyond(base, path, keep);
    return {true, {}};
  }

  std::tm local{};
  localtime_r(&when, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
  const NameParts parts = PartsFor(path);
  // After the limit dropped the first backups of this second, a new one must
  // still sort after the ones that remain.
  int first = 1;
  for (const MapBackup& backup : existing) {
    if (backup.stamp == stamp) first = std::max(first, backup.sequence + 1);
  }
  for (int sequence = first; sequence <= MaxSequence; ++sequence) {
    const std::string middle = sequence == 1 ? std::string(stamp) : std::string(stamp) + "-" + std::to_string(sequence);
    if (WriteNew(base + parts.prefix + middle + parts.suffix, bytes, error)) {
      DropBeyond(base, path, keep);
      return {true, {}};
    }
    if (error != EEXIST) break;
  }
  return NoBackup(path, error);
}

}  // namespace

BackupOutcome BackUpFile(const std::string& folder, const std::string& path, int keep, std::time_t when) {
  try {
    return BackUp(folder, path, keep, when);
  } catch (const std::bad_alloc&) {
    return NoBackup(path, ENOMEM);
  }
}

bool SameBytes(const std::string& a, const std::string& b) {
  int error = 0;
  std::vector<char> bytes;
  return ReadAll(a, bytes, error) && HoldsBytes(b, bytes);
}

std::vector<MapBackup> ListBackups(const std::string& folder, const std::string& path) {
  std::vector<MapBackup> backups;
  std::string base = folder;
  if (!base.empty() && base.back() != '/') base += '/';
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(base.c_str()), ::closedir);
  if (!dir) return backups;
  const NameParts parts = PartsFor(path);
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (name.size() <= parts.prefix.size() + parts.suffix.size() ||
        name.compare(0, parts.prefix.size(), parts.prefix) != 0 ||
        name.compare(name.size() - parts.suffix.size(), parts.suffix.size(), parts.suffix) != 0) {
      continue;
    }
    MapBackup backup;
    if (!ParseMiddle(name.substr(parts.prefix.size(), name.size() - parts.prefix.size() - parts.suffix.size()),
                     backup)) {
      continue;
    }
    backup.path = base + name;
    struct stat info {};
    if (::stat(backup.path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    backup.size = static_cast<uint64_t>(info.st_size);
    backups.push_back(std::move(backup));
  }
  std::sort(backups.begin(), backups.end(), [](const MapBackup& a, const MapBackup& b) {
    return a.stamp != b.stamp ? a.stamp > b.stamp : a.sequence > b.sequence;
  });
  return backups;
}

BackupFileOps::BackupFileOps(FileOps& inner, std::function<BackupSettings()> settings,
                             std::function<void(const CoreMessage&)> failed)
    : inner_(inner), settings_(std::move(settings)), failed_(std::move(failed)) {}

int BackupFileOps::CreateNew(const std::string& path) { return inner_.CreateNew(path); }
bool BackupFileOps::WriteAll(int fd, const void* data, size_t size) { return inner_.WriteAll(fd, data, size); }
bool BackupFileOps::Close(int fd) { return inner_.Close(fd); }
void BackupFileOps::Remove(const std::string& path) { inner_.Remove(path); }

bool BackupFileOps::Rename(const std::string& from, const std::string& to) {
  // Every byte of the new file is written by now: the backup is taken only for
  // a save that is about to succeed, and only of a file it really changes.
  struct stat info {};
  if (::lstat(to.c_str(), &info) == 0 && S_ISREG(info.st_mode) && !SameBytes(from, to)) {
    const BackupSettings settings = settings_();
    if (settings.keep > 0) {
      const BackupOutcome outcome = BackUpFile(settings.folder, to, settings.keep, std::time(nullptr));
      if (!outcome.ok && failed_) failed_(outcome.message);
    }
  }
  return inner_.Rename(from, to);
}

}  // namespace tessmoor
