#include "editor/main/MapTabsWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QSettings>
#include <QStackedWidget>
#include <QTabBar>
#include <QUrl>
#include <QVBoxLayout>

#include "app/RecoveryOffer.h"
#include "editor/commands/CommandRegistry.h"
#include "editor/main/EditorMainForm.h"
#include "editor/main/SingleInstance.h"
#include "editor/widgets/MapCaption.h"
#include "editor/widgets/ProgramSettings.h"
#include "editor/widgets/RecoveryKeeper.h"

namespace tessmoor {

namespace {

const char* const GeometryKey = "Fenster/Geometrie";

// The windows a tab opened beside it (properties, 3D view, map check, ...):
// top-level windows whose owner chain leads to the tab.
QList<QWidget*> OwnWindowsOf(const QWidget& tab) {
  QList<QWidget*> found;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    for (const QWidget* owner = window->parentWidget(); owner; owner = owner->parentWidget()) {
      if (owner == &tab) {
        found.append(window);
        break;
      }
    }
  }
  return found;
}

QString ShownFileName(const MapDocument& map) {
  const QString path = ShownMapPath(map);
  return path.mid(path.lastIndexOf('/') + 1);
}

}  // namespace

struct MapTabsWindow::MapTab : DocumentObserver {
  TFrmMain* window = nullptr;
  std::unique_ptr<RecoveryKeeper> recovery;
  std::function<void()> changed;
  // Its windows, hidden while another tab is current.
  QList<QPointer<QWidget>> parked;

  void DocumentChanged(const DocumentChange&) override { changed(); }
};

QStringList MapFilesIn(const QList<QUrl>& urls) {
  QStringList paths;
  for (const QUrl& url : urls) {
    const QString path = url.toLocalFile();
    if (path.endsWith(".tmm", Qt::CaseInsensitive)) paths.append(path);
  }
  return paths;
}

MapTabsWindow::MapTabsWindow(DialogLayer* dialogs, const QString& programDirectory)
    : dialogs_(dialogs), programDirectory_(programDirectory) {
  setObjectName("FrmTabs");
  setAcceptDrops(true);
  auto* tabsAndMap = new QWidget(this);
  setCentralWidget(tabsAndMap);
  auto* column = new QVBoxLayout(tabsAndMap);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  TabMaps = new QTabBar(tabsAndMap);
  TabMaps->setObjectName("TabMaps");
  TabMaps->setAutoHide(true);
  TabMaps->setTabsClosable(true);
  TabMaps->setDocumentMode(true);
  TabMaps->setExpanding(false);
  // Tabs are dragged into the order the designer likes; Ctrl+Tab follows it.
  TabMaps->setMovable(true);
  // Clicking a tab must not take the keyboard from the map.
  TabMaps->setFocusPolicy(Qt::NoFocus);
  StkMaps = new QStackedWidget(tabsAndMap);
  StkMaps->setObjectName("StkMaps");
  column->addWidget(TabMaps);
  column->addWidget(StkMaps, 1);
  connect(TabMaps, &QTabBar::currentChanged, this, &MapTabsWindow::TabChanged);
  connect(TabMaps, &QTabBar::tabCloseRequested, this, [this](int index) { CloseTab(index); });
  connect(TabMaps, &QTabBar::tabMoved, this, &MapTabsWindow::TabMoved);
  AddTab();
  resize(Current().size());
}

MapTabsWindow::~MapTabsWindow() {
  // Tabs going one by one must not make the others current on the way.
  TabMaps->blockSignals(true);
  while (!tabs_.empty()) RemoveTab(static_cast<int>(tabs_.size()) - 1);
}

TFrmMain& MapTabsWindow::Current() const { return Tab(CurrentIndex()); }

TFrmMain& MapTabsWindow::Tab(int index) const { return *tabs_.at(static_cast<size_t>(index))->window; }

int MapTabsWindow::CurrentIndex() const { return TabMaps->currentIndex(); }

int MapTabsWindow::TabCount() const { return static_cast<int>(tabs_.size()); }

void MapTabsWindow::SetCurrent(int index) {
  if (index >= 0 && index < TabCount()) TabMaps->setCurrentIndex(index);
}

TFrmMain& MapTabsWindow::MakeTab() {
  auto tab = std::make_unique<MapTab>();
  TFrmMain* window = new TFrmMain(dialogs_, programDirectory_, this);
  tab->window = window;
  // One clipboard for every tab: a block copied in one pastes in another as
  // it is, its textures found by name there.
  if (!tabs_.empty()) window->Editor().clipboard = Tab(0).Editor().clipboard;
  tab->changed = [this, window] { LabelTab(IndexOf(*window)); };
  window->Model().AddObserver(tab.get());
  connect(window, &QWidget::windowTitleChanged, this, [this, window](const QString& title) {
    if (IndexOf(*window) == CurrentIndex()) setWindowTitle(title);
  });
  if (rememberSettings_) window->RestoreSettings();
  if (!recoveryFolder_.isEmpty()) KeepRecoveryCopy(*tab);
  // Hidden until it becomes current, so its windows do not flash up meanwhile.
  StkMaps->addWidget(window);
  tabs_.push_back(std::move(tab));
  TabMaps->addTab(QString());
  LabelTab(TabCount() - 1);
  return *window;
}

TFrmMain& MapTabsWindow::AddTab() {
  TFrmMain& window = MakeTab();
  SetCurrent(TabCount() - 1);
  return window;
}

void MapTabsWindow::KeepRecoveryCopy(MapTab& tab) {
  tab.recovery = std::make_unique<RecoveryKeeper>(tab.window->Model(), recoveryFolder_);
}

void MapTabsWindow::KeepRecoveryCopies(const QString& folder) {
  recoveryFolder_ = folder;
  for (auto& tab : tabs_) {
    if (!tab->recovery) KeepRecoveryCopy(*tab);
  }
}

int MapTabsWindow::OfferRecovery() {
  if (recoveryFolder_.isEmpty()) return 0;
  TFrmMain* first = IsBlank(Current()) ? &Current() : nullptr;
  return OfferEveryOrphanedCopy(recoveryFolder_.toStdString(), Current().Dialogs(), [this, &first] {
    TFrmMain& window = first ? *first : AddTab();
    first = nullptr;
    SetCurrent(IndexOf(window));
    const auto& tab = tabs_.at(static_cast<size_t>(IndexOf(window)));
    return RecoveryTarget{window.Model(), window.Editor(), tab->recovery->CopyPath()};
  });
}

int MapTabsWindow::IndexOfFile(const std::string& path) const {
  for (int i = 0; i < TabCount(); ++i) {
    if (Tab(i).Document().fileName == path) return i;
  }
  return -1;
}

bool MapTabsWindow::OpenInNewTab(const std::string& path) {
  // A map open already is shown, not opened twice: two tabs saving one file would undo each other.
  if (const int open = IndexOfFile(path); open >= 0) {
    SetCurrent(open);
    return true;
  }
  const int previous = CurrentIndex();
  TFrmMain& window = MakeTab();
  if (!window.OpenMapFile(path)) {
    RemoveTab(IndexOf(window));
    SetCurrent(previous);
    return false;
  }
  SetCurrent(IndexOf(window));
  return true;
}

bool MapTabsWindow::OpenMap(const std::string& path) {
  if (IsBlank(Current())) return Current().OpenMapFile(path);
  return OpenInNewTab(path);
}

void MapTabsWindow::OpenInNewTabs(const QStringList& paths) {
  for (const QString& path : paths) OpenInNewTab(QFile::encodeName(path).toStdString());
}

bool MapTabsWindow::ListenForLaterStarts(const QString& name) {
  if (!laterStarts_) laterStarts_ = new SingleInstance(this);
  return laterStarts_->Listen(name, [this](const QByteArrayList& paths) {
    for (const QByteArray& path : paths) OpenInNewTab(path.toStdString());
    // A start without maps only brings the window forward.
    show();
    raise();
    activateWindow();
  });
}

void MapTabsWindow::NewTab() { AddTab(); }

void MapTabsWindow::OpenInNewTab() {
  const int previous = CurrentIndex();
  TFrmMain& window = AddTab();
  // The new map's own Open: its question has nothing to ask, its dialog chooses the file.
  window.Commands().Action("FileOpen")->trigger();
  if (window.Document().IsUntitled()) {
    RemoveTab(IndexOf(window));
    SetCurrent(previous);
  }
}

bool MapTabsWindow::CloseTab(int index) {
  if (TabCount() < 2 || index < 0 || index >= TabCount()) return false;
  SetCurrent(index);
  if (!Tab(index).MayClose()) return false;
  RemoveTab(index);
  return true;
}

void MapTabsWindow::CloseCurrentTab() { CloseTab(CurrentIndex()); }

void MapTabsWindow::StepTab(int step) {
  const int count = TabCount();
  if (count > 1) SetCurrent(((CurrentIndex() + step) % count + count) % count);
}

void MapTabsWindow::RemoveTab(int index) {
  std::unique_ptr<MapTab> tab = std::move(tabs_.at(static_cast<size_t>(index)));
  tabs_.erase(tabs_.begin() + index);
  // Before the map goes: they follow its model.
  tab->recovery.reset();
  tab->window->Model().RemoveObserver(tab.get());
  StkMaps->removeWidget(tab->window);
  if (shown_ == index) shown_ = -1;
  if (shown_ > index) --shown_;
  delete tab->window;
  // Last: the bar makes another tab current, which finds the lists in order.
  TabMaps->removeTab(index);
}

void MapTabsWindow::TabMoved(int from, int to) {
  std::unique_ptr<MapTab> moved = std::move(tabs_.at(static_cast<size_t>(from)));
  tabs_.erase(tabs_.begin() + from);
  tabs_.insert(tabs_.begin() + to, std::move(moved));
  // The tab on screen stays; only its place in the row changed.
  for (int i = 0; i < TabCount(); ++i) {
    if (tabs_[static_cast<size_t>(i)]->window == StkMaps->currentWidget()) shown_ = i;
  }
}

void MapTabsWindow::TabChanged(int index) {
  if (index >= 0 && index < TabCount()) ShowTab(index);
}

void MapTabsWindow::ShowTab(int index) {
  if (shown_ == index) return;
  if (shown_ >= 0 && shown_ < TabCount()) {
    MapTab& leaving = *tabs_.at(static_cast<size_t>(shown_));
    for (QWidget* window : OwnWindowsOf(*leaving.window)) {
      if (!window->isVisible()) continue;
      leaving.parked.append(window);
      window->hide();
    }
  }
  shown_ = index;
  MapTab& coming = *tabs_.at(static_cast<size_t>(index));
  StkMaps->setCurrentWidget(coming.window);
  for (const QPointer<QWidget>& window : coming.parked) {
    if (window) window->show();
  }
  coming.parked.clear();
  setWindowTitle(coming.window->windowTitle());
  coming.window->ReloadSharedSettings();
  coming.window->Commands().RefreshEnabled();
  coming.window->FocusMap();
}

void MapTabsWindow::changeEvent(QEvent* event) {
  // The tabs' names of maps without a file are texts
  if (event->type() == QEvent::LanguageChange) {
    for (int index = 0; index < TabCount(); ++index) LabelTab(index);
  }
  QMainWindow::changeEvent(event);
}

void MapTabsWindow::LabelTab(int index) {
  if (index < 0 || index >= TabCount()) return;
  TFrmMain& window = Tab(index);
  const QString label = ShownFileName(window.Document()) + (window.Model().IsModified() ? " *" : "");
  if (TabMaps->tabText(index) != label) TabMaps->setTabText(index, label);
  TabMaps->setTabToolTip(index, ShownMapPath(window.Document()));
}

int MapTabsWindow::IndexOf(const TFrmMain& window) const {
  for (int i = 0; i < TabCount(); ++i) {
    if (tabs_[static_cast<size_t>(i)]->window == &window) return i;
  }
  return -1;
}

bool MapTabsWindow::IsBlank(TFrmMain& window) const {
  return window.Document().IsUntitled() && !window.Model().IsModified();
}

void MapTabsWindow::RestoreSettings() {
  rememberSettings_ = true;
  const QSettings settings = ProgramSettings();
  if (settings.contains(GeometryKey)) restoreGeometry(settings.value(GeometryKey).toByteArray());
  for (auto& tab : tabs_) tab->window->RestoreSettings();
}

void MapTabsWindow::StoreSettings() {
  if (!rememberSettings_) return;
  ProgramSettings().setValue(GeometryKey, saveGeometry());
  // The current tab's zoom and layer are the ones a new start takes.
  Current().StoreSettings();
}

void MapTabsWindow::closeEvent(QCloseEvent* event) {
  // One question for each map with changes, its tab shown while it is asked.
  for (int i = 0; i < TabCount(); ++i) {
    if (Tab(i).Model().IsModified()) SetCurrent(i);
    if (!Tab(i).MayClose()) {
      event->ignore();
      return;
    }
  }
  StoreSettings();
  event->accept();
}

void MapTabsWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!MapFilesIn(event->mimeData()->urls()).isEmpty()) event->acceptProposedAction();
}

void MapTabsWindow::dropEvent(QDropEvent* event) {
  const QStringList paths = MapFilesIn(event->mimeData()->urls());
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  OpenInNewTabs(paths);
}

}  // namespace tessmoor
