#pragma once
// A script run from the window. It works on a copy of the map in a thread of
// its own, so the editor keeps painting and "Stopp" (or Escape) ends it even
// inside an endless loop; the window takes no other input meanwhile. What the
// copy ends with comes back as one step named after the script; a script that
// throws or is stopped leaves the map as it was.

#include <QString>
#include <functional>

#include "app/EditorSession.h"
#include "scripting/ScriptRunner.h"

class QWidget;

namespace tessmoor {

struct ScriptJobPlace {
  EditorSession& session;
  ScriptFileGate& files;  // asked on the window's thread
  const StampLibrary* stamps = nullptr;
  std::function<void(const QString&)> log;  // called on the window's thread
  QWidget* window = nullptr;                // the progress window's parent
};

ScriptOutcome RunScriptJob(const ScriptJobPlace& place, const ScriptSource& source);

}  // namespace tessmoor
