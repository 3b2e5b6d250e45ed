#include "editor/features/ScriptsFeature.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include "editor/commands/CommandRegistry.h"
#include "editor/features/ScriptJob.h"
#include "editor/features/StampFeature.h"
#include "editor/widgets/LanguageChange.h"
#include "editor/widgets/ProgramSettings.h"
#include "editor/windows/ScriptConsole.h"

namespace tessmoor {

namespace {

const char* const ScriptsTitle = QT_TRANSLATE_NOOP("Menüs", "S&kripte");
const QString ScriptsMenuPath = QStringLiteral("E&xtras/") + QString::fromUtf8(ScriptsTitle);
const QString ScriptIdPrefix = QStringLiteral("Script:");
const char* const ScriptDescription =
    QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Führt dieses Skript auf der Karte aus.");

// Asks once per script text, folder and kind of access; a changed script asks again.
class RememberedFileGate : public ScriptFileGate {
 public:
  RememberedFileGate(DialogLayer& dialogs, const QString& name, const QString& text)
      : dialogs_(dialogs),
        name_(name),
        hash_(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex()) {}

  bool Allows(const std::string& folder, bool write) override {
    const QString folderKey =
        QCryptographicHash::hash(QByteArray::fromStdString(folder), QCryptographicHash::Sha256).toHex().left(16);
    const QString key = QStringLiteral("Skripte/Dateizugriff/%1-%2-%3").arg(hash_, folderKey, write ? "w" : "r");
    QSettings settings = ProgramSettings();
    if (settings.contains(key)) return settings.value(key).toBool();
    const bool allowed = dialogs_.AskScriptFileAccess(name_.toStdString(), folder, write);
    settings.setValue(key, allowed);
    return allowed;
  }

 private:
  DialogLayer& dialogs_;
  QString name_;
  QString hash_;
};

// Where in the script it failed and why, in one sentence.
QString FailureText(const QString& name, const ScriptOutcome& outcome) {
  const QString message = QString::fromStdString(outcome.message);
  const QString line = QString::number(outcome.line);
  const QString column = QString::number(outcome.column);
  if (outcome.line > 0 && outcome.column > 0)
    return QCoreApplication::translate("ScriptsFeature", "%1, Zeile %2, Spalte %3: %4")
        .arg(name, line, column, message);
  if (outcome.line > 0)
    return QCoreApplication::translate("ScriptsFeature", "%1, Zeile %2: %3").arg(name, line, message);
  if (outcome.column > 0)
    return QCoreApplication::translate("ScriptsFeature", "%1, Spalte %2: %3").arg(name, column, message);
  return name + ": " + message;
}

QString ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The folders scripts are listed from, the user's first.
QStringList ScriptFolders(const EditorSession& session) {
  QStringList folders{ScriptsFeature::UserScriptFolder()};
  if (!session.Map().IsUntitled())
    folders << QFileInfo(QString::fromStdString(session.Map().fileName)).absolutePath() + "/scripts/";
  folders << QString::fromStdString(session.Editor().programDirectory) + "Scripts/";
  return folders;
}

}  // namespace

ScriptsFeature::ScriptsFeature(const FeatureContext& context)
    : context_(context), menu_(new QMenu(QCoreApplication::translate("Menüs", ScriptsTitle), context.window)) {
  menu_->setObjectName(QStringLiteral("MnuScripts"));
  OnLanguageChange(menu_, [this] { menu_->setTitle(QCoreApplication::translate("Menüs", ScriptsTitle)); });
  connect(menu_, &QMenu::aboutToShow, this, &ScriptsFeature::ReadScriptFolders);
  context.registry.Add({"ExtrasScriptConsole", QT_TRANSLATE_NOOP("Befehle", "Skriptk&onsole"),
                        QT_TRANSLATE_NOOP("Befehlsbeschreibungen",
                                          "Öffnet die Skriptkonsole, in der man Skripte schreibt und ausführt."),
                        "E&xtras"},
                       [this](const FeatureContext&) { ShowConsole(); });
  context.registry.Add(
      {"ExtrasOpenScriptFolder", QT_TRANSLATE_NOOP("Befehle", "Skript&ordner öffnen"),
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Öffnet den Ordner der eigenen Skripte im Dateimanager."),
       ScriptsMenuPath},
      [](const FeatureContext&) {
        QDir().mkpath(UserScriptFolder());
        QDesktopServices::openUrl(QUrl::fromLocalFile(UserScriptFolder()));
      });
  ReadScriptFolders();
}

ScriptsFeature::~ScriptsFeature() = default;

QString ScriptsFeature::UserScriptFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/scripts/";
}

void ScriptsFeature::ReadScriptFolders() {
  menu_->clear();
  for (const QString& folder : ScriptFolders(context_.session)) {
    // The user's, the map's and the shipped scripts each form a group.
    if (!menu_->isEmpty() && !menu_->actions().last()->isSeparator()) menu_->addSeparator();
    for (const QFileInfo& file : QDir(folder).entryInfoList({"*.js"}, QDir::Files, QDir::Name)) {
      const QString id = ScriptIdPrefix + file.absoluteFilePath();
      QAction* action = context_.registry.Action(id);
      if (!action) {
        const ScriptHeader header =
            ReadScriptHeader(ReadText(file.filePath()).toStdString(), file.completeBaseName().toStdString());
        const QString path = file.absoluteFilePath();
        action =
            context_.registry.Add({id, QString::fromStdString(header.menuText), ScriptDescription, ScriptsMenuPath},
                                  [this, path](const FeatureContext&) { RunFile(path); });
      }
      menu_->addAction(action);
    }
  }
  if (!menu_->isEmpty() && !menu_->actions().last()->isSeparator()) menu_->addSeparator();
  menu_->addAction(context_.registry.Action("ExtrasOpenScriptFolder"));
}

void ScriptsFeature::RunFile(const QString& path) {
  const QString text = ReadText(path);
  const ScriptHeader header = ReadScriptHeader(text.toStdString(), QFileInfo(path).completeBaseName().toStdString());
  RunScript(QString::fromStdString(header.name), text);
}

void ScriptsFeature::RunScript(const QString& name, const QString& text) {
  RememberedFileGate gate(context_.session.Dialogs(), name, text);
  const StampLibrary stamps(QFile::encodeName(StampFeature::StampFolder()).toStdString());
  const auto log = [this](const QString& line) {
    ShowConsole();
    console_->Append(line);
  };
  const ScriptOutcome outcome =
      RunScriptJob({context_.session, gate, &stamps, log, context_.window}, {name.toStdString(), text.toStdString()});
  if (outcome.Ok()) {
    if (console_ && console_->isVisible() && !outcome.value.empty())
      console_->Append(QString::fromStdString(outcome.value));
    return;
  }
  const QString message = FailureText(name, outcome);
  if (console_ && console_->isVisible()) {
    console_->Append(message);
  } else {
    context_.session.Dialogs().ShowError(message.toStdString());
  }
}

void ScriptsFeature::ShowConsole() {
  if (!console_) {
    console_ = new TFrmScriptConsole(context_.window);
    connect(console_, &TFrmScriptConsole::RunLine, this, &ScriptsFeature::RunConsoleLine);
  }
  console_->show();
  console_->raise();
  console_->activateWindow();
}

void ScriptsFeature::RunConsoleLine(const QString& line) {
  RunScript(QCoreApplication::translate("ScriptsFeature", "Konsole"), line);
}

}  // namespace tessmoor
