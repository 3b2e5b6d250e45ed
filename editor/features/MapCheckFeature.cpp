#include "editor/features/MapCheckFeature.h"

#include <QtGlobal>

#include "editor/commands/CommandRegistry.h"
#include "editor/widgets/ToolWindowKeys.h"
#include "editor/windows/EditorMapCheckForm.h"

namespace tessmoor {

MapCheckFeature::MapCheckFeature(const FeatureContext& context) : context_(context) {
  FrmMapCheck = new TFrmMapCheck(
      context.session.Map(), [this](GridPoint cell) { context_.view.ShowCell(cell); }, context.window);
  KeepMnemonicsInside(FrmMapCheck);
  context.registry.Add({"EditCheckMap",
                        QT_TRANSLATE_NOOP("Befehle", "Karte &prüfen"),
                        QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Prüft die Karte auf Fehler und zeigt die Befunde."),
                        "&Bearbeiten",
                        {QKeySequence(Qt::Key_F8)}},
                       [this](const FeatureContext&) {
                         FrmMapCheck->CheckDocument();
                         FrmMapCheck->show();
                         FrmMapCheck->raise();
                         FrmMapCheck->activateWindow();
                       });
  context.session.Model().AddObserver(this);
}

MapCheckFeature::~MapCheckFeature() {
  context_.session.Model().RemoveObserver(this);
  delete FrmMapCheck;
}

void MapCheckFeature::DocumentChanged(const DocumentChange& change) {
  if (change.Has(DocumentChangeFlag::CellsChanged | DocumentChangeFlag::TexturesChanged |
                 DocumentChangeFlag::StartPositionChanged))
    FrmMapCheck->MapChanged();
}

}  // namespace tessmoor
