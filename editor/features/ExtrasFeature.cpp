#include "editor/features/ExtrasFeature.h"

#include "editor/commands/CommandRegistry.h"
#include "editor/commands/CommandSearch.h"
#include "editor/commands/ShortcutsDialog.h"

namespace tessmoor {

ExtrasFeature::ExtrasFeature(const FeatureContext& context) : context_(context) {
  context.registry.Add(
      {"ExtrasSearchCommand", "&Befehl suchen...", "E&xtras", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)}},
      [this] {
        if (!FrmCommandSearch) FrmCommandSearch = new TFrmCommandSearch(context_.registry, context_.window);
        FrmCommandSearch->Popup(context_.window);
      });
  context.registry.Add({"ExtrasShortcuts", "&Tastenkürzel...", "E&xtras"}, [this] {
    TFrmShortcuts shortcuts(context_.registry, context_.session.Dialogs(), context_.window);
    shortcuts.exec();
  });
}

}  // namespace tessmoor
