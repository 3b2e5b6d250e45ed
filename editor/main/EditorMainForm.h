#pragma once
// The main window: it shows one editor session. It owns the map view and
// assembles the menus from the features, each of which owns its commands and
// windows and follows the document itself; the rules live in the core.

#include <QMainWindow>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "app/EditorSession.h"
#include "document/MapDocument.h"
#include "edit/DocumentModel.h"
#include "editor/commands/FeatureContext.h"
#include "view/EditingTools.h"
#include "view/MapView.h"
#include "view/Zoom.h"

class QMenu;

namespace tessmoor {

class CommandRegistry;
class MenuLayout;
class CompileFeature;
class EditFeature;
class ExportFeature;
class ExtrasFeature;
class SlotTemplatesKeeper;
class BackupsFeature;
class BlockPlacementTool;
class FindReplaceFeature;
class StampFeature;
class TextureBrowserFeature;
class FileFeature;
class MapCheckFeature;
class PreferencesFeature;
class Preview3DFeature;
class TMapViewPanel;
class TestPlay;
class TexturePictureCache;
class TextureTableModel;
class ToolWindowsFeature;
class ViewFeature;

// The program's directory with a trailing '/': `given`, or the executable's.
std::string ProgramDirectory(const QString& given = QString());

class TabHost;

class TFrmMain : public QMainWindow, public DocumentObserver, public SessionObserver, public MapViewHost {
  Q_OBJECT

 public:
  // A window with a session of its own. Without `dialogs` the program's own Qt
  // dialogs are used; tests pass a scripted layer. Without `programDirectory`
  // (with a trailing '/') the executable's directory is used.
  // Inside a window of tabs, `tabs` is that window, and the tab commands join the menus.
  explicit TFrmMain(DialogLayer* dialogs = nullptr, const QString& programDirectory = QString(),
                    TabHost* tabs = nullptr);
  // A window over a session that someone else keeps; the session outlives it.
  explicit TFrmMain(EditorSession& session, DialogLayer* dialogs = nullptr);
  ~TFrmMain() override;

  EditorSession& Session() { return session; }
  const MapDocument& Document() const { return session.Map(); }
  DocumentModel& Model() { return session.Model(); }
  EditorState& Editor() { return session.Editor(); }
  DialogLayer& Dialogs() { return session.Dialogs(); }
  // Every command of the window (menus, tool bar, keys, the command search).
  CommandRegistry& Commands() { return *registry; }
  // The features that own their commands and windows (stamps, find and replace).
  BlockPlacementTool& PlacementTool() { return *placementTool; }
  StampFeature& Stamps() { return *stampFeature; }
  FindReplaceFeature& FindReplace() { return *findReplaceFeature; }
  TextureBrowserFeature& TextureBrowser() { return *textureBrowser; }
  TestPlay& TestPlayFeature() { return *testPlay; }
  // The pictures of every texture list in the window's windows.
  TexturePictureCache& TexturePictures() { return *texturePictures; }
  TextureTableModel& TextureTable() { return *textureTable; }
  // Gives the map view the keyboard focus, so the editor's keys act on the map.
  void FocusMap() override;
  // The map view, where the editor's keys act.
  QWidget& MapWidget() const override;
  // Opens a map named on the command line, as Open does once a file is chosen.
  bool OpenMapFile(const QString& path);
  bool OpenMapFile(const std::string& path);  // the file name's own bytes
  // Settings: brings back window, zoom, layer, recent maps and the user's keys,
  // and from then on remembers them. Without it the window starts at its design size.
  void RestoreSettings();
  void StoreSettings();
  // The keys and recent maps that another tab may have changed meanwhile.
  void ReloadSharedSettings();
  // Before the map goes away: false while a compile runs, or when the
  // unsaved-changes question was not answered with a way on.
  bool MayClose();

  // The map view (MapViewHost).
  void RefreshViews() override;
  void RedrawMapView() override;
  void ShowCell(GridPoint cell) override;
  void ZoomTo(int level, QPoint anchor) override;
  ViewGeometry Geometry() const override;

  void DocumentChanged(const DocumentChange& change) override;
  // What the commands may do follows the session's state too.
  void SessionChanged(SessionNotice notice) override;

  static constexpr int ToolBarHeight = 25;
  static constexpr int ScrollBarThickness = 16;
  static constexpr int DesignViewWidth = 528;
  static constexpr int DesignViewHeight = 294;

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Build(DialogLayer* injectedDialogs, TabHost* tabs);
  FeatureContext FeatureContextOfWindow();
  void CreateFeatures();
  void BuildMenus(TabHost* tabs);
  void Respond(const ToolResponse& response);
  void CaptionChanged();

  // Test-play (MainTestPlay.cpp): its commands go into the menus and the registry here.
  void CreateTestPlay(MenuLayout& menus);
  void CreateTextureBrowser(MenuLayout& menus);

  std::unique_ptr<EditorSession> ownedSession;  // only when the window made its own
  EditorSession& session;
  CommandRegistry* registry;
  std::unique_ptr<DialogLayer> qtDialogs;
  bool rememberSettings = false;
  TMapViewPanel* ClientArea;
  // Before the features: it must hear of a table change before their windows do.
  std::unique_ptr<TexturePictureCache> texturePictures;
  std::unique_ptr<TextureTableModel> textureTable;  // reads the cache, so it goes first

  // Made in this order and ended in the reverse one: later features use earlier ones.
  std::unique_ptr<ToolWindowsFeature> toolWindows;
  std::unique_ptr<FileFeature> files;
  std::unique_ptr<ViewFeature> view;
  std::unique_ptr<Preview3DFeature> preview3D;
  std::unique_ptr<CompileFeature> compile;
  std::unique_ptr<BackupsFeature> backups;
  std::unique_ptr<PreferencesFeature> preferences;
  std::unique_ptr<TestPlay> testPlay;
  // Features the window only keeps alive (edit, map check, export, extras,
  // the palette's templates): ended newest first, before the ones above.
  std::vector<std::shared_ptr<void>> keptFeatures;
  // Children of the window, which ends them.
  BlockPlacementTool* placementTool = nullptr;
  StampFeature* stampFeature = nullptr;
  TextureBrowserFeature* textureBrowser = nullptr;
  FindReplaceFeature* findReplaceFeature = nullptr;
};

}  // namespace tessmoor
