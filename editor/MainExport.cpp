// Datei > Exportieren: the map as glTF 2.0 or OBJ for other tools. It writes only
// the chosen files; the map is neither saved nor marked.

#include "editor/BusyCursor.h"
#include "editor/EditorMainForm.h"
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

void TFrmMain::FileExportClick() {
  const std::optional<std::string> path = dialogs.ChooseExportFile(ExportStartDirectory(model->Map(), *editor));
  if (!path) return;
  // Whatever name the user typed, the glTF filter is the dialog's first choice.
  const ExportFormat format = ExportFormatOf(*path).value_or(ExportFormat::Glb);
  ExportResult result;
  {
    const BusyCursor busy;
    result = MapExporter().Export(model->Map(), editor->programDirectory, format, *path);
  }
  if (!result.ok) dialogs.ShowError(result.message);
}

}  // namespace tessmoor
