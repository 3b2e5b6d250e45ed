#pragma once
// Runs a piece of a test in a child process as an unprivileged user: permission
// rules cannot be seen as root, and CI runs as root.

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace tessmoor {

// The user the child becomes when the test runs as root ("nobody").
constexpr uid_t UnprivilegedId = 65534;

// The child's exit code of `body`, or -1 when it could not run or crashed.
inline int RunUnprivileged(const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(UnprivilegedId) != 0 || ::setuid(UnprivilegedId) != 0)) {
      ::_exit(125);
    }
    ::_exit(body());
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

}  // namespace tessmoor
