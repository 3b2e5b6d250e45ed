#include "editor/features/ExportFeature.h"

#include "editor/BusyCursor.h"
#include "editor/commands/CommandRegistry.h"
#include "export/MapExport.h"

namespace tessmoor {

namespace {

// Beside the map once it has a file, else where maps are kept.
std::string ExportStartDirectory(const MapDocument& document, const EditorState& editor) {
  const size_t slash = document.fileName.rfind('/');
  if (document.IsUntitled() || slash == std::string::npos) return editor.programDirectory + "Maps/";
  return document.fileName.substr(0, slash + 1);
}

}  // namespace

ExportFeature::ExportFeature(const FeatureContext& context) : context_(context) {
  context.registry.Add({"FileExport", "E&xportieren...", "&Datei"}, [this] { FileExportClick(); });
}

void ExportFeature::FileExportClick() {
  EditorSession& session = context_.session;
  const std::optional<std::string> path =
      session.Dialogs().ChooseExportFile(ExportStartDirectory(session.Map(), session.Editor()));
  if (!path) return;
  // Whatever name the user typed, the glTF filter is the dialog's first choice.
  const ExportFormat format = ExportFormatOf(*path).value_or(ExportFormat::Glb);
  ExportResult result;
  {
    const BusyCursor busy;
    result = MapExporter().Export(session.Map(), session.Editor().programDirectory, format, *path);
  }
  if (!result.ok) session.Dialogs().ShowError(result.message);
}

}  // namespace tessmoor
