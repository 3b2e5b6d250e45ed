// The menus of the main window. Each item keeps its given shortcut first; the
// conventional ones that users of other editors reach for come after it.

#include <QActionGroup>
#include <QMenuBar>

#include "edit/CellBlocks.h"
#include "editor/EditorMainForm.h"
#include "editor/EditorPropertiesForm.h"
#include "view/EditingTools.h"

namespace tessmoor {

QAction* TFrmMain::AddAction(QMenu* menu, const char* name, const QString& text, QList<QKeySequence> shortcuts) {
  auto* action = menu->addAction(text);
  action->setObjectName(name);
  action->setShortcuts(shortcuts);
  return action;
}

void TFrmMain::BuildMenus() {
  BuildFileMenu();
  BuildEditMenu();
  BuildViewMenu();
}

void TFrmMain::BuildFileMenu() {
  MnuFile = menuBar()->addMenu("&Datei");
  MnuFile->setObjectName("MnuFile");
  FileNew = AddAction(MnuFile, "FileNew", "&Neu", {QKeySequence(Qt::CTRL | Qt::Key_N)});
  FileOpen =
      AddAction(MnuFile, "FileOpen", "Ö&ffnen...", {QKeySequence(Qt::Key_F3), QKeySequence(Qt::CTRL | Qt::Key_O)});
  FileSave =
      AddAction(MnuFile, "FileSave", "&Speichern", {QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_S)});
  FileSaveAs = AddAction(MnuFile, "FileSaveAs", "Speichern &unter...");
  MnuFile->addSeparator();
  FileCompile = AddAction(MnuFile, "FileCompile", "Speichern und &Compilieren", {QKeySequence(Qt::Key_F9)});
  FileExport = AddAction(MnuFile, "FileExport", "E&xportieren...");
  MnuFile->addSeparator();
  FileExit = AddAction(MnuFile, "FileExit", "&Beenden");
  BuildRecentMenu();

  connect(FileNew, &QAction::triggered, this, &TFrmMain::FileNewClick);
  connect(FileOpen, &QAction::triggered, this, &TFrmMain::FileOpenClick);
  connect(FileSave, &QAction::triggered, this, &TFrmMain::FileSaveClick);
  connect(FileSaveAs, &QAction::triggered, this, &TFrmMain::FileSaveAsClick);
  connect(FileCompile, &QAction::triggered, this, &TFrmMain::FileCompileClick);
  connect(FileExport, &QAction::triggered, this, &TFrmMain::FileExportClick);
  connect(FileExit, &QAction::triggered, this, &TFrmMain::close);
}

void TFrmMain::BuildEditMenu() {
  MnuEdit = menuBar()->addMenu("&Bearbeiten");
  MnuEdit->setObjectName("MnuEdit");
  EditUndo = AddAction(MnuEdit, "EditUndo", "&Rückgängig", {QKeySequence(Qt::CTRL | Qt::Key_Z)});
  EditRedo = AddAction(MnuEdit, "EditRedo", "&Wiederherstellen",
                       {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  EditUndo->setEnabled(false);
  EditRedo->setEnabled(false);
  MnuEdit->addSeparator();
  EditFill = AddAction(MnuEdit, "EditFill", "&Füllen", {QKeySequence(Qt::Key_Insert)});
  EditCopy = AddAction(MnuEdit, "EditCopy", "&Kopieren",
                       {QKeySequence(Qt::CTRL | Qt::Key_Insert), QKeySequence(Qt::CTRL | Qt::Key_C)});
  EditPaste = AddAction(MnuEdit, "EditPaste", "&Einfügen",
                        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), QKeySequence(Qt::CTRL | Qt::Key_V)});
  auto* editSelection =
      AddAction(MnuEdit, "EditSelection", "&Auswahl bearbeiten...", {QKeySequence(Qt::CTRL | Qt::Key_E)});
  EditSetStartPos = AddAction(MnuEdit, "EditSetStartPos", "&Startposition festlegen...");
  MnuEdit->addSeparator();
  EditCheckMap = AddAction(MnuEdit, "EditCheckMap", "Karte &prüfen", {QKeySequence(Qt::Key_F8)});

  connect(MnuEdit, &QMenu::aboutToShow, this, &TFrmMain::MnuEditClick);
  connect(EditUndo, &QAction::triggered, this, &TFrmMain::EditUndoClick);
  connect(EditRedo, &QAction::triggered, this, &TFrmMain::EditRedoClick);
  connect(EditFill, &QAction::triggered, this, &TFrmMain::EditFillClick);
  connect(EditCopy, &QAction::triggered, this, &TFrmMain::EditCopyClick);
  connect(EditPaste, &QAction::triggered, this, &TFrmMain::EditPasteClick);
  connect(editSelection, &QAction::triggered, this, [this] {
    FrmProperties->Bind(CellBinding::Range(SelectedCells(editor->selection)));
    SetPropertiesVisible(true);
  });
  connect(EditSetStartPos, &QAction::triggered, this, &TFrmMain::EditSetStartPosClick);
  connect(EditCheckMap, &QAction::triggered, this, &TFrmMain::EditCheckMapClick);
}

void TFrmMain::BuildViewMenu() {
  MnuView = menuBar()->addMenu("&Ansicht");
  MnuView->setObjectName("MnuView");
  ViewProperties = AddAction(MnuView, "ViewProperties", "&Eigenschaften", {QKeySequence(Qt::Key_F7)});
  ViewProperties->setCheckable(true);
  ViewTextureEditor = AddAction(MnuView, "ViewTextureEditor", "&Textur-Editor", {QKeySequence(Qt::Key_F6)});
  View3D = AddAction(MnuView, "View3D", "&3D-Ansicht", {QKeySequence(Qt::Key_F5)});
  View3D->setCheckable(true);
  MnuView->addSeparator();

  ViewLayers = new QActionGroup(this);
  ViewLayers->setObjectName("ViewLayers");
  ViewLayers->setExclusive(true);
  const auto addLayer = [this](const char* name, const QString& text, SurfaceKind layer, Qt::Key key) {
    QAction* item = AddAction(MnuView, name, text, {QKeySequence(Qt::CTRL | key)});
    item->setCheckable(true);
    item->setData(static_cast<int>(layer));
    ViewLayers->addAction(item);
    return item;
  };
  ViewFloor = addLayer("ViewFloor", "&Boden", SurfaceKind::Floor, Qt::Key_F1);
  ViewCeiling = addLayer("ViewCeiling", "&Decke", SurfaceKind::Ceiling, Qt::Key_F2);
  ViewWall = addLayer("ViewWall", "&Wand", SurfaceKind::Wall, Qt::Key_F3);
  ViewPedestalFloor = addLayer("ViewPedestalFloor", "Sockel - B&oden", SurfaceKind::PedestalFloor, Qt::Key_F4);
  ViewPedestalCeiling = addLayer("ViewPedestalCeiling", "Sockel - De&cke", SurfaceKind::PedestalCeiling, Qt::Key_F5);

  BuildZoomMenu();

  connect(MnuView, &QMenu::aboutToShow, this, &TFrmMain::MnuViewClick);
  connect(ViewProperties, &QAction::triggered, this, &TFrmMain::ViewPropertiesClick);
  connect(ViewTextureEditor, &QAction::triggered, this, &TFrmMain::ViewTextureEditorClick);
  connect(View3D, &QAction::triggered, this, &TFrmMain::View3DClick);
  connect(ViewLayers, &QActionGroup::triggered, this, &TFrmMain::ViewLayerClick);
}

}  // namespace tessmoor
