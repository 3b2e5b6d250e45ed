#include "document/FramePictures.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <new>

#include "document/PictureFolders.h"
#include "document/Windows1252.h"
#include "graphics/GraphicsError.h"
#include "graphics/PcxLoader.h"

namespace tessmoor {

namespace {

bool Exists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

bool EqualIgnoringAsciiCase(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i] != '\0'; ++i) {
    const auto lower = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; };
    if (lower(static_cast<unsigned char>(a[i])) != lower(static_cast<unsigned char>(b[i]))) return false;
  }
  return i == a.size() && b[i] == '\0';
}

// A stored name is a plain file name in GFX/. One with a directory separator
// (such as "../../x.pcx") would reach outside it, and a NUL byte would cut the
// name the system sees short of the one the user sees.
bool IsPlainFileName(const std::string& frameName) {
  return std::none_of(frameName.begin(), frameName.end(), [](char c) { return c == '/' || c == '\\' || c == '\0'; });
}

bool LoadThumbnail(const std::string& programDirectory, const std::string& frameName, HiColorImage& thumbnail,
                   PcxLoadScratch& scratch) {
  if (!IsPlainFileName(frameName)) {
    SetGraphicsError(GraphicsErrorCode::geRead);
    return false;
  }
  LoadPcxImage(LocateFramePicture(programDirectory, frameName), scratch);
  if (TakeGraphicsError() != GraphicsErrorCode::geNone) return false;
  MakeThumbnail(scratch.picture, thumbnail);
  // A picture more than 64 times longer than wide has no thumbnail side; the
  // frame is kept, it just shows nothing in the view.
  TakeGraphicsError();
  return true;
}

}  // namespace

std::string FramePicturePath(const std::string& programDirectory, const std::string& frameName) {
  // Stored names are Windows-1252 bytes; file names on this system are UTF-8.
  return programDirectory + "GFX/" + Windows1252ToUtf8(frameName);
}

std::string ResolvePathIgnoringCase(const std::string& path) {
  if (Exists(path)) return path;
  const size_t slash = path.rfind('/');
  const std::string directory = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.empty()) return path;

  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(directory.c_str()), ::closedir);
  if (!dir) return path;
  while (const dirent* entry = ::readdir(dir.get())) {
    if (EqualIgnoringAsciiCase(name, entry->d_name)) {
      return slash == std::string::npos ? std::string(entry->d_name) : directory + entry->d_name;
    }
  }
  return path;
}

bool LoadFrameThumbnail(const std::string& programDirectory, const std::string& frameName, HiColorImage& thumbnail) {
  PcxLoadScratch scratch;
  return LoadFrameThumbnail(programDirectory, frameName, thumbnail, scratch);
}

bool LoadFrameThumbnail(const std::string& programDirectory, const std::string& frameName, HiColorImage& thumbnail,
                        PcxLoadScratch& scratch) {
  TakeGraphicsError();
  try {
    return LoadThumbnail(programDirectory, frameName, thumbnail, scratch);
  } catch (const std::bad_alloc&) {
    // The picture loader guards itself; this catches the paths and the thumbnail.
    FreeImage(thumbnail);
    SetGraphicsError(GraphicsErrorCode::geImage);
    return false;
  }
}

CoreMessage PictureLoadErrorMessage(const std::string& path) { return {CoreCode::PictureNotLoaded, {path}}; }

}  // namespace tessmoor
