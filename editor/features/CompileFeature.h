#pragma once
// Datei > Speichern und Compilieren (F9): saves the map, then compiles the model
// next to it and shows the log window while the pass runs.

#include <QObject>
#include <memory>

#include "editor/features/FeatureContext.h"

class MapCompiler;
class TFrmCompile;

namespace tessmoor {

class FileFeature;

class CompileFeature : public QObject {
  Q_OBJECT

 public:
  CompileFeature(const FeatureContext& context, FileFeature& files);
  ~CompileFeature() override;

  // A compile is running: the window must outlive the compile writing into its log.
  bool Busy() const { return compiling_; }

 private:
  void FileCompileClick();
  void CompileMap();

  FeatureContext context_;
  FileFeature& files_;
  std::unique_ptr<MapCompiler> compiler_;
  TFrmCompile* FrmCompile;
  bool compiling_ = false;
};

}  // namespace tessmoor
