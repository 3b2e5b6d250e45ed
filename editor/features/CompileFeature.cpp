#include "editor/features/CompileFeature.h"

#include <QCoreApplication>

#include "compiler/CompileMap.h"
#include "document/MapFile.h"
#include "editor/commands/CommandRegistry.h"
#include "editor/features/FileFeature.h"
#include "editor/widgets/BusyCursor.h"
#include "editor/windows/EditorCompileForm.h"

namespace tessmoor {

namespace {

const char* const NotSavedForCompile = QT_TRANSLATE_NOOP(
    "CompileFeature", "Die Compilierung kann nicht durchgeführt werden, bevor die Daten gespeichert wurden.");

}  // namespace

CompileFeature::CompileFeature(const FeatureContext& context, FileFeature& files) : context_(context), files_(files) {
  context.registry.Add(
      {"FileCompile",
       QT_TRANSLATE_NOOP("Befehle", "Speichern und &Compilieren"),
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Speichert die Karte und compiliert sie zum Modell (.tcm)."),
       "&Datei",
       {QKeySequence(Qt::Key_F9)}},
      [this](const FeatureContext& c) { FileCompileClick(c.session); });
}

CompileFeature::~CompileFeature() { delete FrmCompile; }

TFrmCompile& CompileFeature::LogWindow() {
  if (!FrmCompile) FrmCompile = new TFrmCompile(context_.window);
  return *FrmCompile;
}

MapCompiler& CompileFeature::Compiler() {
  if (!compiler_) compiler_ = std::make_unique<MapCompiler>();
  return *compiler_;
}

void CompileFeature::FileCompileClick(EditorSession& session) {
  // The log window lets paints through while the pass runs; this keeps any event
  // that slips in from starting a second compile inside the first.
  if (compiling_) return;
  compiling_ = true;
  CompileMap(session);
  compiling_ = false;
}

void CompileFeature::CompileMap(EditorSession& session) {
  if (!files_.Save(session)) {
    session.Dialogs().ShowError(QCoreApplication::translate("CompileFeature", NotSavedForCompile).toStdString());
    return;
  }
  const MapDocument& map = session.Map();
  const std::string modelPath = ModelFileName(map.fileName);
  TFrmCompile& log = LogWindow();
  log.ClearLog();
  log.show();
  log.raise();
  if (const CoreMessage refusal = ModelOverMapMessage(map.fileName, modelPath); !IsEmpty(refusal)) {
    log.AddLogLine(refusal);
    return;
  }
  const BusyCursor busy;
  Compiler().Compile(map, modelPath, log);
}

void CompileFeature::ShowLog(const std::vector<std::string>& lines) {
  TFrmCompile& log = LogWindow();
  log.ClearLog();
  log.show();
  log.raise();
  for (const std::string& line : lines) log.AddLogLine(line);
}

}  // namespace tessmoor
