#pragma once
// The program's window: one map window per open map, shown one at a time
// under a bar of tabs. Each tab keeps its own session (map, history, selection,
// view, backups and recovery copy) and its own tool windows, which show while
// it is current. With a single map the bar hides and the window looks as a
// lone map window does.

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "editor/main/TabHost.h"

class QStackedWidget;
class QTabBar;
class QUrl;

namespace tessmoor {

class DialogLayer;
class RecoveryKeeper;
class SingleInstance;
class TFrmMain;

class MapTabsWindow : public QMainWindow, public TabHost {
  Q_OBJECT

 public:
  // Starts with one tab holding a new, untitled map. `dialogs` and
  // `programDirectory` are handed to every tab as a lone map window takes them.
  explicit MapTabsWindow(DialogLayer* dialogs = nullptr, const QString& programDirectory = QString());
  ~MapTabsWindow() override;

  TFrmMain& Current() const;
  TFrmMain& Tab(int index) const;
  int CurrentIndex() const;
  void SetCurrent(int index);

  // A new tab with an untitled map, made current.
  TFrmMain& AddTab();
  // Opens `path` (the file name's own bytes) in a new tab, made current; a map
  // already open in a tab makes that one current. A map that cannot be read
  // gets Open's message, and no tab is left behind.
  bool OpenInNewTab(const std::string& path);
  void OpenInNewTabs(const QStringList& paths);
  // As OpenInNewTab, but into the current tab while that holds nothing yet.
  bool OpenMap(const std::string& path);
  // After the unsaved-changes question; false when the tab stays (the last one always does).
  bool CloseTab(int index);

  // From now on every tab keeps a recovery copy in `folder`.
  void KeepRecoveryCopies(const QString& folder);
  // Offers the copies of editors that ended without saving; each one taken
  // back opens in a tab of its own, the first in the current tab when that
  // holds nothing yet. Returns how many came back.
  int OfferRecovery();

  // From now on maps that a later start hands over at `name` open in new
  // tabs (one open already is shown), and the window comes forward. False
  // when the name cannot be listened at.
  bool ListenForLaterStarts(const QString& name);

  // Window geometry here, and zoom, layer, recent maps and keys in every tab.
  void RestoreSettings();
  void StoreSettings();

  // TabHost
  void NewTab() override;
  void OpenInNewTab() override;
  void CloseCurrentTab() override;
  void StepTab(int step) override;
  int TabCount() const override;

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  struct MapTab;

  TFrmMain& MakeTab();
  void RemoveTab(int index);
  void ShowTab(int index);
  void TabChanged(int index);
  void TabMoved(int from, int to);
  void LabelTab(int index);
  int IndexOf(const TFrmMain& window) const;
  int IndexOfFile(const std::string& path) const;
  bool IsBlank(TFrmMain& window) const;
  void KeepRecoveryCopy(MapTab& tab);

  DialogLayer* dialogs_;
  QString programDirectory_;
  QString recoveryFolder_;
  bool rememberSettings_ = false;
  QTabBar* TabMaps;
  QStackedWidget* StkMaps;
  std::vector<std::unique_ptr<MapTab>> tabs_;
  int shown_ = -1;
  SingleInstance* laterStarts_ = nullptr;
};

// The .tmm files among dropped or pasted addresses, as local file names.
QStringList MapFilesIn(const QList<QUrl>& urls);

}  // namespace tessmoor
