#include "editor/features/ScriptJob.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <limits>
#include <mutex>
#include <thread>

#include "edit/MapContentCommand.h"

namespace tessmoor {

namespace {

// A progress window appears only for a script that takes a while.
constexpr int ProgressDelayMs = 300;

// The window's own thread answers for the gate: its questions are windows too.
class GateOnWindowThread : public ScriptFileGate {
 public:
  GateOnWindowThread(ScriptFileGate& gate, QObject& relay) : gate_(gate), relay_(relay) {}
  bool Allows(const std::string& folder, bool write) override {
    bool allowed = false;
    QMetaObject::invokeMethod(
        &relay_, [&] { allowed = gate_.Allows(folder, write); }, Qt::BlockingQueuedConnection);
    return allowed;
  }

 private:
  ScriptFileGate& gate_;
  QObject& relay_;
};

// While the script runs, keys and clicks reach only modal windows (the
// progress window, a question); Escape anywhere stops the script.
class InputWhileRunning : public QObject {
 public:
  explicit InputWhileRunning(std::function<void()> stop) : stop_(std::move(stop)) { qApp->installEventFilter(this); }
  ~InputWhileRunning() override { qApp->removeEventFilter(this); }

  bool eventFilter(QObject* target, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) stop_();
        [[fallthrough]];
      case QEvent::KeyRelease:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::Shortcut:
      case QEvent::ShortcutOverride: {
        // The window system's windows pass them on to their widgets, which are judged here.
        auto* widget = qobject_cast<QWidget*>(target);
        return widget && !widget->window()->isModal();
      }
      default:
        return false;
    }
  }

 private:
  std::function<void()> stop_;
};

struct SharedRun {
  std::mutex mutex;
  ScriptRunner* runner = nullptr;
  bool stopAsked = false;

  void Stop() {
    std::lock_guard lock(mutex);
    stopAsked = true;
    if (runner) runner->Stop();
  }
  void Enter(ScriptRunner* running) {
    std::lock_guard lock(mutex);
    runner = running;
    if (runner && stopAsked) runner->Stop();
  }
};

}  // namespace

ScriptOutcome RunScriptJob(const ScriptJobPlace& place, const ScriptSource& source) {
  EditorSession& session = place.session;
  EditorSession copy(session.Editor().programDirectory);
  copy.Model().Replace([&](MapDocument& map) { CopyMapContent(session.Map(), map); });
  copy.Editor().selection = session.Editor().selection;
  copy.Editor().currentLayer = session.Editor().currentLayer;

  QObject relay;
  GateOnWindowThread gate(place.files, relay);
  SharedRun shared;
  QEventLoop loop;
  ScriptOutcome outcome;
  const auto log = place.log;
  std::thread worker([&] {
    const auto toWindow = [&relay, log](const std::string& line) {
      if (log) QMetaObject::invokeMethod(&relay, [log, text = QString::fromStdString(line)] { log(text); });
    };
    ScriptRunner runner(ScriptPlace{copy, gate, place.stamps, true, toWindow});
    shared.Enter(&runner);
    outcome = runner.Run(source);
    shared.Enter(nullptr);
    QMetaObject::invokeMethod(&relay, [&loop] { loop.quit(); });
  });

  {
    InputWhileRunning input([&shared] { shared.Stop(); });
    QProgressDialog progress(
        QCoreApplication::translate("ScriptJob", "Das Skript „%1“ läuft...").arg(QString::fromStdString(source.name)),
        QCoreApplication::translate("ScriptJob", "Stopp"), 0, 0, place.window);
    progress.setWindowTitle(QCoreApplication::translate("ScriptJob", "Skript"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    // Shown by hand: the dialog's own timer waits for a value that a script never reports.
    progress.setMinimumDuration(std::numeric_limits<int>::max());
    QTimer::singleShot(ProgressDelayMs, &progress, [&progress] { progress.show(); });
    QObject::connect(&progress, &QProgressDialog::canceled, [&shared] { shared.Stop(); });
    loop.exec();
  }
  worker.join();
  // The script's last lines, still on their way to the window.
  QCoreApplication::sendPostedEvents(&relay, QEvent::MetaCall);

  if (outcome.Ok()) {
    session.Editing().AdoptContent(copy.Map(), StepName::Script, source.name);
    const Selection& now = copy.Editor().selection;
    const Selection& was = session.Editor().selection;
    if (now != was) session.Editing().Select({now.x1, now.y1, now.x2, now.y2});
  }
  return outcome;
}

}  // namespace tessmoor
