#pragma once
// Runs scripts on a session: one run is one undo step named after the script,
// and a run that throws or is stopped leaves the map as it was. The engine has
// no file, process or network access of its own; the `tessmoor` object is all
// a script can reach.

#include <QJSEngine>
#include <atomic>
#include <memory>
#include <string>

#include "scripting/ScriptPlace.h"

namespace tessmoor {

class ScriptApi;

struct ScriptSource {
  std::string name;  // the step's name and the error's file name
  std::string text;
};

struct ScriptOutcome {
  enum class End { Done, Threw, Stopped };
  End end = End::Done;
  std::string message;  // the error, for Threw and Stopped
  int line = 0;         // where it was raised, from 1; 0 when unknown
  int column = 0;
  std::string value;  // the last expression's value as text, for the console

  bool Ok() const { return end == End::Done; }
};

class ScriptRunner {
 public:
  // The engine belongs to the thread that makes the runner; run it there.
  explicit ScriptRunner(ScriptPlace place);
  ~ScriptRunner();
  ScriptRunner(const ScriptRunner&) = delete;
  ScriptRunner& operator=(const ScriptRunner&) = delete;

  ScriptOutcome Run(const ScriptSource& source);
  // From any thread: the running script ends as soon as the engine looks,
  // which it does even inside an endless loop; a run that starts later ends at once.
  void Stop();

 private:
  ScriptOutcome Evaluate(const ScriptSource& source);

  ScriptPlace place_;
  std::unique_ptr<QJSEngine> engine_;
  ScriptApi* api_ = nullptr;  // owned by engine_'s parent chain: deleted with the runner
  // Held for the runner's life: the engine gives a page of handles back to the
  // system once its last handle goes, and every call makes and drops handles.
  QJSValue facade_;
  std::atomic<bool> stopped_{false};
};

// The header of a script file, its first comment lines: "// name: Zufällige Böden" and "// menu: &Zufällige Böden".
struct ScriptHeader {
  std::string name;
  std::string menuText;
};
ScriptHeader ReadScriptHeader(const std::string& text, const std::string& fileBaseName);

}  // namespace tessmoor
