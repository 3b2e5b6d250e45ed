#pragma once
// The tool windows beside the map: Eigenschaften (F7), the Textur-Editor (F6)
// and Startposition festlegen. It owns the windows and their commands and hides
// the properties window when a new map leaves it nothing to edit.

#include <QObject>

#include "edit/DocumentModel.h"
#include "editor/commands/FeatureContext.h"
#include "view/EditingTools.h"

namespace tessmoor {

class TFrmProperties;
class TFrmSetStartPos;
class TFrmTextureEditor;

class ToolWindowsFeature : public QObject, public DocumentObserver {
  Q_OBJECT

 public:
  explicit ToolWindowsFeature(const FeatureContext& context);
  ~ToolWindowsFeature() override;

  // The properties window edits `binding` from now on.
  void Bind(const CellBinding& binding);
  void SetPropertiesVisible(bool visible);
  // The keyboard goes to the properties window.
  void ActivateProperties();
  // Opens the texture editor (modal) with `texture` current; -1, or a number not
  // in the table, opens it at the first texture by name, as F6 does.
  void OpenTextureEditor(int texture = -1);
  void DocumentChanged(const DocumentChange& change) override;

 private:
  // The modal dialogs are made when first opened: the start of the editor does without them.
  TFrmTextureEditor& TextureEditor();
  TFrmSetStartPos& StartPositionDialog();
  void EditSetStartPosClick(EditorSession& session);
  // The start goes to the selected cell (its top-left one) as one step; a wall is refused.
  static void EditStartHereClick(EditorSession& session);

  FeatureContext context_;
  TFrmProperties* FrmProperties;
  TFrmTextureEditor* FrmTextureEditor = nullptr;
  TFrmSetStartPos* FrmSetStartPos = nullptr;
};

}  // namespace tessmoor
