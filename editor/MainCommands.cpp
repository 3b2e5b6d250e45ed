// The menu and tool-bar commands of the main window. Each hands the work to the
// core and redraws where what the view shows has changed.

#include <QAction>
#include <QScrollBar>
#include <QToolButton>

#include "compiler/CompileMap.h"
#include "document/MapFile.h"
#include "editor/BusyCursor.h"
#include "editor/EditorCompileForm.h"
#include "editor/EditorMainForm.h"
#include "editor/EditorPropertiesForm.h"
#include "editor/EditorSetStartPosForm.h"
#include "editor/EditorTextureEditorForm.h"
#include "editor/ViewPortWidget.h"

namespace {

const char* const NotSavedForCompile =
    "Die Compilierung kann nicht durchgeführt werden, bevor die Daten gespeichert wurden.";

}  // namespace

void TFrmMain::FileNewClick() { commands->NewDocument(); }

void TFrmMain::FileOpenClick() { commands->OpenDocument(); }

void TFrmMain::FileSaveClick() { commands->SaveDocument(); }

void TFrmMain::FileSaveAsClick() { commands->SaveDocumentAs(); }

void TFrmMain::FileCompileClick() {
  // The log window lets paints through while the pass runs; this keeps any event
  // that slips in from starting a second compile inside the first.
  if (compiling) return;
  compiling = true;
  CompileMap();
  compiling = false;
}

void TFrmMain::CompileMap() {
  if (!commands->SaveDocument()) {
    dialogs.ShowError(NotSavedForCompile);
    return;
  }
  const std::string modelPath = ModelFileName(document->fileName);
  FrmCompile->ClearLog();
  FrmCompile->show();
  FrmCompile->raise();
  if (const std::string refusal = ModelOverMapMessage(document->fileName, modelPath); !refusal.empty()) {
    FrmCompile->AddLogLine(refusal);
    return;
  }
  const BusyCursor busy;
  compiler->Compile(*document, modelPath, *FrmCompile);
}

void TFrmMain::EditFillClick() {
  FillSelection(*document, *editor);
  RedrawView();
}

void TFrmMain::EditCopyClick() {
  CopySelection(*document, *editor);
  // Kept current here as well, so the paste shortcuts work without opening the menu.
  EditPaste->setEnabled(editor->clipboard.cells != nullptr);
}

void TFrmMain::EditPasteClick() {
  if (PasteClipboard(*document, *editor)) RedrawView();
}

void TFrmMain::EditSetStartPosClick() { FrmSetStartPos->EditStartPosition(document->startPosition); }

void TFrmMain::MnuEditClick() { EditPaste->setEnabled(editor->clipboard.cells != nullptr); }

void TFrmMain::MnuViewClick() { ViewProperties->setChecked(FrmProperties->isVisible()); }

void TFrmMain::ViewPropertiesClick() { SetPropertiesVisible(!FrmProperties->isVisible()); }

void TFrmMain::SpdPropertiesClick(bool down) { SetPropertiesVisible(down); }

void TFrmMain::SetPropertiesVisible(bool visible) {
  if (visible) {
    FrmProperties->show();
    FrmProperties->raise();
  } else {
    FrmProperties->hide();
  }
  // The window reports its own showing and hiding, but a request that changes
  // nothing must still leave the button and the menu check in step.
  SpdProperties->setChecked(FrmProperties->isVisible());
  ViewProperties->setChecked(FrmProperties->isVisible());
}

void TFrmMain::SpdSelectClick(bool down) { SetToolMode(*editor, down ? Select : Paint, *this); }

void TFrmMain::ViewTextureEditorClick() {
  FrmTextureEditor->exec();
  // The editor may have renamed, removed or renumbered textures.
  ViewPort->update();
}

void TFrmMain::ViewLayerClick(QAction* item) {
  editor->currentLayer = item->data().toInt();
  RedrawView();
}

void TFrmMain::ScrHorizontalChange(int position) {
  editor->viewOrigin.x = position;
  RedrawView();
}

void TFrmMain::ScrVerticalChange(int position) {
  editor->viewOrigin.y = position;
  RedrawView();
}

bool TFrmMain::OpenMapFile(const QString& path) { return OpenMapFile(path.toStdString()); }

bool TFrmMain::OpenMapFile(const std::string& path) { return commands->LoadDocument(path); }
