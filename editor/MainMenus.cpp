// The menus of the main window, built from the command registry. Each item keeps
// its given shortcut first; the conventional ones that users of other editors
// reach for come after it.

#include <QActionGroup>
#include <QMenuBar>

#include "editor/EditorMainForm.h"
#include "editor/EditorPropertiesForm.h"
#include "editor/commands/CommandRegistry.h"
#include "editor/commands/CommandSearch.h"
#include "editor/commands/ShortcutsDialog.h"
#include "view/EditingTools.h"

using tessmoor::CommandRegistry;
using tessmoor::CommandSpec;

namespace {

QKeySequence Ctrl(int key) { return QKeySequence(Qt::CTRL | Qt::Key(key)); }

}  // namespace

QAction* TFrmMain::Command(const QString& id) const { return registry->Action(id); }

QMenu* TFrmMain::AddMenu(const char* name, const QString& title, const QStringList& ids) {
  QMenu* menu = menuBar()->addMenu(title);
  menu->setObjectName(name);
  registry->FillMenu(menu, ids);
  // Enabled states follow what the commands can do now, as the menu opens.
  connect(menu, &QMenu::aboutToShow, registry, &CommandRegistry::RefreshEnabled);
  return menu;
}

void TFrmMain::BuildMenus() {
  registry = new CommandRegistry(this);
  RegisterFileCommands();
  RegisterEditCommands();
  RegisterViewCommands();
  RegisterExtrasCommands();
  MnuFile = AddMenu("MnuFile", "&Datei",
                    {"FileNew", "FileOpen", "FileSave", "FileSaveAs", "", "FileCompile", "FileExport", "", "FileExit"});
  BuildRecentMenu();
  auto* mnuEdit = AddMenu("MnuEdit", "&Bearbeiten",
                          {"EditUndo", "EditRedo", "", "EditFill", "EditCopy", "EditPaste", "EditSelection",
                           "EditSetStartPos", "", "EditCheckMap"});
  auto* mnuView = AddMenu(
      "MnuView", "&Ansicht",
      {"ViewProperties", "ViewTextureEditor", "View3D", "", "ViewFloor", "ViewCeiling", "ViewWall", "ViewPedestalFloor",
       "ViewPedestalCeiling", "", "ViewZoomIn", "ViewZoomOut", "ViewZoomReset", "ViewZoomWhole"});
  AddMenu("MnuExtras", "E&xtras", {"ExtrasSearchCommand", "ExtrasShortcuts"});
  connect(mnuEdit, &QMenu::aboutToShow, this, &TFrmMain::MnuEditClick);
  connect(mnuView, &QMenu::aboutToShow, this, &TFrmMain::MnuViewClick);
}

void TFrmMain::RegisterFileCommands() {
  registry->Add({"FileNew", "&Neu", "&Datei", {Ctrl(Qt::Key_N)}}, [this] { FileNewClick(); });
  registry->Add({"FileOpen", "Ö&ffnen...", "&Datei", {QKeySequence(Qt::Key_F3), Ctrl(Qt::Key_O)}},
                [this] { FileOpenClick(); });
  registry->Add({"FileSave", "&Speichern", "&Datei", {QKeySequence(Qt::Key_F2), Ctrl(Qt::Key_S)}},
                [this] { FileSaveClick(); });
  registry->Add({"FileSaveAs", "Speichern &unter...", "&Datei"}, [this] { FileSaveAsClick(); });
  registry->Add({"FileCompile", "Speichern und &Compilieren", "&Datei", {QKeySequence(Qt::Key_F9)}},
                [this] { FileCompileClick(); });
  registry->Add({"FileExport", "E&xportieren...", "&Datei"}, [this] { FileExportClick(); });
  registry->Add({"FileExit", "&Beenden", "&Datei"}, [this] { close(); });
}

void TFrmMain::RegisterEditCommands() {
  QAction* undo = registry->Add({"EditUndo",
                                 "&Rückgängig",
                                 "&Bearbeiten",
                                 {Ctrl(Qt::Key_Z)},
                                 tessmoor::MainWindowScope,
                                 [this] { return session.Model().History().CanUndo(); }},
                                [this] { EditUndoClick(); });
  QAction* redo = registry->Add({"EditRedo",
                                 "&Wiederherstellen",
                                 "&Bearbeiten",
                                 {Ctrl(Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                                 tessmoor::MainWindowScope,
                                 [this] { return session.Model().History().CanRedo(); }},
                                [this] { EditRedoClick(); });
  undo->setEnabled(false);
  redo->setEnabled(false);
  registry->Add({"EditFill", "&Füllen", "&Bearbeiten", {QKeySequence(Qt::Key_Insert)}}, [this] { EditFillClick(); });
  registry->Add({"EditCopy", "&Kopieren", "&Bearbeiten", {Ctrl(Qt::Key_Insert), Ctrl(Qt::Key_C)}},
                [this] { EditCopyClick(); });
  registry->Add({"EditPaste",
                 "&Einfügen",
                 "&Bearbeiten",
                 {QKeySequence(Qt::SHIFT | Qt::Key_Delete), Ctrl(Qt::Key_V)},
                 tessmoor::MainWindowScope,
                 [this] { return session.Editor().clipboard.cells != nullptr; }},
                [this] { EditPasteClick(); });
  registry->Add({"EditSelection", "&Auswahl bearbeiten...", "&Bearbeiten", {Ctrl(Qt::Key_E)}}, [this] {
    FrmProperties->Bind(CellBinding::Range(SelectedCells(session.Editor().selection)));
    SetPropertiesVisible(true);
  });
  registry->Add({"EditSetStartPos", "&Startposition festlegen...", "&Bearbeiten"}, [this] { EditSetStartPosClick(); });
  registry->Add({"EditCheckMap", "Karte &prüfen", "&Bearbeiten", {QKeySequence(Qt::Key_F8)}},
                [this] { EditCheckMapClick(); });
}

void TFrmMain::RegisterViewCommands() {
  registry
      ->Add({"ViewProperties", "&Eigenschaften", "&Ansicht", {QKeySequence(Qt::Key_F7)}},
            [this] { ViewPropertiesClick(); })
      ->setCheckable(true);
  registry->Add({"ViewTextureEditor", "&Textur-Editor", "&Ansicht", {QKeySequence(Qt::Key_F6)}},
                [this] { ViewTextureEditorClick(); });
  registry->Add({"View3D", "&3D-Ansicht", "&Ansicht", {QKeySequence(Qt::Key_F5)}}, [this] { View3DClick(); })
      ->setCheckable(true);

  ViewLayers = new QActionGroup(this);
  ViewLayers->setObjectName("ViewLayers");
  ViewLayers->setExclusive(true);
  const auto addLayer = [this](const char* id, const QString& text, SurfaceKind layer, Qt::Key key) {
    QAction* item = registry->Add({id, text, "&Ansicht", {Ctrl(key)}}, nullptr);
    item->setCheckable(true);
    item->setData(static_cast<int>(layer));
    ViewLayers->addAction(item);
  };
  addLayer("ViewFloor", "&Boden", SurfaceKind::Floor, Qt::Key_F1);
  addLayer("ViewCeiling", "&Decke", SurfaceKind::Ceiling, Qt::Key_F2);
  addLayer("ViewWall", "&Wand", SurfaceKind::Wall, Qt::Key_F3);
  addLayer("ViewPedestalFloor", "Sockel - B&oden", SurfaceKind::PedestalFloor, Qt::Key_F4);
  addLayer("ViewPedestalCeiling", "Sockel - De&cke", SurfaceKind::PedestalCeiling, Qt::Key_F5);
  connect(ViewLayers, &QActionGroup::triggered, this, &TFrmMain::ViewLayerClick);

  RegisterZoomCommands();
  Register3DViewCommands();
}

void TFrmMain::RegisterExtrasCommands() {
  registry->Add(
      {"ExtrasSearchCommand", "&Befehl suchen...", "E&xtras", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)}},
      [this] {
        auto* search = findChild<tessmoor::TFrmCommandSearch*>();
        if (!search) search = new tessmoor::TFrmCommandSearch(*registry, this);
        search->Popup(this);
      });
  registry->Add({"ExtrasShortcuts", "&Tastenkürzel...", "E&xtras"}, [this] {
    tessmoor::TFrmShortcuts shortcuts(*registry, session.Dialogs(), this);
    shortcuts.exec();
  });
}
