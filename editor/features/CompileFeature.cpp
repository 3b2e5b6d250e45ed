#include "editor/features/CompileFeature.h"

#include "compiler/CompileMap.h"
#include "document/MapFile.h"
#include "editor/BusyCursor.h"
#include "editor/EditorCompileForm.h"
#include "editor/commands/CommandRegistry.h"
#include "editor/features/FileFeature.h"

namespace tessmoor {

namespace {

const char* const NotSavedForCompile =
    "Die Compilierung kann nicht durchgeführt werden, bevor die Daten gespeichert wurden.";

}  // namespace

CompileFeature::CompileFeature(const FeatureContext& context, FileFeature& files)
    : context_(context),
      files_(files),
      compiler_(std::make_unique<MapCompiler>()),
      FrmCompile(new TFrmCompile(context.window)) {
  context.registry.Add({"FileCompile", "Speichern und &Compilieren", "&Datei", {QKeySequence(Qt::Key_F9)}},
                       [this] { FileCompileClick(); });
}

CompileFeature::~CompileFeature() { delete FrmCompile; }

void CompileFeature::FileCompileClick() {
  // The log window lets paints through while the pass runs; this keeps any event
  // that slips in from starting a second compile inside the first.
  if (compiling_) return;
  compiling_ = true;
  CompileMap();
  compiling_ = false;
}

void CompileFeature::CompileMap() {
  if (!files_.Save()) {
    context_.session.Dialogs().ShowError(NotSavedForCompile);
    return;
  }
  const MapDocument& map = context_.session.Map();
  const std::string modelPath = ModelFileName(map.fileName);
  FrmCompile->ClearLog();
  FrmCompile->show();
  FrmCompile->raise();
  if (const std::string refusal = ModelOverMapMessage(map.fileName, modelPath); !refusal.empty()) {
    FrmCompile->AddLogLine(refusal);
    return;
  }
  const BusyCursor busy;
  compiler_->Compile(map, modelPath, *FrmCompile);
}

}  // namespace tessmoor
