#include "editor/features/ExtrasFeature.h"

#include "editor/commands/CommandRegistry.h"
#include "editor/commands/CommandSearch.h"
#include "editor/commands/ShortcutsDialog.h"

namespace tessmoor {

ExtrasFeature::ExtrasFeature(const FeatureContext& context) : context_(context) {
  context.registry.Add(
      {"ExtrasSearchCommand",
       QT_TRANSLATE_NOOP("Befehle", "&Befehl suchen..."),
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Sucht einen Befehl nach seinem Namen und führt ihn aus."),
       "E&xtras",
       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)}},
      [this](const FeatureContext& c) {
        if (!FrmCommandSearch) FrmCommandSearch = new TFrmCommandSearch(c.registry, context_.window);
        FrmCommandSearch->Popup(c.window);
      });
  context.registry.Add(
      {"ExtrasShortcuts", QT_TRANSLATE_NOOP("Befehle", "&Tastenkürzel..."),
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Zeigt die Tastenkürzel aller Befehle und lässt sie ändern."),
       "E&xtras"},
      [](const FeatureContext& c) {
        TFrmShortcuts shortcuts(c.registry, c.session.Dialogs(), c.window);
        shortcuts.exec();
      });
}

}  // namespace tessmoor
