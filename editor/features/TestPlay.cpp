#include "editor/features/TestPlay.h"

#include <QAction>
#include <QMenu>

#include "app/TestArguments.h"
#include "app/TestBuild.h"
#include "app/TestProfileStore.h"
#include "editor/widgets/BusyCursor.h"
#include "editor/widgets/ProgramSettings.h"
#include "editor/widgets/SettingsKeyValues.h"
#include "editor/widgets/WindowPlacement.h"
#include "editor/windows/TestProfilesForm.h"
#include "editor/windows/TestRunForm.h"
#include "texts/TestRunTexts.h"

namespace tessmoor {

namespace {

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// The heading of the "Testlauf" window: the program and what it was given, a
// quoted piece wherever an argument holds a space.
QString CommandLine(const QString& program, const QStringList& arguments) {
  QStringList shown{program};
  for (const QString& argument : arguments)
    shown << (argument.isEmpty() || argument.contains(' ') ? "\"" + argument + "\"" : argument);
  return shown.join(' ');
}

}  // namespace

TestProfiles LoadTestProfiles() {
  QSettings settings = ProgramSettings();
  SettingsKeyValues store(settings);
  // Earlier versions kept the profiles in the file Qt names when a program sets no organization.
  QSettings earlier(QStringLiteral("Unknown Organization"), SettingsApplication());
  TakeOverEarlierProfiles(store, SettingsKeyValues(earlier));
  return LoadTestProfiles(store);
}

void StoreTestProfiles(const TestProfiles& list) {
  QSettings settings = ProgramSettings();
  SettingsKeyValues store(settings);
  StoreTestProfiles(store, list);
}

TestPlay::TestPlay(TestPlayHost host) : QObject(host.owner), host_(std::move(host)), decoder_(QStringDecoder::System) {
  setObjectName("TestPlay");
  FrmTestRun = new TFrmTestRun(host_.owner);
  FileTest = NewAction("FileTest", "&Testen", QKeySequence(Qt::Key_F10));
  FileTestFromHere = NewAction("FileTestFromHere", "Ab &hier testen", QKeySequence(Qt::SHIFT | Qt::Key_F10));
  View3DFromHere = NewAction("View3DFromHere", "3D-Ansicht ab h&ier", QKeySequence(Qt::SHIFT | Qt::Key_F5));
  ExtrasTestProfiles = NewAction("ExtrasTestProfiles", "Test&profile...", QKeySequence());
  connect(FileTest, &QAction::triggered, this, [this] { Test(false); });
  connect(FileTestFromHere, &QAction::triggered, this, [this] { Test(true); });
  connect(View3DFromHere, &QAction::triggered, this, &TestPlay::View3DFromSelection);
  connect(ExtrasTestProfiles, &QAction::triggered, this, &TestPlay::EditProfiles);
}

TestPlay::~TestPlay() { EndRun(); }

QAction* TestPlay::NewAction(const char* name, const QString& text, const QKeySequence& key) {
  auto* action = new QAction(text, this);
  action->setObjectName(name);
  if (!key.isEmpty()) action->setShortcut(key);
  return action;
}

std::vector<QAction*> TestPlay::Commands() const {
  return {FileTest, FileTestFromHere, View3DFromHere, ExtrasTestProfiles};
}

std::optional<GridPoint> TestPlay::SelectedCell() {
  // The first corner: where the selecting click was.
  const GridPoint cell{host_.editor->selection.x1, host_.editor->selection.y1};
  const std::string refusal = StartCellRefusal(host_.model->Map(), cell);
  if (refusal.empty()) return cell;
  host_.dialogs->ShowError(refusal);
  return std::nullopt;
}

void TestPlay::EditProfiles() {
  TFrmTestProfiles dialog(host_.owner, *host_.dialogs);
  if (std::optional<TestProfiles> edited = dialog.Edit(LoadTestProfiles())) StoreTestProfiles(*edited);
}

void TestPlay::View3DFromSelection() {
  if (const std::optional<GridPoint> cell = SelectedCell()) host_.show3DView(cell);
}

void TestPlay::Test(bool fromSelection) {
  std::optional<GridPoint> cell;
  if (fromSelection && !(cell = SelectedCell())) return;
  // Read afresh: another editor may have changed them since.
  const TestProfiles profiles = LoadTestProfiles();
  if (!profiles.Default()) {
    host_.show3DView(cell);
    return;
  }
  if (IsRunning()) {
    if (!host_.dialogs->AskRestartTestRun()) return;
    EndRun();
  }
  Start(*profiles.Default(), cell);
}

void TestPlay::Start(const TestProfile& profile, std::optional<GridPoint> cell) {
  if (profile.saveFirst && !host_.saveMap()) return;
  auto folder = std::make_unique<TestRunFolder>();
  if (folder->Path().empty()) {
    host_.dialogs->ShowError("Der Ordner für den Testlauf konnte nicht angelegt werden: " + folder->Error());
    return;
  }
  const MapDocument& map = host_.model->Map();
  const std::string modelPath = folder->File(TestModelName(map));
  CompileLogLines log;
  if (!compiler_) compiler_ = std::make_unique<MapCompiler>();
  bool built;
  MapFindings errors;
  {
    const BusyCursor busy;
    built = BuildTestModel(map, cell, modelPath, *compiler_, log, errors);
  }
  if (!built) {
    LogTestRunRefusal(errors, log);
    host_.showCompileLog(log.lines);
    return;
  }

  const StartPosition start = cell ? StartPosition{cell->x, cell->y} : map.startPosition;
  const PlaceholderValues values{modelPath, map.IsUntitled() ? std::string() : map.fileName,
                                 host_.editor->programDirectory + "GFX", start.x, start.y};
  QStringList arguments;
  for (const std::string& argument : ExpandArguments(profile.arguments, values)) arguments << FromUtf8(argument);
  auto process = std::make_unique<QProcess>();
  process->setProgram(FromUtf8(profile.program));
  process->setArguments(arguments);
  process->setWorkingDirectory(FromUtf8(WorkingFolderFor(profile, values)));
  process->setProcessChannelMode(QProcess::MergedChannels);
  // A program that reads its input must not wait for an editor that never writes.
  process->setStandardInputFile(QProcess::nullDevice());
  process->start();
  if (!process->waitForStarted(-1)) {
    host_.dialogs->ShowError("Das Programm „" + profile.program +
                             "“ konnte nicht gestartet werden: " + process->errorString().toStdString());
    return;
  }

  folder_ = std::move(folder);
  process_ = process.release();
  process_->setParent(this);
  decoder_ = QStringDecoder(QStringDecoder::System);
  connect(process_, &QProcess::readyReadStandardOutput, this, &TestPlay::ReadOutput);
  connect(process_, &QProcess::finished, this, &TestPlay::Finished);
  FrmTestRun->Begin(CommandLine(process_->program(), arguments));
  if (!FrmTestRun->isVisible()) MoveBeside(*FrmTestRun, *host_.owner, host_.map);
  FrmTestRun->show();
}

void TestPlay::ReadOutput() {
  if (process_) FrmTestRun->AppendOutput(decoder_.decode(process_->readAllStandardOutput()));
}

void TestPlay::Finished(int exitCode, QProcess::ExitStatus status) {
  ReadOutput();
  FrmTestRun->End(status == QProcess::NormalExit ? QString("Beendet mit Exit-Status %1.").arg(exitCode)
                                                 : QString("Das Programm ist abgestürzt."));
  process_->deleteLater();
  process_ = nullptr;
  folder_.reset();
}

void TestPlay::EndRun() {
  if (!process_) return;
  // Ended here on purpose: no status line, and the folder goes with the process.
  disconnect(process_, nullptr, this, nullptr);
  process_->kill();
  process_->waitForFinished(-1);
  delete process_;
  process_ = nullptr;
  folder_.reset();
}

}  // namespace tessmoor
