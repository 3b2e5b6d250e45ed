#pragma once
// What a script works on and may reach: a session, the user's stamps, and a
// gate for the files the user lets it touch. Scripts see nothing else.

#include <functional>
#include <string>

#include "app/EditorSession.h"
#include "app/StampLibrary.h"

namespace tessmoor {

class ScriptFileGate {
 public:
  virtual ~ScriptFileGate() = default;
  // Whether the script may read files in `folder` (absolute), or also write
  // them when `write`. Asked before every file call; the answer may be remembered.
  virtual bool Allows(const std::string& folder, bool write) = 0;
};

// Lets nothing through: a script without a gate reaches no file.
class NoFilesGate : public ScriptFileGate {
 public:
  bool Allows(const std::string&, bool) override { return false; }
};

struct ScriptPlace {
  EditorSession& session;
  ScriptFileGate& files;
  // Stamps to list and place; none without.
  const StampLibrary* stamps = nullptr;
  // Without a window there is no selection to read or set.
  bool hasWindow = true;
  // Where tessmoor.log writes; called on the thread the script runs on.
  std::function<void(const std::string&)> log;
};

}  // namespace tessmoor
