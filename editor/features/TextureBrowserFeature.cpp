#include "editor/features/TextureBrowserFeature.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDockWidget>
#include <QEvent>
#include <QGridLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <set>

#include "document/Windows1252.h"
#include "edit/CellBlocks.h"
#include "editor/commands/CommandRegistry.h"
#include "editor/widgets/FavouriteTextures.h"
#include "editor/widgets/LanguageChange.h"
#include "editor/widgets/MapKeyFocus.h"
#include "editor/widgets/PictureFileDrops.h"
#include "editor/widgets/ProgramSettings.h"
#include "editor/widgets/TextureEntryDelegate.h"
#include "editor/widgets/TextureFilterModel.h"
#include "editor/widgets/TextureNames.h"
#include "editor/widgets/TexturePictureCache.h"
#include "editor/widgets/TextureTableModel.h"
#include "editor/widgets/TitleRoom.h"
#include "editor/widgets/ToolDock.h"
#include "editor/windows/ReplaceTextureDialog.h"
#include "editor/windows/TextureEditorWidgets.h"
#include "preview/AnimationClock.h"

namespace tessmoor {

namespace {

const char* const PanelKey = "Texturen/Panel";
const char* const OrderKey = "Texturen/Reihenfolge";
const char* const ViewTexturesText = QT_TRANSLATE_NOOP("Befehle", "Te&xturen");
constexpr int GroupRows = 2;  // a group shows this many rows of tiles, then scrolls

const char* const OrderTexts[] = {QT_TRANSLATE_NOOP("TextureBrowserFeature", "Nach Name"),
                                  QT_TRANSLATE_NOOP("TextureBrowserFeature", "Nach Nutzung"),
                                  QT_TRANSLATE_NOOP("TextureBrowserFeature", "Wie in der Tabelle")};

int TextureAt(const QModelIndex& index) {
  return index.isValid() ? index.data(TextureTableModel::TextureRole).toInt() : -1;
}

}  // namespace

TextureBrowserFeature::TextureBrowserFeature(const FeatureContext& context, TexturePictureCache& pictures, Links links)
    : QObject(context.window), context(context), pictures(pictures), links(std::move(links)) {
  setObjectName("TextureBrowserFeature");
  animation = new QTimer(this);
  animation->setInterval(1000 / DefaultAnimationRate);
  connect(animation, &QTimer::timeout, this, [this] {
    ++tick;
    for (QListView* list : {LVRecentTextures, LVFavouriteTextures, LVTextures}) list->viewport()->update();
  });
  BuildPanel();
  OnLanguageChange(this, [this] { Retranslate(); });
  context.session.Model().AddObserver(this);
  connect(&FavouriteTextures::Instance(), &FavouriteTextures::Changed, this, [this] {
    UpdateGroups();
    for (QListView* list : {LVRecentTextures, LVFavouriteTextures, LVTextures}) list->viewport()->update();
  });
  FillSizes();
  UpdateGroups();
}

TextureBrowserFeature::~TextureBrowserFeature() { context.session.Model().RemoveObserver(this); }

void TextureBrowserFeature::BuildPanel() {
  auto* panel = new QWidget;
  EdtTextureFilter = new QLineEdit(panel);
  EdtTextureFilter->setObjectName("EdtTextureFilter");
  // As the filter (made so by its dock): only a click takes the focus, so the map keeps its keys.
  CboTextureSize = new QComboBox(panel);
  CboTextureSize->setObjectName("CboTextureSize");
  CboTextureSize->setFocusPolicy(Qt::ClickFocus);
  CboTextureOrder = new QComboBox(panel);
  CboTextureOrder->setObjectName("CboTextureOrder");
  CboTextureOrder->setFocusPolicy(Qt::ClickFocus);
  for (int order = 0; order < 3; ++order) CboTextureOrder->addItem(QString(), order);
  ChkAnimatedOnly = new QCheckBox(panel);
  ChkAnimatedOnly->setObjectName("ChkAnimatedOnly");
  ChkUnusedOnly = new QCheckBox(panel);
  ChkUnusedOnly->setObjectName("ChkUnusedOnly");
  for (QCheckBox* box : {ChkAnimatedOnly, ChkUnusedOnly}) box->setFocusPolicy(Qt::ClickFocus);

  const auto usageOf = [this](int texture) {
    const std::vector<TextureUsage>& counted = Usage();
    return texture >= 0 && texture < static_cast<int>(counted.size()) ? counted[static_cast<size_t>(texture)]
                                                                      : TextureUsage{};
  };
  const TextureEntryDelegate::Sources sources{pictures, usageOf, [this](int t) { return IsFavourite(t); },
                                              [this](int t) { ToggleFavourite(t); },
                                              [this](int t) { return ShownFrame(t); }};
  auto* rows = new TextureEntryDelegate(TextureEntryDelegate::Shape::Row, sources, this);
  auto* tiles = new TextureEntryDelegate(TextureEntryDelegate::Shape::Tile, sources, this);
  allRows = new TextureFilterModel(usage, this);
  recentRows = new TextureFilterModel(usage, this);
  favouriteRows = new TextureFilterModel(usage, this);
  LblRecentTextures = new QLabel(panel);
  LblRecentTextures->setObjectName("LblRecentTextures");
  LVRecentTextures = MakeList(panel, "LVRecentTextures", recentRows, tiles);
  LblFavouriteTextures = new QLabel(panel);
  LblFavouriteTextures->setObjectName("LblFavouriteTextures");
  LVFavouriteTextures = MakeList(panel, "LVFavouriteTextures", favouriteRows, tiles);
  LblAllTextures = new QLabel(panel);
  LblAllTextures->setObjectName("LblAllTextures");
  LVTextures = MakeList(panel, "LVTextures", allRows, rows);
  LVTextures->setViewMode(QListView::ListMode);
  LVTextures->setWrapping(false);
  LVTextures->setFlow(QListView::TopToBottom);
  // A list view's mode and movement switch dragging off; the entries are dragged onto the map.
  for (QListView* list : {LVRecentTextures, LVFavouriteTextures, LVTextures}) list->setDragEnabled(true);

  auto* filters = new QGridLayout();
  filters->addWidget(EdtTextureFilter, 0, 0, 1, 2);
  filters->addWidget(CboTextureSize, 1, 0);
  filters->addWidget(CboTextureOrder, 1, 1);
  filters->addWidget(ChkAnimatedOnly, 2, 0);
  filters->addWidget(ChkUnusedOnly, 2, 1);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(4, 4, 4, 4);
  column->addLayout(filters);
  for (QWidget* part : {static_cast<QWidget*>(LblRecentTextures), static_cast<QWidget*>(LVRecentTextures),
                        static_cast<QWidget*>(LblFavouriteTextures), static_cast<QWidget*>(LVFavouriteTextures),
                        static_cast<QWidget*>(LblAllTextures)}) {
    column->addWidget(part);
  }
  column->addWidget(LVTextures, 1);
  panel->setMinimumWidth(300);
  DockTextures = AddToolDock(*context.window, "DockTextures", "ViewTextures", panel, *EdtTextureFilter, *this,
                             [this] { RememberSettings(); });
  // Pictures dropped from the file manager become a texture of this map.
  const auto session = [this]() -> EditorSession& { return this->context.session; };
  AcceptPictureFileDrops(*panel, session);
  for (QListView* list : {LVRecentTextures, LVFavouriteTextures, LVTextures}) {
    AcceptPictureFileDrops(*list->viewport(), session);
  }
  QAction* viewTextures = DockTextures->toggleViewAction();
  Retranslate();  // the registry takes the command's text from the action
  context.registry.Adopt({{},
                          {},
                          QT_TRANSLATE_NOOP("Befehlsbeschreibungen",
                                            "Zeigt oder verbirgt die Texturleiste mit den Bildern der Texturtabelle."),
                          "&Ansicht"},
                         viewTextures, [this](const FeatureContext&) { RememberSettings(); });
  // The keyboard's way to a texture: the panel, with the typing in its filter.
  context.registry.Add(
      {"ViewFindTexture",
       QT_TRANSLATE_NOOP("Befehle", "Textur &finden"),
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Zeigt die Texturleiste und setzt die Eingabe in ihren Filter."),
       "&Ansicht",
       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T)}},
      [this](const FeatureContext&) {
        DockTextures->show();
        DockTextures->raise();
        EdtTextureFilter->setFocus(Qt::ShortcutFocusReason);
        EdtTextureFilter->selectAll();
      });
  EdtTextureFilter->installEventFilter(this);
  connect(DockTextures, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (visible) CountUsage();  // not counted while hidden
  });
  connect(EdtTextureFilter, &QLineEdit::textChanged, this, &TextureBrowserFeature::ApplyFilter);
  connect(EdtTextureFilter, &QLineEdit::returnPressed, this, [this] {
    // Enter in the filter sets the first texture found, as a double click on it would.
    if (LVTextures->model()->rowCount() > 0) ApplyTexture(LVTextures->model()->index(0, 0));
  });
  EscapeEmptiesField(*EdtTextureFilter, context.view.MapWidget());
  connect(CboTextureSize, &QComboBox::currentIndexChanged, this, &TextureBrowserFeature::ApplyFilter);
  connect(ChkAnimatedOnly, &QCheckBox::toggled, this, &TextureBrowserFeature::ApplyFilter);
  connect(ChkUnusedOnly, &QCheckBox::toggled, this, &TextureBrowserFeature::ApplyFilter);
  connect(CboTextureOrder, &QComboBox::currentIndexChanged, this, [this](int order) {
    allRows->SetOrder(static_cast<TextureOrder>(order));
    favouriteRows->SetOrder(static_cast<TextureOrder>(order));
    RememberSettings();
  });
}

QListView* TextureBrowserFeature::MakeList(QWidget* panel, const char* name, TextureFilterModel* rows,
                                           TextureEntryDelegate* delegate) {
  rows->setSourceModel(context.textures);
  auto* list = new QListView(panel);
  list->setObjectName(name);
  list->setModel(rows);
  list->setItemDelegate(delegate);
  list->setViewMode(QListView::IconMode);
  list->setFlow(QListView::LeftToRight);
  list->setWrapping(true);
  list->setResizeMode(QListView::Adjust);
  list->setMovement(QListView::Static);
  list->setUniformItemSizes(true);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setDragEnabled(true);
  list->setDragDropMode(QAbstractItemView::DragOnly);
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  list->setMouseTracking(true);
  list->viewport()->installEventFilter(this);
  Connect(list);
  return list;
}

void TextureBrowserFeature::Connect(QListView* list) {
  connect(list, &QAbstractItemView::activated, this, &TextureBrowserFeature::ApplyTexture);
  connect(list, &QWidget::customContextMenuRequested, this,
          [this, list](const QPoint& position) { ShowContextMenu(list, position); });
}

void TextureBrowserFeature::Retranslate() {
  DockTextures->setWindowTitle(tr("Texturen"));
  DockTextures->toggleViewAction()->setText(QCoreApplication::translate("Befehle", ViewTexturesText));
  EdtTextureFilter->setPlaceholderText(tr("Filter: Wörter im Namen"));
  ChkAnimatedOnly->setText(tr("nur animiert"));
  ChkUnusedOnly->setText(tr("nur unbenutzt"));
  for (int order = 0; order < 3; ++order)
    CboTextureOrder->setItemText(order, QCoreApplication::translate("TextureBrowserFeature", OrderTexts[order]));
  CboTextureOrder->setToolTip(tr("Reihenfolge"));
  CboTextureSize->setToolTip(tr("Größe des ersten Bildes"));
  if (CboTextureSize->count() > 0) CboTextureSize->setItemText(0, tr("Jede Größe"));
  LblAllTextures->setText(tr("Alle Texturen"));
  UpdateGroups();
}

void TextureBrowserFeature::RestoreSettings() {
  const QSettings settings = ProgramSettings();
  CboTextureOrder->setCurrentIndex(std::clamp(settings.value(OrderKey, 0).toInt(), 0, 2));
  DockTextures->setVisible(settings.value(PanelKey, false).toBool());
  remember = true;
}

void TextureBrowserFeature::RememberSettings() {
  if (!remember) return;
  QSettings settings = ProgramSettings();
  settings.setValue(PanelKey, DockTextures->isVisible());
  settings.setValue(OrderKey, CboTextureOrder->currentIndex());
}

const std::vector<TextureUsage>& TextureBrowserFeature::Usage() {
  if (usageStale) CountUsage();
  return usage;
}

void TextureBrowserFeature::CountUsage() {
  usage = CountEveryTextureUsage(context.session.Map());
  usageStale = false;
  for (TextureFilterModel* rows : {allRows, recentRows, favouriteRows}) rows->UsageChanged();
  for (QListView* list : {LVRecentTextures, LVFavouriteTextures, LVTextures}) list->viewport()->update();
}

void TextureBrowserFeature::DocumentChanged(const DocumentChange& change) {
  using Flag = DocumentChangeFlag;
  if (!change.Has(Flag::CellsChanged | Flag::TexturesChanged | Flag::DocumentReplaced)) return;
  context.textures->Sync();
  // A hidden panel counts when it shows again.
  usageStale = true;
  if (DockTextures->isVisible()) CountUsage();
  if (change.Has(Flag::TexturesChanged | Flag::DocumentReplaced)) {
    if (animated >= context.session.Map().textureCount) PointAt(-1);
    FillSizes();
  }
  UpdateGroups();
}

void TextureBrowserFeature::FillSizes() {
  std::set<std::pair<int, int>> sizes;
  const MapDocument& map = context.session.Map();
  for (int t = 0; t < std::clamp(map.textureCount, 0, MaxTextures); ++t) {
    const TextureEntry& entry = map.textures[static_cast<size_t>(t)];
    if (entry.frameCount <= 0) continue;
    const QSize size = PictureSize(entry.frames[0].thumbnail);
    sizes.insert({size.width(), size.height()});
  }
  const QSize chosen = CboTextureSize->currentData().toSize();
  const QSignalBlocker quiet(CboTextureSize);
  CboTextureSize->clear();
  CboTextureSize->addItem(tr("Jede Größe"), QSize());
  for (const auto& [width, height] : sizes) {
    CboTextureSize->addItem(QStringLiteral("%1 × %2").arg(width).arg(height), QSize(width, height));
  }
  CboTextureSize->setCurrentIndex(std::max(0, CboTextureSize->findData(chosen)));
  ApplyFilter();
}

void TextureBrowserFeature::ApplyFilter() {
  TextureFilter filter;
  filter.words = FilterWords(EdtTextureFilter->text());
  filter.size = CboTextureSize->currentData().toSize();
  filter.animatedOnly = ChkAnimatedOnly->isChecked();
  filter.unusedOnly = ChkUnusedOnly->isChecked();
  for (TextureFilterModel* rows : {allRows, recentRows, favouriteRows}) rows->SetFilter(filter);
  UpdateGroups();
}

void TextureBrowserFeature::UpdateGroups() {
  std::vector<int> favourites;
  for (int t = 0; t < std::clamp(context.session.Map().textureCount, 0, MaxTextures); ++t) {
    if (IsFavourite(t)) favourites.push_back(t);
  }
  favouriteRows->SetMembers(favourites);
  recentRows->SetMembers(context.session.Recent().Textures(), true);
  // A group shows as many rows of tiles as it needs, up to a few, and one row
  // when empty, so the first entry of a group moves nothing under the pointer.
  for (QListView* list : {LVRecentTextures, LVFavouriteTextures}) {
    const int count = list->model()->rowCount();
    if (list == LVRecentTextures) {
      LblRecentTextures->setText(count > 0 ? tr("Zuletzt benutzt") : tr("Zuletzt benutzt: noch keine"));
    } else {
      LblFavouriteTextures->setText(count > 0 ? tr("Favoriten") : tr("Favoriten: noch keine (der Stern einer Textur)"));
    }
    const int tile = TextureEntryDelegate::TilePicture + 8;
    const int perRow = std::max(1, list->viewport()->width() / tile);
    const int rows = std::clamp((count + perRow - 1) / perRow, 1, GroupRows);
    list->setFixedHeight(rows * tile + 2 * list->frameWidth() + 2);
  }
}

void TextureBrowserFeature::ApplyTexture(const QModelIndex& index) {
  const int texture = TextureAt(index);
  if (texture < 0) return;
  EditorSession& session = context.session;
  const CellRange cells = SelectedCells(session.Editor().selection);
  session.Editing().SetTexture(cells, session.Editor().currentLayer, texture);
  // Chosen again for cells that have it already, it is still the one used last.
  session.Recent().Note(texture);
  UpdateGroups();
  context.view.RefreshViews();
}

void TextureBrowserFeature::ShowContextMenu(QListView* list, const QPoint& position) {
  const int texture = TextureAt(list->indexAt(position));
  if (texture < 0) return;
  QMenu menu(list);
  menu.setObjectName("MnuTexture");
  QAction* showCells = menu.addAction(tr("Zellen zeigen"));
  showCells->setObjectName("TextureShowCells");
  QAction* replace = menu.addAction(tr("Überall ersetzen durch..."));
  replace->setObjectName("TextureReplaceEverywhere");
  QAction* edit = menu.addAction(tr("Im Textur-Editor öffnen"));
  edit->setObjectName("TextureOpenInEditor");
  QAction* rename = menu.addAction(tr("Umbenennen"));
  rename->setObjectName("TextureRename");
  menu.addSeparator();
  QAction* favourite = menu.addAction(tr("Favorit"));
  favourite->setObjectName("TextureFavourite");
  favourite->setCheckable(true);
  favourite->setChecked(IsFavourite(texture));
  QAction* chosen = menu.exec(list->viewport()->mapToGlobal(position));
  if (chosen == showCells && links.showCells) links.showCells(texture);
  if (chosen == replace) ReplaceEverywhere(texture);
  if (chosen == edit && links.openInEditor) links.openInEditor(texture);
  if (chosen == rename) Rename(texture);
  if (chosen == favourite) ToggleFavourite(texture);
}

void TextureBrowserFeature::Rename(int texture) {
  const MapDocument& map = context.session.Map();
  if (texture < 0 || texture >= map.textureCount) return;
  QInputDialog dialog(context.window);
  dialog.setObjectName("DlgTextureName");
  dialog.setWindowTitle(tr("Textur umbenennen"));
  dialog.setLabelText(tr("&Name:"));
  dialog.setTextValue(ShownTextureName(map.textures[static_cast<size_t>(texture)]));
  // As in the texture editor, only text the table can store gets through.
  if (auto* field = dialog.findChild<QLineEdit*>()) field->setValidator(new Windows1252Validator(field));
  dialog.setOkButtonText(tr("OK"));
  dialog.setCancelButtonText(tr("Abbrechen"));
  MakeRoomForTitle(dialog);
  if (dialog.exec() != QDialog::Accepted) return;
  if (const std::optional<std::string> name = Utf8ToWindows1252(dialog.textValue().toStdString())) {
    context.session.Editing().RenameTexture(texture, *name);
  }
}

void TextureBrowserFeature::ReplaceEverywhere(int texture) {
  const std::optional<uint16_t> replacement = ChooseReplacementTexture(context.window, *context.textures, texture);
  if (!replacement) return;
  context.session.Editing().ReplaceTexture(texture, *replacement == NoTexture ? -1 : *replacement);
  context.view.RefreshViews();
}

bool TextureBrowserFeature::IsFavourite(int texture) const {
  const MapDocument& map = context.session.Map();
  if (texture < 0 || texture >= std::min(map.textureCount, MaxTextures)) return false;
  return FavouriteTextures::Instance().IsFavourite(map.textures[static_cast<size_t>(texture)]);
}

void TextureBrowserFeature::ToggleFavourite(int texture) {
  const MapDocument& map = context.session.Map();
  if (texture < 0 || texture >= std::min(map.textureCount, MaxTextures)) return;
  // Every map's panel hears of it, and shows its own texture of that name and frames as one.
  FavouriteTextures::Instance().Toggle(map.textures[static_cast<size_t>(texture)]);
}

void TextureBrowserFeature::PointAt(int texture) {
  if (texture == animated) return;
  animated = texture;
  tick = 0;
  const MapDocument& map = context.session.Map();
  const bool moves =
      texture >= 0 && texture < map.textureCount && map.textures[static_cast<size_t>(texture)].frameCount > 1;
  if (moves) {
    animation->start();
  } else {
    animation->stop();
  }
  for (QListView* list : {LVRecentTextures, LVFavouriteTextures, LVTextures}) list->viewport()->update();
}

int TextureBrowserFeature::ShownFrame(int texture) const {
  if (texture != animated) return 0;
  const MapDocument& map = context.session.Map();
  if (texture < 0 || texture >= map.textureCount) return 0;
  const TextureEntry& entry = map.textures[static_cast<size_t>(texture)];
  return FrameAtTick(std::clamp(entry.frameCount, 0, MaxFrames), entry.animationType, tick);
}

bool TextureBrowserFeature::eventFilter(QObject* watched, QEvent* event) {
  if (watched == EdtTextureFilter && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && LVTextures->model()->rowCount() > 0) {
    // Down leaves the filter for the first texture found, as in a search field of a file manager.
    LVTextures->setFocus(Qt::OtherFocusReason);
    LVTextures->setCurrentIndex(LVTextures->model()->index(0, 0));
    return true;
  }
  for (QListView* list : {LVRecentTextures, LVFavouriteTextures, LVTextures}) {
    if (watched != list->viewport()) continue;
    if (event->type() == QEvent::MouseMove) {
      PointAt(TextureAt(list->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint())));
    } else if (event->type() == QEvent::Leave) {
      PointAt(-1);
    } else if (event->type() == QEvent::Resize) {
      QTimer::singleShot(0, this, [this] { UpdateGroups(); });
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tessmoor
