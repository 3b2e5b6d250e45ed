#include "HeadlessScript.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>

#include "document/MapFile.h"
#include "scripting/ScriptRunner.h"
#include "texts/CoreTexts.h"
#include "texts/ScriptTexts.h"

namespace tessmoor {

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

// The folders named on the command line, and what lies below them.
class AllowedFolders : public ScriptFileGate {
 public:
  explicit AllowedFolders(const std::vector<std::string>& folders) {
    for (const std::string& folder : folders)
      folders_.push_back(QDir::cleanPath(QFileInfo(QString::fromStdString(folder)).absoluteFilePath()));
  }
  bool Allows(const std::string& folder, bool) override {
    const QString asked = QDir::cleanPath(QString::fromStdString(folder));
    for (const QString& allowed : folders_) {
      if (asked == allowed || asked.startsWith(allowed.endsWith('/') ? allowed : allowed + '/')) return true;
    }
    return false;
  }

 private:
  QStringList folders_;
};

// Stops the runner when the time is up, unless it was called off before.
class Watchdog {
 public:
  Watchdog(ScriptRunner& runner, int seconds)
      : thread_([this, &runner, seconds] {
          std::unique_lock lock(mutex_);
          if (!ended_.wait_for(lock, std::chrono::seconds(seconds), [this] { return done_; })) {
            fired_ = true;
            runner.Stop();
          }
        }) {}
  ~Watchdog() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    ended_.notify_all();
    thread_.join();
  }
  bool Fired() {
    std::lock_guard lock(mutex_);
    return fired_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable ended_;
  bool done_ = false;
  bool fired_ = false;
  std::thread thread_;
};

int Fail(const std::string& message) {
  std::fprintf(stderr, "tmcompile: %s\n", message.c_str());
  return ExitFailed;
}

}  // namespace

int RunHeadlessScript(const HeadlessScriptArguments& arguments, const std::string& programDirectory) {
  std::ifstream file(arguments.scriptPath, std::ios::binary);
  std::stringstream text;
  if (!file || !(text << file.rdbuf())) {
    std::fprintf(stderr, "tmcompile: cannot read the script %s\n", arguments.scriptPath.c_str());
    return ExitUsage;
  }
  static int argc = 1;
  static char name[] = "tmcompile";
  static char* argv[] = {name, nullptr};
  QCoreApplication application(argc, argv);

  EditorSession session(programDirectory);
  MapFileResult loaded;
  session.Model().Replace([&](MapDocument& map) {
    ResetDocument(map, session.Editor(), true);
    loaded = LoadMap(map, arguments.mapPath, MapLoadOptions{programDirectory, false});
  });
  if (!loaded.ok) {
    if (loaded.systemError != 0)
      return Fail("cannot open " + arguments.mapPath + ": " + std::strerror(loaded.systemError));
    return Fail(CoreText(loaded.message));
  }

  AllowedFolders gate(arguments.allowedFolders);
  const auto print = [](const std::string& line) { std::printf("%s\n", line.c_str()); };
  ScriptRunner runner(ScriptPlace{session, gate, nullptr, false, print});
  const std::string scriptName = QFileInfo(QString::fromStdString(arguments.scriptPath)).fileName().toStdString();
  ScriptOutcome outcome;
  bool timedOut = false;
  {
    Watchdog watchdog(runner, arguments.timeoutSeconds);
    outcome = runner.Run({scriptName, text.str()});
    timedOut = watchdog.Fired();
  }
  std::fflush(stdout);
  if (timedOut)
    return Fail(ScriptProblemText({ScriptProblemCode::TimedOut, {std::to_string(arguments.timeoutSeconds)}}));
  if (!outcome.Ok()) {
    std::string where = outcome.line > 0 ? ":" + std::to_string(outcome.line) : std::string();
    if (outcome.column > 0) where += ":" + std::to_string(outcome.column);
    return Fail(scriptName + where + ": " + outcome.message);
  }
  const std::string out = arguments.outPath.empty() ? arguments.mapPath : arguments.outPath;
  const MapFileResult saved = session.Model().Save(out);
  return saved.ok ? ExitOk : Fail(CoreText(saved.message));
}

}  // namespace tessmoor
