#pragma once
// Bearbeiten: Rückgängig and Wiederherstellen named after the step they take,
// Füllen, Kopieren, Einfügen (written at once), Einfügen mit Vorschau (placed with the block placing tool) and
// Auswahl bearbeiten, Rampe and Glätten. It follows the history itself, so the menu always names the next step.
// Kopieren also puts the block on the system clipboard, and both pastes take a block another process put there.

#include <QObject>
#include <vector>

#include "document/Stamp.h"
#include "edit/CellRamp.h"
#include "edit/DocumentModel.h"
#include "editor/commands/FeatureContext.h"

namespace tessmoor {

class BlockPlacementTool;
class ToolWindowsFeature;

class EditFeature : public QObject, public DocumentObserver {
  Q_OBJECT

 public:
  EditFeature(const FeatureContext& context, ToolWindowsFeature& toolWindows, BlockPlacementTool& placement);
  ~EditFeature() override;

  void DocumentChanged(const DocumentChange& change) override;

 private:
  void UpdateHistoryActions();
  void Paste(const FeatureContext& c);
  void PasteWithPreview(const FeatureContext& c);
  void PlaceFromOtherMap(const FeatureContext& c, Stamp stamp);
  void UpdatePasteActions();
  bool HasBlockToPaste(const EditorSession& session) const;
  void Ramp(const FeatureContext& c);
  // Shows `ramp` over `range` in the plan, or ends the preview when it is null.
  static void ShowRampPreview(const FeatureContext& c, const CellRange& range, const RampSettings* ramp);

  FeatureContext context_;
  BlockPlacementTool& placement_;
  RampSettings lastRamp_;
  bool foreignBlockWaiting_ = false;           // the system clipboard holds a block this clipboard has not got
  std::vector<TextureEntry> previewTextures_;  // the pictures a block from another map shows while placed
};

}  // namespace tessmoor
