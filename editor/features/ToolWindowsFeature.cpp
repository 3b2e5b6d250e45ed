#include "editor/features/ToolWindowsFeature.h"

#include <QAction>

#include "edit/CellCommands.h"
#include "editor/EditorPropertiesForm.h"
#include "editor/EditorSetStartPosForm.h"
#include "editor/EditorTextureEditorForm.h"
#include "editor/ToolWindowKeys.h"
#include "editor/commands/CommandRegistry.h"

namespace tessmoor {

ToolWindowsFeature::ToolWindowsFeature(const FeatureContext& context) : context_(context) {
  EditorSession& session = context.session;
  FrmTextureEditor = new TFrmTextureEditor(
      session.Model(), session.Editor(), session.Dialogs(), [this] { FrmProperties->hide(); }, context.window);
  FrmProperties = new TFrmProperties(session.Model(), context.window);
  FrmSetStartPos = new TFrmSetStartPos(context.window);
  for (QWidget* toolWindow : {static_cast<QWidget*>(FrmProperties), static_cast<QWidget*>(FrmTextureEditor),
                              static_cast<QWidget*>(FrmSetStartPos)})
    KeepMnemonicsInside(toolWindow);

  CommandRegistry& registry = context.registry;
  QAction* properties = registry.Add({"ViewProperties", "&Eigenschaften", "&Ansicht", {QKeySequence(Qt::Key_F7)}},
                                     [this] { SetPropertiesVisible(!FrmProperties->isVisible()); });
  properties->setCheckable(true);
  registry.Add({"ViewTextureEditor", "&Textur-Editor", "&Ansicht", {QKeySequence(Qt::Key_F6)}},
               [this] { FrmTextureEditor->exec(); });
  registry.Add({"EditSetStartPos", "&Startposition festlegen...", "&Bearbeiten"}, [this] { EditSetStartPosClick(); });
  connect(FrmProperties, &TFrmProperties::visibilityChanged, properties, &QAction::setChecked);
  session.Model().AddObserver(this);
}

ToolWindowsFeature::~ToolWindowsFeature() {
  context_.session.Model().RemoveObserver(this);
  // The texture editor's callback reaches the properties window, so it goes first.
  delete FrmSetStartPos;
  delete FrmTextureEditor;
  delete FrmProperties;
}

void ToolWindowsFeature::Bind(const CellBinding& binding) { FrmProperties->Bind(binding); }

void ToolWindowsFeature::SetPropertiesVisible(bool visible) {
  if (visible) {
    FrmProperties->show();
    FrmProperties->raise();
  } else {
    FrmProperties->hide();
  }
  // The window reports its own showing and hiding, but a request that changes
  // nothing must still leave the button and the menu check in step.
  context_.registry.Action("ViewProperties")->setChecked(FrmProperties->isVisible());
}

void ToolWindowsFeature::ActivateProperties() { FrmProperties->activateWindow(); }

void ToolWindowsFeature::DocumentChanged(const DocumentChange& change) {
  // A new document leaves nothing for the properties window to edit.
  if (change.Has(DocumentChangeFlag::DocumentReplaced)) FrmProperties->hide();
}

void ToolWindowsFeature::EditSetStartPosClick() {
  DocumentModel& model = context_.session.Model();
  const StartPosition current = model.Map().startPosition;
  const std::optional<StartPosition> chosen = FrmSetStartPos->EditStartPosition(current);
  if (chosen && (chosen->x != current.x || chosen->y != current.y)) SetStartPosition(model, *chosen);
}

}  // namespace tessmoor
