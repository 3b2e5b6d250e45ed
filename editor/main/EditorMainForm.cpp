#include "editor/main/EditorMainForm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>

#include "editor/commands/CommandRegistry.h"
#include "editor/commands/MenuLayout.h"
#include "editor/features/BackupsFeature.h"
#include "editor/features/CompileFeature.h"
#include "editor/features/EditFeature.h"
#include "editor/features/ExportFeature.h"
#include "editor/features/ExtrasFeature.h"
#include "editor/features/FileFeature.h"
#include "editor/features/FindReplaceDialog.h"
#include "editor/features/HelpFeature.h"
#include "editor/features/MapCheckFeature.h"
#include "editor/features/PreferencesFeature.h"
#include "editor/features/Preview3DFeature.h"
#include "editor/features/ScriptsFeature.h"
#include "editor/features/SlotTemplatesKeeper.h"
#include "editor/features/StampFeature.h"
#include "editor/features/TextureBrowserFeature.h"
#include "editor/features/TestPlay.h"
#include "editor/features/ToolWindowsFeature.h"
#include "editor/features/ViewFeature.h"
#include "editor/main/TabCommands.h"
#include "editor/mapview/BlockPlacementTool.h"
#include "editor/mapview/MapViewPanel.h"
#include "editor/widgets/MapCaption.h"
#include "editor/widgets/MapKeyFocus.h"
#include "editor/widgets/TexturePictureCache.h"
#include "editor/widgets/TextureTableModel.h"
#include "editor/windows/EditorNewForm.h"
#include "editor/windows/QtDialogLayer.h"
#include "io/ProgramDirectory.h"
#include "texts/CoreTexts.h"
#include "view/CellReveal.h"
#include "view/HitTesting.h"

namespace tessmoor {

namespace {

const char* const SymbolLoadFailure = QT_TRANSLATE_NOOP("TFrmMain", "Konnte ein oder mehrere Symbole nicht laden.");

}  // namespace

std::string ProgramDirectory(const QString& given) {
  // A build keeps GFX/ beside the program; an installed copy under share/.
  if (given.isEmpty()) return ResolveProgramDirectory(QCoreApplication::applicationDirPath().toStdString());
  QString directory = given;
  if (!directory.endsWith('/')) directory += '/';
  return directory.toStdString();
}

TFrmMain::TFrmMain(DialogLayer* injectedDialogs, const QString& programDirectory, TabHost* tabs)
    : ownedSession(std::make_unique<EditorSession>(ProgramDirectory(programDirectory))), session(*ownedSession) {
  Build(injectedDialogs, tabs);
}

TFrmMain::TFrmMain(EditorSession& shown, DialogLayer* injectedDialogs) : session(shown) {
  Build(injectedDialogs, nullptr);
}

void TFrmMain::Build(DialogLayer* injectedDialogs, TabHost* tabs) {
  setObjectName("FrmMain");
  ClientArea = new TMapViewPanel(session, this);
  setCentralWidget(ClientArea);
  ClientArea->OnResponse = [this](const ToolResponse& response) { Respond(response); };
  registry = new CommandRegistry(this);
  // Commands are handed the window's session when they run; none holds on to it.
  registry->SetContext([this] { return FeatureContextOfWindow(); });
  if (!session.LoadAssets()) {
    // Shown once the event loop runs, so the box appears over the main window.
    QMetaObject::invokeMethod(
        this,
        [this] {
          session.Dialogs().ShowError(QCoreApplication::translate("TFrmMain", SymbolLoadFailure).toStdString());
        },
        Qt::QueuedConnection);
  }
  texturePictures = std::make_unique<TexturePictureCache>(session.Model());
  textureTable = std::make_unique<TextureTableModel>(session.Model(), texturePictures.get());
  CreateFeatures();
  BuildMenus(tabs);
  ClientArea->ConnectToolBar(*registry);
  ClientArea->ShowToolMode();
  if (injectedDialogs) {
    session.SetDialogs(injectedDialogs);
  } else {
    qtDialogs = std::make_unique<QtDialogLayer>(this, *new TFrmNew(this));
    session.SetDialogs(qtDialogs.get());
  }
  session.Model().AddObserver(this);
  session.Editing().AddObserver(this);
  DocumentChanged(DocumentChange{DocumentChangeFlag::DocumentReplaced | DocumentChangeFlag::FileNameChanged});
  ReturnFocusFromMenus(*menuBar(), ClientArea->MapWidget());
  // Else the first control that takes the focus gets it when the window shows,
  // such as the stamp panel's filter, and Ctrl+Z would undo its text.
  FocusMap();
  resize(DesignViewWidth, ToolBarHeight + DesignViewHeight + menuBar()->sizeHint().height());
}

TFrmMain::~TFrmMain() {
  while (!keptFeatures.empty()) keptFeatures.pop_back();
  session.Model().RemoveObserver(this);
  session.Editing().RemoveObserver(this);
  // The backups' file operations end with the window; the session's saves go on without them.
  session.UseFileOps(RealFileOps());
  // The session outlives the window; its questions have nobody to ask now.
  session.SetDialogs(nullptr);
  // The map view observes the session, which may be the window's own and go
  // with its members, before QWidget would delete the view among the children.
  delete ClientArea;
  ClientArea = nullptr;
  // The texture browser observes the map as well.
  delete textureBrowser;
  textureBrowser = nullptr;
}

FeatureContext TFrmMain::FeatureContextOfWindow() {
  return FeatureContext{session, *registry, *this, this, textureTable.get()};
}

void TFrmMain::CreateFeatures() {
  const FeatureContext context = FeatureContextOfWindow();
  toolWindows = std::make_unique<ToolWindowsFeature>(context);
  files = std::make_unique<FileFeature>(context);
  // Paste places its block with the same tool as the stamps.
  placementTool = new BlockPlacementTool(context, *ClientArea);
  keptFeatures.push_back(std::make_shared<EditFeature>(context, *toolWindows, *placementTool));
  view = std::make_unique<ViewFeature>(context);
  // The painting tools are modes of the map view, as Select and Paint are.
  registry->Add(
      {"EditBrush",
       QT_TRANSLATE_NOOP("Befehle", "Pi&nsel"),
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Wählt den Pinsel: er malt die Vorlage in jede überstrichene Zelle."),
       "&Bearbeiten",
       {QKeySequence(Qt::CTRL | Qt::Key_B)}},
      [](const FeatureContext& c) { c.session.Editing().SetTool(ToolMode::Brush); });
  registry->Add({"EditRectangle",
                 QT_TRANSLATE_NOOP("Befehle", "Rechteck"),
                 QT_TRANSLATE_NOOP("Befehlsbeschreibungen",
                                   "Wählt das Rechteck: es malt die Vorlage in ein aufgezogenes Rechteck."),
                 "&Bearbeiten",
                 {QKeySequence(Qt::CTRL | Qt::Key_R)}},
                [](const FeatureContext& c) { c.session.Editing().SetTool(ToolMode::Rectangle); });
  preview3D = std::make_unique<Preview3DFeature>(context);
  keptFeatures.push_back(std::make_shared<MapCheckFeature>(context));
  compile = std::make_unique<CompileFeature>(context, *files);
  keptFeatures.push_back(std::make_shared<ExportFeature>(context));
  keptFeatures.push_back(std::make_shared<ExtrasFeature>(context));
  keptFeatures.push_back(std::make_shared<SlotTemplatesKeeper>(session.Model()));
}

// The menus are laid out as data first; the features made after the core ones
// put their items in beside an anchor, and the bar is built once from it all.
void TFrmMain::BuildMenus(TabHost* tabs) {
  MenuLayout menus;
  menus.AddMenu("MnuFile", QT_TRANSLATE_NOOP("Menüs", "&Datei"),
                {"FileNew", "FileOpen", "FileSave", "FileSaveAs", "", "FileRecent", "", "FileCompile", "FileExport", "",
                 "FileExit"});
  menus.AddSubmenu("FileRecent", files->RecentMenu());
  menus.AddMenu("MnuEdit", QT_TRANSLATE_NOOP("Menüs", "&Bearbeiten"),
                {"EditUndo", "EditRedo", "", "EditFill", "EditCopy", "EditPaste", "EditPastePreview", "EditSelection",
                 "EditSetStartPos", "EditStartHere", "", "EditRamp", "EditSmooth", "", "EditBrush", "EditRectangle", "",
                 "EditCheckMap"});
  menus.AddMenu("MnuView", QT_TRANSLATE_NOOP("Menüs", "&Ansicht"),
                {"ViewProperties", "ViewTextureEditor", "View3D", "", "ViewFloor", "ViewCeiling", "ViewWall",
                 "ViewPedestalFloor", "ViewPedestalCeiling", "", "ViewZoomIn", "ViewZoomOut", "ViewZoomReset",
                 "ViewZoomWhole", "", "ViewHeights", "ViewStartPosition"});
  menus.AddMenu("MnuExtras", QT_TRANSLATE_NOOP("Menüs", "E&xtras"), {"ExtrasSearchCommand", "ExtrasShortcuts"});

  backups = std::make_unique<BackupsFeature>(*this, session.Model(), session.Editor(), session.Dialogs(),
                                             [this] { return session.Files().AskSaveChanges(); });
  session.UseFileOps(backups->SaveOps());
  using Context = const FeatureContext&;
  registry->Adopt(
      {{},
       {},
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Öffnet eine Sicherung dieser Karte als unbenannte Kopie."),
       "&Datei",
       {},
       MainWindowScope,
       [](Context c) { return !c.session.Map().IsUntitled(); }},
      backups->EarlierVersionCommand(), [this](Context c) { backups->OpenEarlierVersion(c.session); });
  menus.InsertAfter("MnuFile", "FileOpen", {"FileEarlierVersion"});
  preferences = std::make_unique<PreferencesFeature>(*this);
  registry->Adopt(
      {{}, {}, QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Zeigt die Einstellungen des Editors."), "E&xtras"},
      preferences->Command(), [this](Context) { preferences->ShowSettings(); });
  menus.InsertAfter("MnuExtras", {}, {"ExtrasSettings"});
  stampFeature = new StampFeature(FeatureContextOfWindow(), *placementTool);
  menus.InsertBefore("MnuEdit", "EditSetStartPos", {"EditSaveStamp"});
  menus.InsertBefore("MnuView", "View3D", {"ViewStamps"});
  findReplaceFeature = new FindReplaceFeature(FeatureContextOfWindow());
  menus.InsertBefore("MnuEdit", "EditSetStartPos", {"EditFindReplace"});
  CreateTextureBrowser(menus);
  // The placing keys are in no menu; the command search finds them while a block is being placed.
  // They act on the block being placed, which the placing tool of this window holds.
  for (const BlockPlacementTool::Key& key : placementTool->Keys())
    registry->Adopt({{},
                     {},
                     key.description,
                     "Platzieren",
                     {},
                     MainWindowScope,
                     [this](Context) { return placementTool->IsActive(); }},
                    key.action, [run = key.run](Context) { run(); });
  auto scripts = std::make_shared<ScriptsFeature>(FeatureContextOfWindow());
  keptFeatures.push_back(scripts);
  menus.AddSubmenu("ExtrasScripts", scripts->ScriptsMenu());
  menus.InsertBefore("MnuExtras", "ExtrasSettings", {"ExtrasScripts", "ExtrasScriptConsole", MenuLayout::Separator});
  CreateTestPlay(menus);
  if (tabs) AddTabCommands(*registry, menus, *tabs);
  new HelpFeature(FeatureContextOfWindow());
  menus.AddMenu("MnuHelp", QT_TRANSLATE_NOOP("Menüs", "&Hilfe"), HelpFeature::MenuItems());

  for (QMenu* menu : menus.Build(*menuBar(), *registry)) {
    // Enabled states follow what the commands can do now, as the menu opens.
    connect(menu, &QMenu::aboutToShow, registry, &CommandRegistry::RefreshEnabled);
  }
}

void TFrmMain::CreateTextureBrowser(MenuLayout& menus) {
  TextureBrowserFeature::Links links;
  links.showCells = [this](int texture) {
    TFrmFindReplace& window = findReplaceFeature->Window();
    window.FindTexture(texture);
    window.show();
    window.raise();
  };
  links.openInEditor = [this](int texture) { toolWindows->OpenTextureEditor(texture); };
  textureBrowser = new TextureBrowserFeature(FeatureContextOfWindow(), *texturePictures, links);
  menus.InsertBefore("MnuView", "View3D", {"ViewTextures", "ViewFindTexture"});
}

void TFrmMain::FocusMap() { ClientArea->FocusMap(); }

QWidget& TFrmMain::MapWidget() const { return ClientArea->MapWidget(); }

ViewGeometry TFrmMain::Geometry() const { return ClientArea->Geometry(); }

void TFrmMain::ZoomTo(int level, QPoint anchor) { ClientArea->ZoomTo(level, anchor); }

void TFrmMain::RefreshViews() {
  ClientArea->RedrawMapView();
  // A block being placed follows the layer, the zoom, the scrolling and the textures.
  if (placementTool) placementTool->Refresh();
}

void TFrmMain::RedrawMapView() { ClientArea->RedrawMapView(); }

void TFrmMain::ShowCell(GridPoint cell) {
  if (!IsOnGrid(cell)) return;
  // The view moves first, so the selection's notice redraws it there.
  EditorState& editor = session.Editor();
  editor.viewOrigin = OriginShowing(editor, Geometry(), cell);
  session.Editing().Select({cell.x, cell.y, cell.x, cell.y});
  // As a click on the cell would: the properties window follows the selection.
  toolWindows->Bind(CellBinding::Grid(cell));
  RefreshViews();
}

bool TFrmMain::OpenMapFile(const QString& path) { return OpenMapFile(path.toStdString()); }

bool TFrmMain::OpenMapFile(const std::string& path) { return files->Open(path); }

bool TFrmMain::MayClose() {
  // The log window lets window-system events through while a compile runs; the
  // window must outlive the compile that is writing into its log.
  return !compile->Busy() && session.Files().ConfirmClose();
}

void TFrmMain::closeEvent(QCloseEvent* event) {
  if (!MayClose()) {
    event->ignore();
    return;
  }
  StoreSettings();
  event->accept();
}

void TFrmMain::DocumentChanged(const DocumentChange& change) {
  ClientArea->ShowModified(session.Model().IsModified());
  if (change.Has(DocumentChangeFlag::FileNameChanged)) CaptionChanged();
  // The zoomed pictures follow the texture table; rebuilding them redraws.
  if (change.Has(DocumentChangeFlag::TexturesChanged | DocumentChangeFlag::DocumentReplaced)) {
    ClientArea->RebuildScaledPictures();
    RefreshViews();
  } else if (change.Has(DocumentChangeFlag::CellsChanged | DocumentChangeFlag::StartPositionChanged |
                        DocumentChangeFlag::PaletteChanged)) {
    RefreshViews();
  }
  // Keys and tool bar buttons act on the enabled states too, not only an opened menu.
  registry->RefreshEnabled();
}

void TFrmMain::SessionChanged(SessionNotice) { registry->RefreshEnabled(); }

void TFrmMain::CaptionChanged() { setWindowTitle(MainWindowCaption(session.Map())); }

void TFrmMain::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) CaptionChanged();
  QMainWindow::changeEvent(event);
}

void TFrmMain::Respond(const ToolResponse& response) {
  if (response.bind) toolWindows->Bind(*response.bind);
  if (response.showProperties) toolWindows->SetPropertiesVisible(true);
  if (response.positionLabel)
    ClientArea->ShowPosition(
        [label = *response.positionLabel] { return QString::fromStdString(PositionLabelText(label)); });
  if (response.message) {
    ClientArea->ShowToolMessage([message = *response.message] { return QString::fromStdString(CoreText(message)); });
  } else if (response.bind) {
    ClientArea->ShowToolMessage({});
  }
  if (response.redraw) RefreshViews();
}

}  // namespace tessmoor
