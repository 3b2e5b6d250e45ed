// Feeds scripts made of random calls of the script interface with hostile
// arguments (cells off the grid, huge strings, wrong types, NaN, objects where
// numbers belong). Nothing may crash; every refused call is a script error (an
// Error object the script can catch); a run that throws leaves the map's bytes
// as they were, and one that ends is at most one undo step.
#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "document/MapFile.h"
#include "scripting/ScriptRunner.h"

using namespace tessmoor;

namespace {

constexpr const char* Functions[] = {
    "cell",           "get",           "set",      "setCells",  "find",      "textures", "addTexture", "renameTexture",
    "replaceTexture", "deleteTexture", "start",    "setStart",  "selection", "select",   "stamps",     "placeStamp",
    "check",          "compile",       "readText", "writeText", "listFiles", "cells",    "log"};
constexpr const char* Values[] = {"0",
                                  "1",
                                  "-1",
                                  "63",
                                  "64",
                                  "-65",
                                  "2.5",
                                  "1e308",
                                  "-1e308",
                                  "NaN",
                                  "Infinity",
                                  "-0",
                                  "4294967296",
                                  "''",
                                  "'floorHeight'",
                                  "'type'",
                                  "'floorTexture'",
                                  "'ä中\\u0000'",
                                  "'x'.repeat(70000)",
                                  "'/tmp'",
                                  "{}",
                                  "{floorHeight: 3}",
                                  "{type: 300}",
                                  "{opacity: -1}",
                                  "{floorTexture: 0}",
                                  "{nope: 1}",
                                  "[]",
                                  "['GRASS1.PCX']",
                                  "null",
                                  "undefined",
                                  "(() => 1)",
                                  "(c => c.type === 1)",
                                  "Symbol('s')",
                                  "new Array(5).fill(0)",
                                  "true"};

struct Fixture {
  Fixture() : session(std::string(getenv("TM_PROGRAM_DIR") ? getenv("TM_PROGRAM_DIR") : "./")) {}
  EditorSession session;
  NoFilesGate gate;
};

std::string MakeScript(const uint8_t* data, size_t size) {
  std::string script = "let bad = false;\n";
  size_t at = 0;
  const auto next = [&] { return at < size ? data[at++] : 0; };
  while (at < size && script.size() < 20000) {
    const char* function = Functions[next() % std::size(Functions)];
    std::string call = std::string("tessmoor.") + function + "(";
    const int count = next() % 7;
    for (int i = 0; i < count; ++i) call += std::string(i ? ", " : "") + Values[next() % std::size(Values)];
    call += ")";
    // A caught refusal must be an Error; the last call may also throw out of the script.
    if (next() % 8 == 0) {
      script += call + ";\n";
    } else {
      script += "try { " + call + "; } catch (e) { if (!(e instanceof Error)) bad = true; }\n";
    }
  }
  return script + "if (bad) throw 'not an Error';\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static int argc = 1;
  static char name[] = "fuzz_scripting";
  static char* argv[] = {name, nullptr};
  static QCoreApplication application(argc, argv);
  static Fixture fixture;
  EditorSession& session = fixture.session;
  session.Model().Replace([&](MapDocument& map) { ResetDocument(map, session.Editor(), true); });
  const std::vector<uint8_t> before = MapFileBytes(session.Map());

  ScriptRunner runner(ScriptPlace{session, fixture.gate, nullptr, true, {}});
  const ScriptOutcome outcome = runner.Run({"fuzz", MakeScript(data, size)});
  // Values that are no Error (Symbol's text, valueOf's 1) reach only `bad`, through our own calls.
  if (outcome.message == "not an Error") std::abort();
  if (!outcome.Ok() && MapFileBytes(session.Map()) != before) std::abort();
  if (session.Model().History().CanUndo()) {
    if (!session.Model().Undo() || MapFileBytes(session.Map()) != before) std::abort();
  }
  return 0;
}
