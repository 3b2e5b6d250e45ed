#pragma once
// Datei > Exportieren...: the map as glTF 2.0 or OBJ for other tools. It writes
// only the chosen files; the map is neither saved nor marked.

#include <QObject>

#include "editor/commands/FeatureContext.h"

namespace tessmoor {

class ExportFeature : public QObject {
  Q_OBJECT

 public:
  explicit ExportFeature(const FeatureContext& context);

 private:
  static void FileExportClick(const FeatureContext& context);
};

}  // namespace tessmoor
