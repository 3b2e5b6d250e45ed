#pragma once
// The main window: the tool bar, the map view with its scroll bars, the menus,
// and the owner of the document model, the editor state and every other window.
// The rules live in the core (edit/, view/, document/, compiler/); this class
// turns Qt events into calls of them and follows the document's changes.

#include <QMainWindow>
#include <QString>
#include <memory>

#include "app/FileWorkflow.h"
#include "document/MapDocument.h"
#include "edit/DocumentModel.h"
#include "editor/DialogLayerProxy.h"
#include "view/EditingTools.h"
#include "view/MapView.h"
#include "view/Zoom.h"

class QAction;
class QFrame;
class QActionGroup;
class QLabel;
class QMenu;
class QScrollBar;
class QToolButton;
class QWheelEvent;

namespace tessmoor {

class MapCompiler;
class RecentFiles;
struct ScaledPictureCache;
class TFrm3DView;
class TFrmCompile;
class TFrmMapCheck;
class TFrmNew;
class TFrmProperties;
class TFrmSetStartPos;
class TFrmTextureEditor;
class ViewPortWidget;

class TFrmMain : public QMainWindow, public DocumentObserver {
  Q_OBJECT

 public:
  // Without `dialogs` the program's own Qt dialogs are used; tests pass a
  // scripted layer. Without `programDirectory` (with a trailing '/') the
  // executable's directory is used.
  explicit TFrmMain(DialogLayer* dialogs = nullptr, const QString& programDirectory = QString());
  ~TFrmMain() override;

  const MapDocument& Document() const { return model->Map(); }
  DocumentModel& Model() { return *model; }
  EditorState& Editor() { return *editor; }
  DialogLayer& Dialogs() { return dialogs; }
  TFrmProperties& PropertiesWindow() { return *FrmProperties; }
  TFrmCompile& CompileWindow() { return *FrmCompile; }
  TFrmTextureEditor& TextureEditorWindow() { return *FrmTextureEditor; }
  TFrmMapCheck& MapCheckWindow() { return *FrmMapCheck; }
  // Null until the 3D window is first opened.
  TFrm3DView* PreviewWindow() { return Frm3DView; }
  ViewGeometry Geometry() const;
  int32_t ZoomLevel() const { return zoomLevel; }
  const ScaledPictureCache& ScaledPictures() const { return *scaledPictures; }
  const CameraMarkerState& CameraMarker() const { return cameraMarker; }
  // Opens a map named on the command line, as Open does once a file is chosen.
  bool OpenMapFile(const QString& path);
  bool OpenMapFile(const std::string& path);  // the file name's own bytes
  // Selects the cell, as a click on it does, and scrolls the view until it is whole in sight.
  void ShowCell(GridPoint cell);
  // Zoom (MainZoom.cpp): to `level` (view/Zoom.h), keeping the cell under `anchor` (view pixels) in place.
  void ZoomTo(int level, QPoint anchor);
  // Rebuilds the zoomed cell pictures after the texture table, a frame or the symbols changed.
  void ScaledPicturesChanged();
  // Settings (MainSettings.cpp): brings back window, zoom, layer and recent maps, and
  // from then on remembers them. Without it the window starts at its design size.
  void RestoreSettings();
  void StoreSettings();

  // Composes the map view's picture and brings it to the screen; the 3D window
  // follows the selection.
  void RefreshViews();
  void DocumentChanged(const DocumentChange& change) override;

  static constexpr int ToolBarHeight = 25;
  static constexpr int ScrollBarThickness = 16;
  static constexpr int DesignViewWidth = 528;
  static constexpr int DesignViewHeight = 294;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building the window (MainWindowLayout.cpp, MainMenus.cpp).
  void BuildClientArea();
  void BuildToolBar();
  void BuildMenus();
  void BuildFileMenu();
  void BuildEditMenu();
  void BuildViewMenu();
  QAction* AddAction(QMenu* menu, const char* name, const QString& text, QList<QKeySequence> shortcuts = {});
  void InstallPresenter();
  void CreateWindows(DialogLayer* injectedDialogs);
  void StartUp(const QString& programDirectory);

  // Handlers.
  void Respond(const ToolResponse& response);
  void CaptionChanged();
  void UpdateHistoryActions();
  void FormResize();
  void ViewPortPaint();
  void SyncScrollBars();
  void FileNewClick();
  void FileOpenClick();
  void FileSaveClick();
  void FileSaveAsClick();
  void FileCompileClick();
  void CompileMap();
  void FileExportClick();
  void EditUndoClick();
  void EditRedoClick();
  void EditFillClick();
  void EditCopyClick();
  void EditPasteClick();
  void EditSetStartPosClick();
  void EditCheckMapClick();
  void MnuEditClick();
  void MnuViewClick();
  void ViewPropertiesClick();
  void SpdPropertiesClick(bool down);
  void SpdSelectClick(bool down);
  void ViewTextureEditorClick();
  void ViewLayerClick(QAction* item);
  void ScrHorizontalChange(int position);
  void ScrVerticalChange(int position);
  void SetPropertiesVisible(bool visible);
  void BuildZoomMenu();
  QPoint MapAreaCentre() const;
  void ViewPortWheel(QWheelEvent& event);
  void ApplyScrollRanges();
  void BuildRecentMenu();
  void FillRecentMenu();
  void OpenRecentFile(const QString& path);
  void RememberCurrentFile();

  // The 3D window's links (Main3DView.cpp).
  void View3DClick();
  // Creates the 3D window on first use, so a platform without OpenGL never
  // builds one. False (after saying so) when OpenGL 3.3 is not available.
  bool Create3DView();
  // The 3D window rebuilds its model after edits, loads and new maps.
  void NotifyPreviewOfChanges();
  void Preview3DVisible(bool visible);
  void PreviewCameraMoved();
  // Selects cell (x, y), as a click on it would, and scrolls the map view to it.
  void SelectCellFrom3D(int x, int y);
  // The map view's picture alone, when only the camera marker changed.
  void RedrawMapView();

  std::unique_ptr<DocumentModel> model;
  std::unique_ptr<EditorState> editor;
  std::unique_ptr<MapCompiler> compiler;
  DialogLayerProxy dialogs;
  std::unique_ptr<DialogLayer> qtDialogs;
  std::unique_ptr<FileWorkflow> commands;
  bool compiling = false;
  // The map view's own state: the zoom, the cell pictures of the zoom levels
  // other than the default, and the 3D camera's mark.
  int32_t zoomLevel = DefaultZoomLevel;
  std::unique_ptr<ScaledPictureCache> scaledPictures;
  CameraMarkerState cameraMarker;
  std::unique_ptr<RecentFiles> recentFiles;
  bool rememberSettings = false;

  QWidget* ClientArea;
  QFrame* PnlToolBar;
  QLabel* LblPos;
  QToolButton* SpdOpen;
  QToolButton* SpdSave;
  QToolButton* SpdSelect;
  QToolButton* SpdFill;
  QToolButton* SpdProperties;
  QToolButton* SpdTextureEditor;
  ViewPortWidget* ViewPort;
  QScrollBar* ScrHorizontal;
  QScrollBar* ScrVertical;

  QMenu* MnuFile;
  QAction* FileNew;
  QAction* FileOpen;
  QAction* FileSave;
  QAction* FileSaveAs;
  QAction* FileCompile;
  QAction* FileExport;
  QAction* FileExit;
  QMenu* MnuRecent;
  QMenu* MnuEdit;
  QAction* EditUndo;
  QAction* EditRedo;
  QAction* EditFill;
  QAction* EditCopy;
  QAction* EditPaste;
  QAction* EditSetStartPos;
  QAction* EditCheckMap;
  QMenu* MnuView;
  QAction* ViewProperties;
  QAction* ViewTextureEditor;
  QAction* View3D;
  QActionGroup* ViewLayers;
  QAction* ViewFloor;
  QAction* ViewCeiling;
  QAction* ViewWall;
  QAction* ViewPedestalFloor;
  QAction* ViewPedestalCeiling;
  QAction* ViewZoomIn;
  QAction* ViewZoomOut;
  QAction* ViewZoomReset;
  QAction* ViewZoomWhole;

  TFrmTextureEditor* FrmTextureEditor = nullptr;
  TFrmProperties* FrmProperties = nullptr;
  TFrmSetStartPos* FrmSetStartPos = nullptr;
  TFrmNew* FrmNew = nullptr;
  TFrmCompile* FrmCompile = nullptr;
  TFrmMapCheck* FrmMapCheck = nullptr;
  TFrm3DView* Frm3DView = nullptr;
};

}  // namespace tessmoor
