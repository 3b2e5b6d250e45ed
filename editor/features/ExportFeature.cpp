#include "editor/features/ExportFeature.h"

#include <QCoreApplication>
#include <QMainWindow>

#include "editor/commands/CommandRegistry.h"
#include "editor/widgets/BusyCursor.h"
#include "editor/widgets/StatusMessage.h"
#include "export/MapExport.h"

namespace tessmoor {

namespace {

// The map's name as a model beside the map once it has a file, else where maps are kept.
std::string ProposedExportPath(const MapDocument& document, const EditorState& editor) {
  const size_t slash = document.fileName.rfind('/');
  const std::string folder = document.IsUntitled() || slash == std::string::npos
                                 ? editor.programDirectory + "Maps/"
                                 : document.fileName.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? document.fileName : document.fileName.substr(slash + 1);
  if (const size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.erase(dot);
  return folder + name + ".glb";
}

QString WrittenMessage(const std::string& path, size_t triangles) {
  const QString count = triangles == 1 ? QCoreApplication::translate("ExportFeature", "1 Dreieck")
                                       : QCoreApplication::translate("ExportFeature", "%1 Dreiecke").arg(triangles);
  return QCoreApplication::translate("ExportFeature", "Exportiert nach %1: %2.")
      .arg(QString::fromStdString(path), count);
}

}  // namespace

ExportFeature::ExportFeature(const FeatureContext& context) {
  context.registry.Add(
      {"FileExport", QT_TRANSLATE_NOOP("Befehle", "E&xportieren..."),
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Exportiert die compilierte Karte als glTF oder OBJ."), "&Datei"},
      [](const FeatureContext& c) { FileExportClick(c); });
}

void ExportFeature::FileExportClick(const FeatureContext& context) {
  EditorSession& session = context.session;
  const std::optional<std::string> path =
      session.Dialogs().ChooseExportFile(ProposedExportPath(session.Map(), session.Editor()));
  if (!path) return;
  // Whatever name the user typed, the glTF filter is the dialog's first choice.
  const ExportFormat format = ExportFormatOf(*path).value_or(ExportFormat::Glb);
  ExportResult result;
  {
    const BusyCursor busy;
    result = MapExporter().Export(session.Map(), session.Editor().programDirectory, format, *path);
  }
  if (!result.ok) {
    session.Dialogs().ShowError(result.message);
    return;
  }
  if (QMainWindow* window = context.window) ShowStatusMessage(*window, WrittenMessage(*path, result.triangles));
}

}  // namespace tessmoor
