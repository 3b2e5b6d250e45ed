#pragma once
// Extras: Befehl suchen... (Ctrl+Shift+P) and Tastenkürzel...

#include <QObject>

#include "editor/commands/FeatureContext.h"

namespace tessmoor {

class TFrmCommandSearch;

class ExtrasFeature : public QObject {
  Q_OBJECT

 public:
  explicit ExtrasFeature(const FeatureContext& context);

 private:
  FeatureContext context_;
  TFrmCommandSearch* FrmCommandSearch = nullptr;  // made on first use
};

}  // namespace tessmoor
