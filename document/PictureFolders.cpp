#include "document/PictureFolders.h"

#include <sys/stat.h>

#include <mutex>

#include "document/FramePictures.h"
#include "document/Windows1252.h"

namespace tessmoor {

namespace {

// Set from the user interface, read by whatever loads pictures.
std::mutex foldersMutex;
std::vector<std::string> userFolders;

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

void SetUserPictureFolders(std::vector<std::string> folders) {
  for (std::string& folder : folders) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
  }
  std::lock_guard<std::mutex> lock(foldersMutex);
  userFolders = std::move(folders);
}

std::vector<std::string> UserPictureFolders() {
  std::lock_guard<std::mutex> lock(foldersMutex);
  return userFolders;
}

std::string LocateFramePicture(const std::string& programDirectory, const std::string& frameName) {
  const std::string name = Windows1252ToUtf8(frameName);
  for (const std::string& folder : UserPictureFolders()) {
    if (folder.empty()) continue;
    // A folder or device of that name in a folder of the user's must not hide
    // the picture further down the list.
    const std::string found = ResolvePathIgnoringCase(folder + name);
    if (IsRegularFile(found)) return found;
  }
  return ResolvePathIgnoringCase(FramePicturePath(programDirectory, frameName));
}

}  // namespace tessmoor
