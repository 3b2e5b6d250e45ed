#include "io/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tessmoor {

std::FILE* OpenRegularFile(const std::string& path, int& error) {
  // O_NONBLOCK makes the open itself return at once even for a FIFO; the type is
  // checked on the descriptor, so a name swapped in between cannot slip through.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    error = errno;
    return nullptr;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    error = errno;
    ::close(fd);
    return nullptr;
  }
  if (!S_ISREG(info.st_mode)) {
    error = NotARegularFile;
    ::close(fd);
    return nullptr;
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  std::FILE* file = ::fdopen(fd, "rb");
  if (!file) {
    error = errno;
    ::close(fd);
    return nullptr;
  }
  error = 0;
  return file;
}

}  // namespace tessmoor
