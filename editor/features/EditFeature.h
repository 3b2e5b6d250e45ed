#pragma once
// Bearbeiten: Rückgängig and Wiederherstellen named after the step they take,
// Füllen, Kopieren, Einfügen and Auswahl bearbeiten. It follows the history
// itself, so the menu always names the next step.

#include <QObject>

#include "edit/DocumentModel.h"
#include "editor/features/FeatureContext.h"

namespace tessmoor {

class ToolWindowsFeature;

class EditFeature : public QObject, public DocumentObserver {
  Q_OBJECT

 public:
  EditFeature(const FeatureContext& context, ToolWindowsFeature& toolWindows);
  ~EditFeature() override;

  void DocumentChanged(const DocumentChange& change) override;

 private:
  void UpdateHistoryActions();

  FeatureContext context_;
};

}  // namespace tessmoor
