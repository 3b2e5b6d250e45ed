#include "io/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tessmoor {

namespace {

// A blocking descriptor of a regular file and its size, or -1 with `error` set.
int OpenRegularDescriptor(const std::string& path, int& error, off_t& size) {
  // O_NONBLOCK makes the open itself return at once even for a FIFO; the type is
  // checked on the descriptor, so a name swapped in between cannot slip through.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    error = errno;
    return -1;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    error = errno;
    ::close(fd);
    return -1;
  }
  if (!S_ISREG(info.st_mode)) {
    error = NotARegularFile;
    ::close(fd);
    return -1;
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  size = info.st_size;
  return fd;
}

}  // namespace

std::FILE* OpenRegularFile(const std::string& path, int& error) {
  off_t size = 0;
  const int fd = OpenRegularDescriptor(path, error, size);
  if (fd < 0) return nullptr;
  std::FILE* file = ::fdopen(fd, "rb");
  if (!file) {
    error = errno;
    ::close(fd);
    return nullptr;
  }
  error = 0;
  return file;
}

bool ReadWholeRegularFile(const std::string& path, size_t limit, std::vector<uint8_t>& bytes, int& error) {
  off_t size = 0;
  const int fd = OpenRegularDescriptor(path, error, size);
  if (fd < 0) return false;
  if (static_cast<uint64_t>(size) > limit) {
    ::close(fd);
    error = FileTooLarge;
    return false;
  }
  bytes.resize(static_cast<size_t>(size));
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t count = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) {
      error = errno;
      ::close(fd);
      return false;
    }
    if (count == 0) break;  // cut short since the size was taken
    done += static_cast<size_t>(count);
  }
  bytes.resize(done);
  ::close(fd);
  error = 0;
  return true;
}

}  // namespace tessmoor
