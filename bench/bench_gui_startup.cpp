// The editor's start, timed as a whole process: from starting the program with
// the sample map until the map view's first paint, against a minimal Qt program
// that shows a main window with a menu bar until its first paint. Both run as
// child processes of this one, alternately, so that a busy machine slows both
// alike. The editor child does what TMEdit's main does. Each child reports the
// moment of its first paint, so its way out is not counted. Prints the median
// wall times, their ratio, and both programs' steps from one more run.
//
//   bench_gui_startup [RUNS]        (default 15; the platform is offscreen
//                                    unless QT_QPA_PLATFORM says otherwise)
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/RecoveryOffer.h"
#include "editor/main/CommandLineMap.h"
#include "editor/main/EditorMainForm.h"
#include "editor/widgets/GermanQtTexts.h"
#include "editor/widgets/RecoveryKeeper.h"

extern char** environ;

using namespace tessmoor;

namespace {

// The descriptor on which a child reports the moment of its first paint. A
// child started by hand has no such pipe (and Qt may well have put its display
// connection there), so it reports only when the parent says so.
constexpr int PaintClockFd = 3;
constexpr const char* PaintClockVariable = "TM_BENCH_PAINT_CLOCK_FD";

// Once `widget` has painted for the first time, reports the moment to the
// parent (steady clock, which all processes share) and ends the event loop.
// What the program does on its way out (storing settings, freeing windows) is
// no part of the start.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QWidget* widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen) {
      seen = true;
      QTimer::singleShot(0, qApp, [] {
        const int64_t now = std::chrono::steady_clock::now().time_since_epoch().count();
        if (qEnvironmentVariableIsSet(PaintClockVariable) && write(PaintClockFd, &now, sizeof now) != sizeof now)
          std::fprintf(stderr, "no paint clock\n");
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }
  bool seen = false;
};

QElapsedTimer clockSinceMain;
bool printSteps = false;

void Step(const char* what) {
  if (printSteps) std::printf("  %-44s %7.1f ms\n", what, clockSinceMain.nsecsElapsed() / 1e6);
}

int MinimalChild(int argc, char** argv) {
  QApplication application(argc, argv);
  Step("QApplication");
  QMainWindow window;
  window.menuBar()->addMenu("&Datei")->addAction("&Beenden");
  window.resize(528, 344);
  FirstPaint paint(&window);
  window.show();
  Step("shown");
  const int result = application.exec();
  Step("first paint");
  return result;
}

int EditorChild(int argc, char** argv, const char* map) {
  QApplication application(argc, argv);
  Step("QApplication");
  QApplication::setApplicationName("Tessmoor-Editor");
  InstallGermanQtTexts(application);
  Step("Qt's German texts");
  TFrmMain mainWindow;
  Step("main window built (symbols, other windows)");
  mainWindow.RestoreSettings();
  Step("settings");
  FirstPaint paint(mainWindow.findChild<QWidget*>("ViewPort"));
  mainWindow.show();
  Step("shown");
  RecoveryKeeper recovery(mainWindow.Model(), RecoveryKeeper::DefaultFolder());
  const bool recovered = OfferOrphanedCopies(RecoveryKeeper::DefaultFolder().toStdString(), mainWindow.Model(),
                                             mainWindow.Editor(), mainWindow.Dialogs(), recovery.CopyPath());
  Step("recovery folder");
  if (!recovered) mainWindow.OpenMapFile(std::string(map));
  Step("sample map open");
  const int result = application.exec();
  Step("first paint of the map view");
  return result;
}

// Runs this program with `arguments`; the ms from starting it until its first
// paint, or -1 when it failed. The child's messages on stderr (Qt's platform
// notes) are dropped.
double RunChild(const std::string& self, const std::vector<std::string>& arguments) {
  std::vector<char*> argv{const_cast<char*>(self.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  int clockPipe[2];
  if (pipe(clockPipe) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  // The read end goes first: it may sit on the very descriptor the write end is moved to.
  posix_spawn_file_actions_addclose(&actions, clockPipe[0]);
  posix_spawn_file_actions_adddup2(&actions, clockPipe[1], PaintClockFd);
  pid_t child = 0;
  const int64_t start = std::chrono::steady_clock::now().time_since_epoch().count();
  const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(clockPipe[1]);
  int64_t painted = 0;
  const bool reported = spawned == 0 && read(clockPipe[0], &painted, sizeof painted) == sizeof painted;
  close(clockPipe[0]);
  if (spawned != 0) return -1;
  int status = 0;
  waitpid(child, &status, 0);
  if (!reported || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  using Ticks = std::chrono::steady_clock::duration;
  return std::chrono::duration<double, std::milli>(Ticks(painted - start)).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  clockSinceMain.start();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const std::string map = std::string(TM_BIN_DIR) + "/Maps/Sample.tmm";
  if (argc >= 2 && std::string(argv[1]) == "--minimal") {
    printSteps = argc >= 3;
    return MinimalChild(argc, argv);
  }
  if (argc >= 2 && std::string(argv[1]) == "--editor") {
    printSteps = argc >= 3;
    return EditorChild(argc, argv, map.c_str());
  }

  // The editor child writes settings and looks for recovery copies: keep both
  // away from the user's own.
  char folder[] = "/tmp/tessmoor-bench-startup-XXXXXX";
  if (!mkdtemp(folder)) return 1;
  qputenv("XDG_CONFIG_HOME", QByteArray(folder) + "/config");
  qputenv("XDG_DATA_HOME", QByteArray(folder) + "/data");
  qputenv(PaintClockVariable, QByteArray::number(PaintClockFd));
  const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 15;
  const std::string self = "/proc/self/exe";
  char path[4096] = {};
  const ssize_t length = readlink(self.c_str(), path, sizeof path - 1);
  const std::string program = length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string(argv[0]);
  std::vector<double> editor, minimal;
  for (int i = 0; i < runs; ++i) {
    minimal.push_back(RunChild(program, {"--minimal"}));
    editor.push_back(RunChild(program, {"--editor"}));
    if (minimal.back() < 0 || editor.back() < 0) {
      std::fprintf(stderr, "a child process failed\n");
      return 1;
    }
  }
  std::printf("runs: %d, platform %s\n", runs, qgetenv("QT_QPA_PLATFORM").constData());
  std::printf("minimal Qt main window until first paint: %7.1f ms (median)\n", Median(minimal));
  std::printf("editor with the sample map until the view's first paint: %7.1f ms (median)\n", Median(editor));
  std::printf("ratio editor / minimal: %.2f\n", Median(editor) / Median(minimal));
  std::printf("the minimal program's steps in one more run, since main:\n");
  std::fflush(stdout);
  RunChild(program, {"--minimal", "--steps"});
  std::printf("the editor's steps in one more run, since main:\n");
  std::fflush(stdout);
  RunChild(program, {"--editor", "--steps"});
  std::filesystem::remove_all(folder);
  return 0;
}
