#pragma once
// Where a save really goes and whether it may go there. A save replaces the file
// a name finally leads to (links stay links), and it replaces only what the user
// could have overwritten in place.

#include <optional>
#include <string>

namespace tessmoor {

// Follows a chain of symbolic links to its last name (which need not exist yet).
// Nothing when the chain loops or is longer than the system would follow.
std::optional<std::string> FinalLinkTarget(const std::string& path);

// True when `path` does not exist or the user may write to it. Replacing the
// name would only need the directory, but a file the user could not truncate
// must not be swapped away under them either. Root may write anything.
bool MayReplace(const std::string& path);

// A short name for the temporary file beside `target`, in the same directory.
// It never grows with the target's name, so long names still save.
std::string TemporaryPathBeside(const std::string& target);

// True when both names lead to one existing file (through links, other
// spellings of the path or hard links).
bool IsSameFile(const std::string& a, const std::string& b);

}  // namespace tessmoor
