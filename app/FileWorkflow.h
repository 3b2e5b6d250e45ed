#pragma once
// The file work-flow of an editor session, without any user interface: new, open, save, save as and
// the unsaved-changes question. Dialogs go through the DialogLayer; the windows
// follow the document through its change notification.

#include "app/DialogLayer.h"
#include "document/MapDocument.h"
#include "document/MapFile.h"
#include "edit/DocumentModel.h"

namespace tessmoor {

class FileWorkflow {
 public:
  FileWorkflow(DocumentModel& model, EditorState& editor, DialogLayer& dialogs, FileOps& fileOps = RealFileOps());

  bool SaveDocument();
  bool SaveDocumentAs();
  bool OpenDocument();
  // Loads `path` in place of the current document, as Open does after its
  // questions (a map named on the command line takes this road). A file that
  // cannot be loaded is reported and leaves the current document untouched.
  bool LoadDocument(const std::string& path);
  void NewDocument();
  // Asks the question and acts on it: true when the calling command may go on
  // (No, or Yes with a successful save).
  bool AskSaveChanges();
  // Closing the program: true when it may close (nothing unsaved, or the
  // question answered with No or a successful save).
  bool ConfirmClose();

  std::string MapsDirectory() const;

 private:
  DocumentModel& model_;
  EditorState& editor_;
  DialogLayer& dialogs_;
  FileOps& fileOps_;
};

}  // namespace tessmoor
