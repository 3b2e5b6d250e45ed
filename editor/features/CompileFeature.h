#pragma once
// Datei > Speichern und Compilieren (F9): saves the map, then compiles the model
// next to it and shows the log window while the pass runs.

#include <QObject>
#include <memory>
#include <string>
#include <vector>

#include "editor/commands/FeatureContext.h"

namespace tessmoor {

class MapCompiler;
class TFrmCompile;

class FileFeature;

class CompileFeature : public QObject {
  Q_OBJECT

 public:
  CompileFeature(const FeatureContext& context, FileFeature& files);
  ~CompileFeature() override;

  // A compile is running: the window must outlive the compile writing into its log.
  bool Busy() const { return compiling_; }
  // Shows `lines` in the log window in place of what it held (test-play's compile).
  void ShowLog(const std::vector<std::string>& lines);

 private:
  // Both are made on the first compile: the start of the editor does without them.
  TFrmCompile& LogWindow();
  MapCompiler& Compiler();
  void FileCompileClick(EditorSession& session);
  void CompileMap(EditorSession& session);

  FeatureContext context_;
  FileFeature& files_;
  std::unique_ptr<MapCompiler> compiler_;
  TFrmCompile* FrmCompile = nullptr;
  bool compiling_ = false;
};

}  // namespace tessmoor
