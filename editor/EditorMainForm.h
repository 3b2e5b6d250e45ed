#pragma once
// The main window: the tool bar, the map view with its scroll bars, the menus,
// and the owner of the document, the editor state and every other window.
// The rules live in the core (view/, document/, compiler/); this class turns Qt
// events into calls of them and is the host they report back to.

#include <QMainWindow>
#include <QString>
#include <memory>

#include "document/DocumentCommands.h"
#include "document/MapDocument.h"
#include "editor/DialogLayerProxy.h"
#include "view/EditingTools.h"
#include "view/MapView.h"

class MapCompiler;
class QAction;
class QFrame;
class QActionGroup;
class QLabel;
class QMenu;
class QScrollBar;
class QToolButton;
class TFrmCompile;
class TFrmNew;
class TFrmProperties;
class TFrmSetStartPos;
class TFrmTextureEditor;
class ViewPortWidget;

class TFrmMain : public QMainWindow, public DocumentHost, public ToolHost {
  Q_OBJECT

 public:
  // Without `dialogs` the program's own Qt dialogs are used; tests pass a
  // scripted layer. Without `programDirectory` (with a trailing '/') the
  // executable's directory is used.
  explicit TFrmMain(DialogLayer* dialogs = nullptr, const QString& programDirectory = QString());
  ~TFrmMain() override;

  MapDocument& Document() { return *document; }
  EditorState& Editor() { return *editor; }
  TFrmProperties& PropertiesWindow() { return *FrmProperties; }
  TFrmCompile& CompileWindow() { return *FrmCompile; }
  TFrmTextureEditor& TextureEditorWindow() { return *FrmTextureEditor; }
  ViewGeometry Geometry() const;
  // Opens a map named on the command line, as Open does once a file is chosen.
  bool OpenMapFile(const QString& path);
  bool OpenMapFile(const std::string& path);  // the file name's own bytes

  // Both hosts: compose the picture and bring it to the screen.
  void RedrawView() override;
  // DocumentHost
  void HidePropertiesWindow() override;
  void CaptionChanged() override;
  // ToolHost
  void SetSelectButtonDown(bool down) override;
  void BindCell(MapCell& cell, CellNotification notification) override;
  void ShowPropertiesWindow() override;
  void SetPositionLabel(const std::string& text) override;

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
  void FormResize();
  void ViewPortPaint();
  void SyncScrollBars();
  void FileNewClick();
  void FileOpenClick();
  void FileSaveClick();
  void FileSaveAsClick();
  void FileCompileClick();
  void CompileMap();
  void EditFillClick();
  void EditCopyClick();
  void EditPasteClick();
  void EditSetStartPosClick();
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

  std::unique_ptr<MapDocument> document;
  std::unique_ptr<EditorState> editor;
  std::unique_ptr<MapCompiler> compiler;
  DialogLayerProxy dialogs;
  std::unique_ptr<DialogLayer> qtDialogs;
  std::unique_ptr<DocumentCommands> commands;
  bool compiling = false;

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
  QAction* FileExit;
  QMenu* MnuEdit;
  QAction* EditFill;
  QAction* EditCopy;
  QAction* EditPaste;
  QAction* EditSetStartPos;
  QMenu* MnuView;
  QAction* ViewProperties;
  QAction* ViewTextureEditor;
  QActionGroup* ViewLayers;
  QAction* ViewFloor;
  QAction* ViewCeiling;
  QAction* ViewWall;
  QAction* ViewPedestalFloor;
  QAction* ViewPedestalCeiling;

  TFrmTextureEditor* FrmTextureEditor = nullptr;
  TFrmProperties* FrmProperties = nullptr;
  TFrmSetStartPos* FrmSetStartPos = nullptr;
  TFrmNew* FrmNew = nullptr;
  TFrmCompile* FrmCompile = nullptr;
};
