#include "editor/features/FileFeature.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QSettings>
#include <QWidget>

#include "editor/commands/CommandRegistry.h"
#include "editor/widgets/LanguageChange.h"
#include "editor/widgets/RecentFiles.h"

namespace tessmoor {

namespace {

const char* const RecentKey = "Zuletzt";
const char* const RecentTitle = QT_TRANSLATE_NOOP("Menüs", "&Zuletzt geöffnet");

}  // namespace

FileFeature::FileFeature(const FeatureContext& context)
    : context_(context), recentFiles_(std::make_unique<RecentFiles>()) {
  recentWrite_.setSingleShot(true);
  recentWrite_.setInterval(1000);
  connect(&recentWrite_, &QTimer::timeout, this, &FileFeature::WriteRecentPaths);
  CommandRegistry& registry = context.registry;
  // Handed the session when they run; its work-flow is asked for then, as
  // its file operations may have been replaced meanwhile.
  using Context = const FeatureContext&;
  registry.Add({"FileNew",
                QT_TRANSLATE_NOOP("Befehle", "&Neu"),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Legt eine neue, leere Karte an."),
                "&Datei",
                {QKeySequence(Qt::CTRL | Qt::Key_N)}},
               [](Context c) { c.session.Files().NewDocument(); });
  registry.Add({"FileOpen",
                QT_TRANSLATE_NOOP("Befehle", "Ö&ffnen..."),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Öffnet eine gespeicherte Karte."),
                "&Datei",
                {QKeySequence(Qt::Key_F3), QKeySequence(Qt::CTRL | Qt::Key_O)}},
               [this](Context c) {
                 if (c.session.Files().OpenDocument()) RememberFile(c.session);
               });
  registry.Add({"FileSave",
                QT_TRANSLATE_NOOP("Befehle", "&Speichern"),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Speichert die Karte unter ihrem Dateinamen."),
                "&Datei",
                {QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_S)}},
               [this](Context c) { Save(c.session); });
  registry.Add(
      {"FileSaveAs", QT_TRANSLATE_NOOP("Befehle", "Speichern &unter..."),
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Speichert die Karte unter einem neuen Dateinamen."), "&Datei"},
      [this](Context c) {
        if (c.session.Files().SaveDocumentAs()) RememberFile(c.session);
      });
  registry.Add(
      {"FileExit", QT_TRANSLATE_NOOP("Befehle", "&Beenden"),
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Schließt den Editor und fragt nach ungespeicherten Änderungen."),
       "&Datei"},
      [](Context c) {
        // As a tab, the map's window is the one that holds every tab.
        c.window->window()->close();
      });

  MnuRecent = new QMenu(QCoreApplication::translate("Menüs", RecentTitle), context.window);
  MnuRecent->setObjectName("MnuRecent");
  OnLanguageChange(MnuRecent, [this] {
    MnuRecent->setTitle(QCoreApplication::translate("Menüs", RecentTitle));
    FillRecentMenu();
  });
  // Files come and go while the program runs; the submenu is filled when it opens.
  connect(MnuRecent, &QMenu::aboutToShow, this, &FileFeature::FillRecentMenu);
  FillRecentMenu();
}

FileFeature::~FileFeature() {
  // A list not written yet is not lost with the window.
  if (recentWrite_.isActive()) WriteRecentPaths();
}

bool FileFeature::Save(EditorSession& session) {
  const bool saved = session.Files().SaveDocument();
  if (saved) RememberFile(session);
  return saved;
}

bool FileFeature::Open(const std::string& path) {
  const bool loaded = context_.session.Files().LoadDocument(path);
  if (loaded) RememberFile(context_.session);
  return loaded;
}

void FileFeature::OpenRecentFile(const QString& path) {
  if (context_.session.Model().IsModified() && !context_.session.Files().AskSaveChanges()) return;
  Open(path.toStdString());
}

void FileFeature::FillRecentMenu() {
  recentFiles_->FillMenu(MnuRecent, [this](const QString& path) { OpenRecentFile(path); });
}

void FileFeature::RememberFile(const EditorSession& session) {
  const MapDocument& map = session.Map();
  if (map.IsUntitled()) return;
  recentFiles_->Add(QString::fromStdString(map.fileName));
  FillRecentMenu();
  if (!application_.isEmpty()) recentWrite_.start();
}

void FileFeature::WriteRecentPaths() {
  if (!application_.isEmpty()) QSettings(organization_, application_).setValue(RecentKey, recentFiles_->Paths());
}

void FileFeature::UseSettings(const QString& organization, const QString& application) {
  organization_ = organization;
  application_ = application;
  recentFiles_->SetPaths(QSettings(organization_, application_).value(RecentKey).toStringList());
  FillRecentMenu();
}

QStringList FileFeature::RecentPaths() const { return recentFiles_->Paths(); }

}  // namespace tessmoor
