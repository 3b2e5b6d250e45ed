#include "editor/features/StampFeature.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDockWidget>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "app/StampLibrary.h"
#include "edit/BlockPlacement.h"
#include "edit/CellBlocks.h"
#include "editor/commands/CommandRegistry.h"
#include "editor/mapview/BlockPlacementTool.h"
#include "editor/widgets/HiColorQImage.h"
#include "editor/widgets/LanguageChange.h"
#include "editor/widgets/MapKeyFocus.h"
#include "editor/widgets/ProgramSettings.h"
#include "editor/widgets/TitleRoom.h"
#include "editor/widgets/ToolDock.h"
#include "texts/StampTexts.h"
#include "view/BlockPicture.h"
#include "view/EditingTools.h"
#include "view/HitTesting.h"

namespace tessmoor {

namespace {

constexpr int PictureCellSize = 16;
constexpr int IconSide = 96;
const char* const PanelKey = "Stempel/Panel";
const char* const MatchHeightsKey = "Stempel/HoehenAnpassen";
const char* const ViewStampsText = QT_TRANSLATE_NOOP("Befehle", "Ste&mpel");

// Names as the user's language orders and spells them.
StampNameRules GermanNameRules() {
  return {[](const std::string& a, const std::string& b) {
            return QString::localeAwareCompare(QString::fromUtf8(a), QString::fromUtf8(b)) < 0;
          },
          [](char32_t c) { return QChar::isLetterOrNumber(c); }};
}

StampLibrary Library() {
  return StampLibrary(QFile::encodeName(StampFeature::StampFolder()).toStdString(), GermanNameRules());
}

QString NameOf(const Stamp& stamp) { return QString::fromUtf8(stamp.name); }

}  // namespace

struct StampFeature::Entry {
  StoredStamp stored;
  std::vector<TextureEntry> textures;  // the stamp's textures with their pictures
  std::vector<const HiColorImage*> Thumbnails() const {
    std::vector<const HiColorImage*> thumbnails;
    for (const TextureEntry& texture : textures) {
      thumbnails.push_back(texture.frameCount > 0 ? &texture.frames[0].thumbnail : nullptr);
    }
    return thumbnails;
  }
};

StampFeature::StampFeature(const FeatureContext& context, BlockPlacementTool& tool)
    : QObject(context.window), context(context), tool(tool) {
  setObjectName("StampFeature");
  // Both commands go into the window's menus: saving into Bearbeiten, the panel into Ansicht.
  context.registry.Add(
      {"EditSaveStamp", QT_TRANSLATE_NOOP("Befehle", "Als Stempel spei&chern..."),
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Speichert die ausgewählten Zellen als Stempel."), "&Bearbeiten"},
      [this](const FeatureContext& c) { SaveSelection(c.session); });

  auto* panel = new QWidget;
  EdtStampFilter = new QLineEdit(panel);
  EdtStampFilter->setObjectName("EdtStampFilter");
  LVStamps = new QListWidget(panel);
  LVStamps->setObjectName("LVStamps");
  LVStamps->setIconSize(QSize(IconSide, IconSide));
  LVStamps->setContextMenuPolicy(Qt::CustomContextMenu);
  LVStamps->setSelectionMode(QAbstractItemView::SingleSelection);
  ChkMatchHeights = new QCheckBox(panel);
  ChkMatchHeights->setObjectName("ChkMatchHeights");
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(4, 4, 4, 4);
  column->addWidget(EdtStampFilter);
  column->addWidget(LVStamps, 1);
  column->addWidget(ChkMatchHeights);
  DockStamps = AddToolDock(*context.window, "DockStamps", "ViewStamps", panel, *EdtStampFilter, *this,
                           [this] { RememberSettings(); });
  QAction* viewStamps = DockStamps->toggleViewAction();
  Retranslate();
  OnLanguageChange(this, [this] { Retranslate(); });

  // The panel is this window's own: showing it changes no map.
  context.registry.Adopt(
      {{}, {}, QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Zeigt oder verbirgt die Stempelleiste."), "&Ansicht"},
      viewStamps, [this](const FeatureContext&) { RememberSettings(); });
  connect(ChkMatchHeights, &QCheckBox::toggled, this, &StampFeature::RememberSettings);
  connect(EdtStampFilter, &QLineEdit::textChanged, this, &StampFeature::ApplyFilter);
  EscapeEmptiesField(*EdtStampFilter, context.view.MapWidget());
  connect(LVStamps, &QListWidget::itemClicked, this, &StampFeature::StartPlacing);
  connect(LVStamps, &QListWidget::itemActivated, this, &StampFeature::StartPlacing);
  connect(LVStamps, &QListWidget::customContextMenuRequested, this, &StampFeature::ShowContextMenu);
  connect(context.registry.Action("ViewFloor")->actionGroup(), &QActionGroup::triggered, this,
          &StampFeature::RedrawPictures);
  connect(&tool, &BlockPlacementTool::Stopped, this, [this] { placing = -1; });
  Reload();
}

StampFeature::~StampFeature() = default;

void StampFeature::Retranslate() {
  DockStamps->setWindowTitle(tr("Stempel"));
  DockStamps->toggleViewAction()->setText(QCoreApplication::translate("Befehle", ViewStampsText));
  EdtStampFilter->setPlaceholderText(tr("Filter"));
  ChkMatchHeights->setText(tr("&Höhen an Ziel anpassen"));
}

QString StampFeature::StampFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/stamps/";
}

void StampFeature::RestoreSettings() {
  const QSettings settings = ProgramSettings();
  ChkMatchHeights->setChecked(settings.value(MatchHeightsKey, false).toBool());
  DockStamps->setVisible(settings.value(PanelKey, false).toBool());
  remember = true;
}

void StampFeature::RememberSettings() {
  if (!remember) return;
  QSettings settings = ProgramSettings();
  settings.setValue(PanelKey, DockStamps->isVisible());
  settings.setValue(MatchHeightsKey, ChkMatchHeights->isChecked());
}

void StampFeature::Reload() {
  tool.Stop();
  entries.clear();
  LVStamps->clear();
  for (StoredStamp& stored : Library().List()) {
    auto entry = std::make_unique<Entry>();
    entry->stored = std::move(stored);
    for (const StampTexture& texture : entry->stored.stamp.textures) {
      entry->textures.push_back(StampTextureEntry(texture, context.session.Editor().programDirectory));
    }
    entries.push_back(std::move(entry));
  }
  for (size_t k = 0; k < entries.size(); ++k) {
    LVStamps->addItem(new QListWidgetItem());
    FillItem(static_cast<int>(k));
  }
  ApplyFilter();
}

void StampFeature::FillItem(int index) {
  const Entry& entry = *entries[static_cast<size_t>(index)];
  QListWidgetItem* item = LVStamps->item(index);
  const CellBlock& block = entry.stored.stamp.block;
  item->setText(NameOf(entry.stored.stamp) + "\n" + QString("%1 × %2").arg(block.width).arg(block.height));
  const QImage picture = ToQImage(BlockPicture(block, context.session.Editor().currentLayer, entry.Thumbnails(),
                                               context.session.Editor(), PictureCellSize));
  item->setIcon(QIcon(QPixmap::fromImage(picture.scaled(IconSide, IconSide, Qt::KeepAspectRatio))));
  item->setData(Qt::UserRole, index);
}

void StampFeature::RedrawPictures() {
  for (int k = 0; k < static_cast<int>(entries.size()); ++k) FillItem(k);
}

void StampFeature::ApplyFilter() {
  const QString filter = EdtStampFilter->text().trimmed();
  for (int k = 0; k < LVStamps->count(); ++k) {
    LVStamps->item(k)->setHidden(
        !NameOf(entries[static_cast<size_t>(k)]->stored.stamp).contains(filter, Qt::CaseInsensitive));
  }
}

// The name a stamp is saved or renamed under; empty when cancelled or blank.
QString StampFeature::AskName(const QString& title, const QString& current) {
  QInputDialog dialog(context.window);
  dialog.setObjectName("DlgStampName");
  dialog.setWindowTitle(title);
  dialog.setLabelText(tr("&Name:"));
  dialog.setTextValue(current);
  dialog.setOkButtonText(tr("OK"));
  dialog.setCancelButtonText(tr("Abbrechen"));
  MakeRoomForTitle(dialog);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.textValue().trimmed();
}

void StampFeature::SaveSelection(EditorSession& session) {
  const QString name = AskName(tr("Als Stempel speichern"), {});
  if (name.isEmpty()) return;
  const CellRange range = SelectedCells(session.Editor().selection);
  const StampOutcome outcome = Library().Add(MakeStamp(session.Map(), range, {}), name.toStdString());
  if (!outcome.Ok()) {
    session.Dialogs().ShowError(StampText(outcome));
    return;
  }
  Reload();
  DockStamps->show();
  RememberSettings();
}

void StampFeature::StartPlacing(QListWidgetItem* item) {
  if (item == nullptr) return;
  const int index = item->data(Qt::UserRole).toInt();
  if (index < 0 || index >= static_cast<int>(entries.size())) return;
  const Entry& entry = *entries[static_cast<size_t>(index)];
  const EditorState& editor = context.session.Editor();
  const GridPoint at = IsOnGrid(editor.hoverCell)
                           ? editor.hoverCell
                           : GridPoint{SelectedCells(editor.selection).x1, SelectedCells(editor.selection).y1};
  const Entry* placed = &entry;
  tool.Start(entry.stored.stamp.block, entry.Thumbnails(), at, [this, placed](const Placement& where) {
    Placement placement = where;
    placement.matchHeights = ChkMatchHeights->isChecked();
    const PlacementResult result =
        PlaceStamp(context.session.Model(), placed->stored.stamp, placement, context.session.Editor().programDirectory);
    if (!result.ok) {
      if (!IsEmpty(result.message)) context.session.Dialogs().ShowError(result.message);
      return;
    }
    context.session.Editing().Select(result.range);
    context.view.RefreshViews();
  });
  placing = index;
}

void StampFeature::ShowContextMenu(const QPoint& position) {
  QListWidgetItem* item = LVStamps->itemAt(position);
  if (item == nullptr) return;
  const int index = item->data(Qt::UserRole).toInt();
  QMenu menu(LVStamps);
  menu.setObjectName("MnuStamp");
  QAction* rename = menu.addAction(tr("&Umbenennen..."));
  rename->setObjectName("StampRename");
  QAction* remove = menu.addAction(tr("&Löschen"));
  remove->setObjectName("StampDelete");
  QAction* chosen = menu.exec(LVStamps->viewport()->mapToGlobal(position));
  if (chosen == rename) Rename(index);
  if (chosen == remove) Remove(index);
}

void StampFeature::Rename(int index) {
  Entry& entry = *entries[static_cast<size_t>(index)];
  const QString name = AskName(tr("Stempel umbenennen"), NameOf(entry.stored.stamp));
  if (name.isEmpty()) return;
  const StampOutcome outcome = Library().Rename(entry.stored, name.toStdString());
  if (!outcome.Ok()) {
    context.session.Dialogs().ShowError(StampText(outcome));
    return;
  }
  Reload();
}

void StampFeature::Remove(int index) {
  // A file that cannot be removed stays in the list, as it stays in the folder.
  Library().Remove(entries[static_cast<size_t>(index)]->stored);
  Reload();
}

}  // namespace tessmoor
