#pragma once
// Bearbeiten > Karte prüfen (F8): the findings window, which checks again after
// every change of the map while it is open; a double click goes to the cell.

#include <QObject>

#include "edit/DocumentModel.h"
#include "editor/commands/FeatureContext.h"

namespace tessmoor {

class TFrmMapCheck;

class MapCheckFeature : public QObject, public DocumentObserver {
  Q_OBJECT

 public:
  explicit MapCheckFeature(const FeatureContext& context);
  ~MapCheckFeature() override;

  void DocumentChanged(const DocumentChange& change) override;

 private:
  FeatureContext context_;
  TFrmMapCheck* FrmMapCheck;
};

}  // namespace tessmoor
