#include "editor/features/ToolWindowsFeature.h"

#include <QAction>

#include "app/TestBuild.h"
#include "edit/CellCommands.h"
#include "editor/commands/CommandRegistry.h"
#include "editor/widgets/ToolWindowKeys.h"
#include "editor/windows/EditorPropertiesForm.h"
#include "editor/windows/EditorSetStartPosForm.h"
#include "editor/windows/EditorTextureEditorForm.h"
#include "editor/windows/ReplaceTextureDialog.h"
#include "texts/TestRunTexts.h"

namespace tessmoor {

ToolWindowsFeature::ToolWindowsFeature(const FeatureContext& context) : context_(context) {
  EditorSession& session = context.session;
  FrmProperties = new TFrmProperties(session.Model(), context.window, context.textures);
  KeepMnemonicsInside(FrmProperties);

  CommandRegistry& registry = context.registry;
  using Context = const FeatureContext&;
  // The windows are this feature's own; the start is set in the session the command is handed.
  QAction* properties = registry.Add(
      {"ViewProperties",
       QT_TRANSLATE_NOOP("Befehle", "&Eigenschaften"),
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Zeigt das Eigenschaftenfenster der ausgewählten Zelle."),
       "&Ansicht",
       {QKeySequence(Qt::Key_F7)}},
      [this](Context) { SetPropertiesVisible(!FrmProperties->isVisible()); });
  properties->setCheckable(true);
  registry.Add({"ViewTextureEditor",
                QT_TRANSLATE_NOOP("Befehle", "&Textur-Editor"),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Zeigt den Textur-Editor mit der Texturtabelle der Karte."),
                "&Ansicht",
                {QKeySequence(Qt::Key_F6)}},
               [this](Context) { OpenTextureEditor(); });
  registry.Add({"EditSetStartPos", QT_TRANSLATE_NOOP("Befehle", "&Startposition festlegen..."),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Legt die Startposition mit Zelle und Blickrichtung fest."),
                "&Bearbeiten"},
               [this](Context c) { EditSetStartPosClick(c.session); });
  registry.Add(
      {"EditStartHere", QT_TRANSLATE_NOOP("Befehle", "Startposition &hierher"),
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Setzt die Startposition auf die ausgewählte Zelle."), "&Bearbeiten"},
      [](Context c) { EditStartHereClick(c.session); });
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

TFrmTextureEditor& ToolWindowsFeature::TextureEditor() {
  if (!FrmTextureEditor) {
    EditorSession& session = context_.session;
    FrmTextureEditor = new TFrmTextureEditor(
        session.Model(), session.Editor(), session.Dialogs(), [this] { FrmProperties->hide(); }, context_.window,
        context_.textures);
    FrmTextureEditor->SetReplacementChooser(
        [this](int texture) { return ChooseReplacementTexture(FrmTextureEditor, *context_.textures, texture); });
    KeepMnemonicsInside(FrmTextureEditor);
  }
  return *FrmTextureEditor;
}

void ToolWindowsFeature::OpenTextureEditor(int texture) {
  TFrmTextureEditor& editor = TextureEditor();
  editor.SelectTexture(texture);
  editor.exec();
}

TFrmSetStartPos& ToolWindowsFeature::StartPositionDialog() {
  if (!FrmSetStartPos) {
    FrmSetStartPos = new TFrmSetStartPos(context_.window);
    KeepMnemonicsInside(FrmSetStartPos);
  }
  return *FrmSetStartPos;
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

void ToolWindowsFeature::EditSetStartPosClick(EditorSession& session) {
  DocumentModel& model = session.Model();
  const StartPosition current = model.Map().startPosition;
  const std::optional<StartPosition> chosen = StartPositionDialog().EditStartPosition(current);
  if (chosen && (chosen->x != current.x || chosen->y != current.y)) SetStartPosition(model, *chosen);
}

void ToolWindowsFeature::EditStartHereClick(EditorSession& session) {
  const CellRange selected = Normalized(session.Editor().selection);
  const GridPoint cell{selected.x1, selected.y1};
  // The same refusal test-play gives, so a start set here is one it accepts.
  const std::string refusal = StartCellRefusal(session.Map(), cell);
  if (!refusal.empty()) {
    session.Dialogs().ShowError(refusal);
    return;
  }
  const StartPosition current = session.Map().startPosition;
  if (current.x != cell.x || current.y != cell.y) SetStartPosition(session.Model(), {cell.x, cell.y});
}

}  // namespace tessmoor
