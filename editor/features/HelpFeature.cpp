#include "editor/features/HelpFeature.h"

#include <QCoreApplication>

#include "editor/commands/CommandRegistry.h"
#include "editor/features/GuideLocation.h"
#include "editor/widgets/UiLanguage.h"
#include "editor/widgets/UrlOpener.h"
#include "editor/windows/AboutDialog.h"

namespace tessmoor {

HelpFeature::HelpFeature(const FeatureContext& context) : QObject(context.window) {
  using Context = const FeatureContext&;
  // F1 of the main window; the 3D window keeps its own F1 for its keys.
  context.registry.Add({"HelpManual",
                        QT_TRANSLATE_NOOP("Befehle", "&Handbuch"),
                        QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Öffnet das Handbuch im Browser."),
                        "&Hilfe",
                        {QKeySequence(Qt::Key_F1)}},
                       [](Context c) { OpenGuide(c); });
  // The keys live in one dialog, where they can be changed too.
  context.registry.Add({"HelpShortcuts", QT_TRANSLATE_NOOP("Befehle", "&Tastenkürzel"),
                        QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Zeigt die Tastenkürzel aller Befehle."), "&Hilfe"},
                       [](Context c) {
                         if (QAction* shortcuts = c.registry.Action("ExtrasShortcuts")) shortcuts->trigger();
                       });
  context.registry.Add(
      {"HelpAbout", QT_TRANSLATE_NOOP("Befehle", "Ü&ber"),
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Zeigt den Namen und die Version des Programms."), "&Hilfe"},
      [](Context c) {
        TFrmAbout about(c.window);
        about.exec();
      });
}

QStringList HelpFeature::MenuItems() { return {"HelpManual", "HelpShortcuts", {}, "HelpAbout"}; }

void HelpFeature::OpenGuide(const FeatureContext& context) {
  const QUrl guide = GuideUrl(QCoreApplication::applicationDirPath(), EnglishIsApplied());
  QString error;
  if (guide.isEmpty()) {
    error = QCoreApplication::translate("HelpFeature", "Das Handbuch ist nicht installiert.");
  } else if (!OpenUrl(guide)) {
    error =
        QCoreApplication::translate("HelpFeature", "Das Handbuch %1 lässt sich nicht öffnen.").arg(guide.toLocalFile());
  }
  if (!error.isEmpty()) context.session.Dialogs().ShowError(error.toStdString());
}

}  // namespace tessmoor
