// One editor per user and display: a second TMEdit started with a map hands it
// to the running editor, which opens it in a new tab, and ends; one started
// with --new-instance keeps its map and runs as an editor of its own. The
// running editor here is a window of tabs in this process, listening where the
// real program listens for the same runtime folder, platform and display.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "editor/main/EditorMainForm.h"
#include "editor/main/MapTabsWindow.h"
#include "editor/main/SingleInstance.h"
#include "support/ScriptedDialogs.h"

namespace tessmoor {

namespace {

constexpr int Deadline = 20000;

// Runs this process's events (so the hand-over is served and a child's end
// noticed) until `done` holds; false when the deadline came first.
bool Eventually(const std::function<bool()>& done) {
  QDeadlineTimer deadline(Deadline);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QTest::qWait(10);
  }
  return true;
}

class LaterStart : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home.isValid());
    ASSERT_TRUE(QDir(home.path()).mkdir("runtime"));
    ASSERT_TRUE(QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    for (const char* map : {"Hof.tmm", "Halle.tmm"})
      ASSERT_TRUE(QFile::copy(QString(TM_BIN_DIR) + "/Maps/Courtyard.tmm", home.path() + "/" + map));
    window = std::make_unique<MapTabsWindow>(&dialogs, QString(TM_BIN_DIR));
    window->show();
    ASSERT_TRUE(window->ListenForLaterStarts(NameUnder(runtime())));
  }

  void TearDown() override {
    for (auto& child : children) {
      if (child->state() == QProcess::NotRunning) continue;
      ::kill(static_cast<pid_t>(child->processId()), SIGKILL);
      child->waitForFinished(Deadline);
    }
    window.reset();
  }

  QString runtime() const { return home.path() + "/runtime"; }

  // The socket name an editor computes with XDG_RUNTIME_DIR at `folder`.
  static QString NameUnder(const QString& folder) {
    const QByteArray kept = qgetenv("XDG_RUNTIME_DIR");
    const bool wasSet = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
    const QString name = SingleInstance::DefaultName();
    if (wasSet) {
      qputenv("XDG_RUNTIME_DIR", kept);
    } else {
      qunsetenv("XDG_RUNTIME_DIR");
    }
    return name;
  }

  // The real editor, for the same runtime folder and display, with settings and
  // recovery copies of its own.
  QProcess& StartEditor(const QStringList& arguments) {
    auto child = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_RUNTIME_DIR", runtime());
    environment.insert("XDG_CONFIG_HOME", home.path() + "/config");
    environment.insert("XDG_DATA_HOME", home.path() + "/data");
    child->setProcessEnvironment(environment);
    child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child->start(QString(TM_BIN_DIR) + "/TMEdit", arguments);
    children.push_back(std::move(child));
    return *children.back();
  }

  // An editor running on its own keeps a locked recovery slot for its map.
  bool SomeEditorKeepsRecoveryCopies() const {
    return !QDir(home.path() + "/data/Tessmoor-Editor/recovery").entryList({"*.lock"}, QDir::Files).isEmpty();
  }

  std::string CurrentFile() const { return window->Current().Document().fileName; }

  QTemporaryDir home;
  ScriptedDialogs dialogs;
  std::unique_ptr<MapTabsWindow> window;
  std::vector<std::unique_ptr<QProcess>> children;
};

}  // namespace

TEST_F(LaterStart, ASecondEditorWithAMapOpensItAsATabInTheFirstAndEnds) {
  const std::string map = (home.path() + "/Hof.tmm").toStdString();
  QProcess& second = StartEditor({home.path() + "/Hof.tmm"});
  // The wait runs this process's events, so the hand-over can be served.
  ASSERT_TRUE(Eventually([&] { return second.state() == QProcess::NotRunning; }));
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  ASSERT_TRUE(Eventually([&] { return window->TabCount() == 2; })) << window->TabCount();
  EXPECT_EQ(CurrentFile(), map);
  EXPECT_FALSE(window->Current().Model().IsModified());
  EXPECT_FALSE(SomeEditorKeepsRecoveryCopies());
}

TEST_F(LaterStart, AnEditorWithNewInstanceKeepsItsMapAndRunsOnItsOwn) {
  QProcess& own = StartEditor({"--new-instance", home.path() + "/Halle.tmm"});
  // It is an editor of its own once it keeps a recovery slot for its map.
  ASSERT_TRUE(Eventually([&] { return SomeEditorKeepsRecoveryCopies() || own.state() == QProcess::NotRunning; }));
  EXPECT_EQ(own.state(), QProcess::Running);
  EXPECT_EQ(window->TabCount(), 1);
  EXPECT_TRUE(window->Current().Document().IsUntitled());
  // Later starts still reach this window, not the one that runs on its own.
  QProcess& later = StartEditor({home.path() + "/Hof.tmm"});
  ASSERT_TRUE(Eventually([&] { return later.state() == QProcess::NotRunning; }));
  EXPECT_EQ(later.exitCode(), 0);
  ASSERT_TRUE(Eventually([&] { return window->TabCount() == 2; })) << window->TabCount();
  EXPECT_EQ(CurrentFile(), (home.path() + "/Hof.tmm").toStdString());
  EXPECT_EQ(own.state(), QProcess::Running);
  ASSERT_EQ(::kill(static_cast<pid_t>(own.processId()), SIGTERM), 0);
  ASSERT_TRUE(Eventually([&] { return own.state() == QProcess::NotRunning; }));
}

}  // namespace tessmoor
