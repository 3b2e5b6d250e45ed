#include "document/DocumentCommands.h"

DocumentCommands::DocumentCommands(MapDocument& document, EditorState& editor, DialogLayer& dialogs,
                                   DocumentHost& host, FileOps& fileOps)
    : document_(document), editor_(editor), dialogs_(dialogs), host_(host), fileOps_(fileOps) {}

std::string DocumentCommands::MapsDirectory() const { return editor_.programDirectory + "Maps/"; }

bool DocumentCommands::SaveDocument() {
  if (document_.IsUntitled()) return SaveDocumentAs();
  const MapFileResult result = SaveMap(document_, document_.fileName, fileOps_);
  if (!result.ok) dialogs_.ShowError(result.message);
  return result.ok;
}

bool DocumentCommands::SaveDocumentAs() {
  const std::optional<std::string> path = dialogs_.ChooseMapToSave(MapsDirectory());
  if (!path) return false;
  const MapFileResult result = SaveMap(document_, *path, fileOps_);
  if (!result.ok) {
    dialogs_.ShowError(result.message);
    return false;
  }
  document_.fileName = *path;
  host_.CaptionChanged();
  return true;
}

bool DocumentCommands::AskSaveChanges() {
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

bool DocumentCommands::OpenDocument() {
  // The file is chosen before anything is asked: cancelling it never asks.
  const std::optional<std::string> path = dialogs_.ChooseMapToOpen(MapsDirectory());
  if (!path) return false;
  if (document_.modified && !AskSaveChanges()) return false;
  return LoadDocument(*path);
}

bool DocumentCommands::LoadDocument(const std::string& path) {
  // From here on the previous document is gone, whatever the load brings.
  host_.HidePropertiesWindow();
  ResetDocument(document_, editor_, true);
  host_.CaptionChanged();
  host_.RedrawView();

  const MapFileResult result = LoadMap(document_, path, MapLoadOptions{editor_.programDirectory, true});
  if (!result.ok) {
    if (!result.message.empty()) dialogs_.ShowError(result.message);
    document_.fileName = UntitledName;
    host_.CaptionChanged();
    return false;
  }
  document_.fileName = path;
  host_.RedrawView();
  host_.CaptionChanged();
  return true;
}

void DocumentCommands::NewDocument() {
  const std::optional<NewMapKind> kind = dialogs_.ChooseNewMapKind();
  if (!kind) return;
  if (document_.modified && !AskSaveChanges()) return;
  ResetDocument(document_, editor_, *kind == NewMapKind::EraseAll);
  host_.CaptionChanged();
  host_.HidePropertiesWindow();
  host_.RedrawView();
}

bool DocumentCommands::ConfirmClose() { return !document_.modified || AskSaveChanges(); }
