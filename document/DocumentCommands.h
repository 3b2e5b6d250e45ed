#pragma once
// The File commands without any user interface: new, open, save, save as and
// the unsaved-changes question. Dialogs go through the DialogLayer; what the
// windows must do in between (hide the properties window, redraw, set the
// caption) goes through the DocumentHost.

#include "document/DialogLayer.h"
#include "document/MapDocument.h"
#include "document/MapFile.h"

class DocumentHost {
 public:
  virtual ~DocumentHost() = default;
  virtual void HidePropertiesWindow() = 0;
  virtual void RedrawView() = 0;
  // The document's file name (and so the caption) may have changed.
  virtual void CaptionChanged() = 0;
};

class DocumentCommands {
 public:
  DocumentCommands(MapDocument& document, EditorState& editor, DialogLayer& dialogs, DocumentHost& host,
                   FileOps& fileOps = RealFileOps());

  bool SaveDocument();
  bool SaveDocumentAs();
  bool OpenDocument();
  // Loads `path` in place of the current document, as Open does after its
  // questions (a map named on the command line takes this road).
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
  MapDocument& document_;
  EditorState& editor_;
  DialogLayer& dialogs_;
  DocumentHost& host_;
  FileOps& fileOps_;
};
