#include "editor/features/TestPlay.h"

#include <QAction>
#include <QMenu>

#include "app/TestArguments.h"
#include "app/TestBuild.h"
#include "app/TestProfileStore.h"
#include "editor/commands/CommandRegistry.h"
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
}

TestPlay::~TestPlay() { EndRun(); }

void TestPlay::AddCommands(CommandRegistry& registry) {
  using Context = const FeatureContext&;
  registry.Add({"FileTest",
                QT_TRANSLATE_NOOP("Befehle", "&Testen"),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen",
                                  "Compiliert die Karte und startet das Spiel mit dem gewählten Testprofil."),
                "&Datei",
                {QKeySequence(Qt::Key_F10)}},
               [this](Context c) { Test(c, false); });
  registry.Add({"FileTestFromHere",
                QT_TRANSLATE_NOOP("Befehle", "Ab &hier testen"),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Startet einen Testlauf an der ausgewählten Zelle."),
                "&Datei",
                {QKeySequence(Qt::SHIFT | Qt::Key_F10)}},
               [this](Context c) { Test(c, true); });
  registry.Add({"View3DFromHere",
                QT_TRANSLATE_NOOP("Befehle", "3D-Ansicht ab h&ier"),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Öffnet die 3D-Ansicht an der ausgewählten Zelle."),
                "&Ansicht",
                {QKeySequence(Qt::SHIFT | Qt::Key_F5)}},
               [this](Context c) { View3DFromSelection(c); });
  registry.Add(
      {"ExtrasTestProfiles", QT_TRANSLATE_NOOP("Befehle", "Test&profile..."),
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Verwaltet die Profile, mit denen ein Testlauf das Spiel startet."),
       "E&xtras"},
      [this](Context c) { EditProfiles(c.session.Dialogs()); });
}

std::optional<GridPoint> TestPlay::SelectedCell(EditorSession& session) {
  // The first corner: where the selecting click was.
  const GridPoint cell{session.Editor().selection.x1, session.Editor().selection.y1};
  const std::string refusal = StartCellRefusal(session.Map(), cell);
  if (refusal.empty()) return cell;
  session.Dialogs().ShowError(refusal);
  return std::nullopt;
}

void TestPlay::EditProfiles(DialogLayer& dialogs) {
  TFrmTestProfiles dialog(host_.owner, dialogs);
  if (std::optional<TestProfiles> edited = dialog.Edit(LoadTestProfiles())) StoreTestProfiles(*edited);
}

void TestPlay::View3DFromSelection(const FeatureContext& context) {
  if (const std::optional<GridPoint> cell = SelectedCell(context.session)) host_.show3DView(context, cell);
}

void TestPlay::Test(const FeatureContext& context, bool fromSelection) {
  std::optional<GridPoint> cell;
  if (fromSelection && !(cell = SelectedCell(context.session))) return;
  // Read afresh: another editor may have changed them since.
  const TestProfiles profiles = LoadTestProfiles();
  if (!profiles.Default()) {
    host_.show3DView(context, cell);
    return;
  }
  if (IsRunning()) {
    if (!context.session.Dialogs().AskRestartTestRun()) return;
    EndRun();
  }
  Start(context.session, *profiles.Default(), cell);
}

void TestPlay::Start(EditorSession& session, const TestProfile& profile, std::optional<GridPoint> cell) {
  if (profile.saveFirst && !host_.saveMap(session)) return;
  auto folder = std::make_unique<TestRunFolder>();
  if (folder->Path().empty()) {
    session.Dialogs().ShowError(tr("Der Ordner für den Testlauf konnte nicht angelegt werden: %1")
                                    .arg(FromUtf8(folder->Error()))
                                    .toStdString());
    return;
  }
  const MapDocument& map = session.Map();
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
                                 session.Editor().programDirectory + "GFX", start.x, start.y};
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
    session.Dialogs().ShowError(tr("Das Programm „%1“ konnte nicht gestartet werden: %2")
                                    .arg(FromUtf8(profile.program), process->errorString())
                                    .toStdString());
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
  FrmTestRun->End(status == QProcess::NormalExit ? tr("Beendet mit Exit-Status %1.").arg(exitCode)
                                                 : tr("Das Programm ist abgestürzt."));
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
