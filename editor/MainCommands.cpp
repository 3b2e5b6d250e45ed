// The menu and tool-bar commands of the main window. Each hands the work to the
// core and redraws where what the view shows has changed.

#include <QAction>
#include <QScrollBar>
#include <QToolButton>

#include "compiler/CompileMap.h"
#include "document/MapFile.h"
#include "edit/CellBlocks.h"
#include "edit/CellCommands.h"
#include "editor/BusyCursor.h"
#include "editor/Editor3DViewForm.h"
#include "editor/EditorCompileForm.h"
#include "editor/EditorMainForm.h"
#include "editor/EditorPropertiesForm.h"
#include "editor/EditorSetStartPosForm.h"
#include "editor/EditorTextureEditorForm.h"
#include "editor/ViewPortWidget.h"

namespace tessmoor {

namespace {

const char* const NotSavedForCompile =
    "Die Compilierung kann nicht durchgeführt werden, bevor die Daten gespeichert wurden.";

}  // namespace

void TFrmMain::FileNewClick() { commands->NewDocument(); }

void TFrmMain::FileOpenClick() {
  if (commands->OpenDocument()) RememberCurrentFile();
}

void TFrmMain::FileSaveClick() {
  if (commands->SaveDocument()) RememberCurrentFile();
}

void TFrmMain::FileSaveAsClick() {
  if (commands->SaveDocumentAs()) RememberCurrentFile();
}

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
  RememberCurrentFile();
  const std::string modelPath = ModelFileName(model->Map().fileName);
  FrmCompile->ClearLog();
  FrmCompile->show();
  FrmCompile->raise();
  if (const std::string refusal = ModelOverMapMessage(model->Map().fileName, modelPath); !refusal.empty()) {
    FrmCompile->AddLogLine(refusal);
    return;
  }
  const BusyCursor busy;
  compiler->Compile(model->Map(), modelPath, *FrmCompile);
}

void TFrmMain::EditUndoClick() { model->Undo(); }

void TFrmMain::EditRedoClick() { model->Redo(); }

void TFrmMain::UpdateHistoryActions() {
  const UndoStack& history = model->History();
  EditUndo->setEnabled(history.CanUndo());
  EditRedo->setEnabled(history.CanRedo());
  const auto withStep = [](const char* text, const std::string& step) {
    return step.empty() ? QString(text) : QString("%1: %2").arg(text, QString::fromStdString(step));
  };
  EditUndo->setText(withStep("&Rückgängig", history.UndoName()));
  EditRedo->setText(withStep("&Wiederherstellen", history.RedoName()));
}

void TFrmMain::EditFillClick() { FillSelection(*model, *editor); }

void TFrmMain::EditCopyClick() {
  CopySelection(model->Map(), *editor);
  // Kept current here as well, so the paste shortcuts work without opening the menu.
  EditPaste->setEnabled(!editor->clipboard->IsEmpty());
}

void TFrmMain::EditPasteClick() { PasteClipboard(*model, *editor); }

void TFrmMain::EditSetStartPosClick() {
  const StartPosition current = model->Map().startPosition;
  const std::optional<StartPosition> chosen = FrmSetStartPos->EditStartPosition(current);
  if (chosen && (chosen->x != current.x || chosen->y != current.y)) SetStartPosition(*model, *chosen);
}

void TFrmMain::MnuEditClick() { EditPaste->setEnabled(!editor->clipboard->IsEmpty()); }

void TFrmMain::MnuViewClick() {
  ViewProperties->setChecked(FrmProperties->isVisible());
  View3D->setChecked(Frm3DView && Frm3DView->isVisible());
}

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

void TFrmMain::SpdSelectClick(bool down) { Respond(SetToolMode(*editor, down ? ToolMode::Select : ToolMode::Paint)); }

void TFrmMain::ViewTextureEditorClick() { FrmTextureEditor->exec(); }

void TFrmMain::ViewLayerClick(QAction* item) {
  editor->currentLayer = static_cast<SurfaceKind>(item->data().toInt());
  RefreshViews();
}

void TFrmMain::ScrHorizontalChange(int position) {
  editor->viewOrigin.x = position;
  RefreshViews();
}

void TFrmMain::ScrVerticalChange(int position) {
  editor->viewOrigin.y = position;
  RefreshViews();
}

bool TFrmMain::OpenMapFile(const QString& path) { return OpenMapFile(path.toStdString()); }

bool TFrmMain::OpenMapFile(const std::string& path) {
  const bool loaded = commands->LoadDocument(path);
  if (loaded) RememberCurrentFile();
  return loaded;
}

}  // namespace tessmoor
