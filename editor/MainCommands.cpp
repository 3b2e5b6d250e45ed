// The menu and tool-bar commands of the main window. Each hands the work to the
// core and redraws where what the view shows has changed.

#include <QAction>
#include <QScrollBar>
#include <QToolButton>

#include "compiler/CompileMap.h"
#include "document/MapFile.h"
#include "edit/CellCommands.h"
#include "editor/BusyCursor.h"
#include "editor/Editor3DViewForm.h"
#include "editor/EditorCompileForm.h"
#include "editor/EditorMainForm.h"
#include "editor/EditorPropertiesForm.h"
#include "editor/EditorSetStartPosForm.h"
#include "editor/EditorTextureEditorForm.h"
#include "editor/ViewPortWidget.h"
#include "editor/commands/CommandRegistry.h"

namespace {

const char* const NotSavedForCompile =
    "Die Compilierung kann nicht durchgeführt werden, bevor die Daten gespeichert wurden.";

}  // namespace

void TFrmMain::FileNewClick() { session.Files().NewDocument(); }

void TFrmMain::FileOpenClick() {
  if (session.Files().OpenDocument()) RememberCurrentFile();
}

void TFrmMain::FileSaveClick() {
  if (session.Files().SaveDocument()) RememberCurrentFile();
}

void TFrmMain::FileSaveAsClick() {
  if (session.Files().SaveDocumentAs()) RememberCurrentFile();
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
  if (!session.Files().SaveDocument()) {
    session.Dialogs().ShowError(NotSavedForCompile);
    return;
  }
  RememberCurrentFile();
  const std::string modelPath = ModelFileName(session.Model().Map().fileName);
  FrmCompile->ClearLog();
  FrmCompile->show();
  FrmCompile->raise();
  if (const std::string refusal = ModelOverMapMessage(session.Model().Map().fileName, modelPath); !refusal.empty()) {
    FrmCompile->AddLogLine(refusal);
    return;
  }
  const BusyCursor busy;
  compiler->Compile(session.Model().Map(), modelPath, *FrmCompile);
}

void TFrmMain::EditUndoClick() { session.Model().Undo(); }

void TFrmMain::EditRedoClick() { session.Model().Redo(); }

void TFrmMain::UpdateHistoryActions() {
  const UndoStack& history = session.Model().History();
  Command("EditUndo")->setEnabled(history.CanUndo());
  Command("EditRedo")->setEnabled(history.CanRedo());
  const auto withStep = [](const char* text, const std::string& step) {
    return step.empty() ? QString(text) : QString("%1: %2").arg(text, QString::fromStdString(step));
  };
  Command("EditUndo")->setText(withStep("&Rückgängig", history.UndoName()));
  Command("EditRedo")->setText(withStep("&Wiederherstellen", history.RedoName()));
}

void TFrmMain::EditFillClick() { FillSelection(session.Model(), session.Editor()); }

void TFrmMain::EditCopyClick() {
  CopySelection(session.Model().Map(), session.Editor());
  // Kept current here as well, so the paste shortcuts work without opening the menu.
  Command("EditPaste")->setEnabled(session.Editor().clipboard.cells != nullptr);
}

void TFrmMain::EditPasteClick() { PasteClipboard(session.Model(), session.Editor()); }

void TFrmMain::EditSetStartPosClick() {
  const StartPosition current = session.Model().Map().startPosition;
  const std::optional<StartPosition> chosen = FrmSetStartPos->EditStartPosition(current);
  if (chosen && (chosen->x != current.x || chosen->y != current.y)) SetStartPosition(session.Model(), *chosen);
}

void TFrmMain::MnuEditClick() { Command("EditPaste")->setEnabled(session.Editor().clipboard.cells != nullptr); }

void TFrmMain::MnuViewClick() {
  Command("ViewProperties")->setChecked(FrmProperties->isVisible());
  Command("View3D")->setChecked(Frm3DView && Frm3DView->isVisible());
}

void TFrmMain::ViewPropertiesClick() { SetPropertiesVisible(!FrmProperties->isVisible()); }

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
  Command("ViewProperties")->setChecked(FrmProperties->isVisible());
}

void TFrmMain::SpdSelectClick(bool down) { Respond(SetToolMode(session.Editor(), down ? Select : Paint)); }

void TFrmMain::ViewTextureEditorClick() { FrmTextureEditor->exec(); }

void TFrmMain::ViewLayerClick(QAction* item) {
  session.Editor().currentLayer = item->data().toInt();
  RedrawView();
}

void TFrmMain::ScrHorizontalChange(int position) {
  session.Editor().viewOrigin.x = position;
  RedrawView();
}

void TFrmMain::ScrVerticalChange(int position) {
  session.Editor().viewOrigin.y = position;
  RedrawView();
}

bool TFrmMain::OpenMapFile(const QString& path) { return OpenMapFile(path.toStdString()); }

bool TFrmMain::OpenMapFile(const std::string& path) {
  const bool loaded = session.Files().LoadDocument(path);
  if (loaded) RememberCurrentFile();
  return loaded;
}
