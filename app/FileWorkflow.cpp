#include "app/FileWorkflow.h"

#include <memory>

namespace tessmoor {

FileWorkflow::FileWorkflow(DocumentModel& model, EditorState& editor, DialogLayer& dialogs, FileOps& fileOps)
    : model_(model), editor_(editor), dialogs_(dialogs), fileOps_(fileOps) {}

std::string FileWorkflow::MapsDirectory() const { return editor_.programDirectory + "Maps/"; }

bool FileWorkflow::SaveDocument() {
  if (model_.Map().IsUntitled()) return SaveDocumentAs();
  const MapFileResult result = model_.Save(model_.Map().fileName, fileOps_);
  if (!result.ok) dialogs_.ShowError(result.message);
  return result.ok;
}

bool FileWorkflow::SaveDocumentAs() {
  const std::optional<std::string> path = dialogs_.ChooseMapToSave(MapsDirectory());
  if (!path) return false;
  const MapFileResult result = model_.Save(*path, fileOps_);
  if (!result.ok) dialogs_.ShowError(result.message);
  return result.ok;
}

bool FileWorkflow::AskSaveChanges() {
  switch (dialogs_.AskSaveChanges()) {
    case SaveChangesAnswer::Yes:
      return SaveDocument();
    case SaveChangesAnswer::No:
      return true;
    case SaveChangesAnswer::Cancel:
      break;
  }
  return false;
}

bool FileWorkflow::OpenDocument() {
  // The file is chosen before anything is asked: cancelling it never asks.
  const std::optional<std::string> path = dialogs_.ChooseMapToOpen(MapsDirectory());
  if (!path) return false;
  if (model_.IsModified() && !AskSaveChanges()) return false;
  return LoadDocument(*path);
}

bool FileWorkflow::LoadDocument(const std::string& path) {
  // Read aside first: a file that fails to load leaves the open map as it was,
  // with its name, its history, its changes and its recovery copy.
  auto loaded = std::make_unique<MapDocument>();
  ClearDocument(*loaded, true);
  const MapFileResult result = LoadMap(*loaded, path, MapLoadOptions{editor_.programDirectory, true});
  if (!result.ok) {
    if (!IsEmpty(result.message)) dialogs_.ShowError(result.message);
    return false;
  }
  loaded->fileName = path;
  model_.Replace([&](MapDocument& document) {
    ResetDocument(document, editor_, true);
    document = std::move(*loaded);
  });
  return true;
}

void FileWorkflow::NewDocument() {
  const std::optional<NewMapKind> kind = dialogs_.ChooseNewMapKind();
  if (!kind) return;
  if (model_.IsModified() && !AskSaveChanges()) return;
  model_.Replace([&](MapDocument& document) { ResetDocument(document, editor_, *kind == NewMapKind::EraseAll); });
}

bool FileWorkflow::ConfirmClose() { return !model_.IsModified() || AskSaveChanges(); }

}  // namespace tessmoor
