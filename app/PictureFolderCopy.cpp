#include "app/PictureFolderCopy.h"

#include <sys/stat.h>

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "document/FramePictures.h"
#include "document/MapDocument.h"
#include "document/PictureFolders.h"
#include "document/Windows1252.h"
#include "io/RegularFile.h"

namespace tessmoor {

namespace {

// Larger than any picture the loader accepts; a copy never holds more.
constexpr size_t MaxPictureFileSize = size_t{64} << 20;
// Enough tries to get past every clash a real folder holds.
constexpr int MaxShortNameNumber = 9999;

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsRegular(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error);
}

bool SameBytes(const std::string& a, const std::string& b) {
  std::vector<uint8_t> first;
  std::vector<uint8_t> second;
  int error = 0;
  return ReadWholeRegularFile(a, MaxPictureFileSize, first, error) &&
         ReadWholeRegularFile(b, MaxPictureFileSize, second, error) && first == second;
}

// The file's own name, when a frame can store it whole.
std::optional<std::string> OwnStoredName(const std::string& file) {
  std::optional<std::string> name = Utf8ToWindows1252(BaseName(file));
  if (!name || name->empty() || name->size() > FrameNameCapacity) return std::nullopt;
  return name;
}

// Only letters, digits and '_' go into a made-up name, so every file system takes it.
std::string PlainAscii(const std::string& text, size_t limit) {
  std::string plain;
  for (const char c : text) {
    if (plain.size() == limit) break;
    if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') plain += c;
  }
  return plain;
}

// "Ein langer Name.pcx", 3 -> "Einlan~3.pcx": 8 + 1 + 3 bytes at most.
std::string ShortName(const std::string& file, int number) {
  const std::string base = BaseName(file);
  const size_t dot = base.find_last_of('.');
  const std::string extension = dot == std::string::npos ? std::string() : "." + PlainAscii(base.substr(dot + 1), 3);
  const std::string tail = "~" + std::to_string(number);
  std::string stem = PlainAscii(base.substr(0, dot), 8 - tail.size());
  if (stem.empty()) stem = "BILD";
  return stem.substr(0, 8 - tail.size()) + tail + extension;
}

bool CopyFile(const std::string& from, const std::string& to, FileOps& ops) {
  std::vector<uint8_t> bytes;
  int error = 0;
  if (!ReadWholeRegularFile(from, MaxPictureFileSize, bytes, error)) return false;
  SaveFile target(to, ops);
  return target.Open() && target.Write(bytes.data(), bytes.size()) && target.Commit();
}

enum class Placed { Taken, Reused, Copied, Failed };

// `name` is Windows-1252; the folder holds UTF-8 names, compared ignoring ASCII case as the lookup does.
Placed PlaceAs(const std::string& file, const std::string& userFolder, const std::string& name, FileOps& ops) {
  const std::string target = userFolder + Windows1252ToUtf8(name);
  const std::string existing = ResolvePathIgnoringCase(target);
  if (IsRegular(existing)) return SameBytes(existing, file) ? Placed::Reused : Placed::Taken;
  if (std::filesystem::exists(existing)) return Placed::Taken;
  return CopyFile(file, target, ops) ? Placed::Copied : Placed::Failed;
}

}  // namespace

std::optional<std::string> PlaceInPictureFolders(const std::string& programDirectory, const std::string& file,
                                                 const std::string& userFolder, FileOps& ops, CoreMessage& message) {
  const std::optional<std::string> own = OwnStoredName(file);
  if (own && SameFile(LocateFramePicture(programDirectory, *own), file)) return own;
  for (int number = own ? 0 : 1; number <= MaxShortNameNumber; ++number) {
    const std::string name = number == 0 ? *own : ShortName(file, number);
    switch (PlaceAs(file, userFolder, name, ops)) {
      case Placed::Reused:
      case Placed::Copied:
        return name;
      case Placed::Taken:
        continue;
      case Placed::Failed:
        break;
    }
    break;
  }
  message = {CoreCode::PictureNotCopied, {file, userFolder}};
  return std::nullopt;
}

}  // namespace tessmoor
