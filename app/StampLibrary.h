#pragma once
// The user's stamps: one file per stamp in one folder. The library lists the
// stamps that read, names the file of a new one after it, and renames and
// removes them; the user interface shows them and asks for the names.

#include <functional>
#include <string>
#include <vector>

#include "document/Stamp.h"

namespace tessmoor {

enum class StampCode {
  Done,
  NoName,     // the name is empty
  NotSaved,   // args: the file's path
  NotRemoved  // args: the file's path
};

struct StampOutcome {
  StampCode code = StampCode::Done;
  std::vector<std::string> args{};

  bool Ok() const { return code == StampCode::Done; }
};

// What the library asks of the user's language: how names are ordered, and
// which characters (Unicode code points) a file name keeps. Both default to
// plain ASCII rules.
struct StampNameRules {
  std::function<bool(const std::string& a, const std::string& b)> less;
  std::function<bool(char32_t c)> isLetterOrNumber;
};

struct StoredStamp {
  std::string path;
  Stamp stamp;
};

// The file name for a stamp called `name` (UTF-8): letters, digits and '-'
// kept, every other character '_' (two for one beyond the 16-bit range), at
// most 64 characters, with the stamp extension. Empty for an empty name.
std::string StampFileBase(const std::string& name, const std::function<bool(char32_t)>& isLetterOrNumber);

class StampLibrary {
 public:
  // `folder` with a trailing '/'; it is made at the first save.
  explicit StampLibrary(std::string folder, StampNameRules rules = {});

  const std::string& Folder() const { return folder_; }
  // Every stamp of the folder that reads, ordered by name. A damaged or foreign
  // file is left where it is and not listed; a missing folder lists nothing.
  std::vector<StoredStamp> List() const;
  // Saves `stamp` as a new file named after `name` ("Halle-2.tms" when
  // "Halle.tms" is taken), with `name` (cut to its capacity) inside.
  StampOutcome Add(Stamp stamp, const std::string& name);
  // Renames the stamp inside its file; the file keeps its name. Atomic: on
  // failure the file is as it was.
  StampOutcome Rename(const StoredStamp& stored, const std::string& name);
  StampOutcome Remove(const StoredStamp& stored);

 private:
  std::string UnusedPath(const std::string& name) const;
  bool Less(const std::string& a, const std::string& b) const;

  std::string folder_;
  StampNameRules rules_;
};

}  // namespace tessmoor
