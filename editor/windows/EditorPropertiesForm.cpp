#include "editor/windows/EditorPropertiesForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "editor/widgets/CellFieldNames.h"
#include "editor/widgets/FormRows.h"
#include "editor/widgets/IntSpinField.h"
#include "editor/widgets/TextureLists.h"
#include "editor/widgets/TextureTableModel.h"

namespace tessmoor {

namespace {

// The five surfaces share their labels between the texture and offset pages.
const std::array<const char*, SurfaceCount> SurfaceLabels = {
    QT_TRANSLATE_NOOP("TFrmProperties", "&Boden:"), QT_TRANSLATE_NOOP("TFrmProperties", "&Decke:"),
    QT_TRANSLATE_NOOP("TFrmProperties", "&Wand:"), QT_TRANSLATE_NOOP("TFrmProperties", "Sockel - B&oden:"),
    QT_TRANSLATE_NOOP("TFrmProperties", "Sockel - D&ecke:")};
const std::array<const char*, SurfaceCount> SurfaceNames = {"Floor", "Ceiling", "Wall", "PedestalFloor",
                                                            "PedestalCeiling"};

// Characters a texture list shows before it cuts a long name short.
constexpr int TextureListWidth = 22;

// Heights are floats in the cell but whole numbers in the window: halves go to
// the even neighbour, and a value no 32-bit field can hold (a corrupt file may
// carry one) is pinned to the nearest end instead of overflowing.
int32_t FieldValueOf(float value) {
  if (std::isnan(value)) return 0;
  const double exact = value;
  double rounded = std::floor(exact);
  const double fraction = exact - rounded;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
  if (rounded <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (rounded >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(rounded);
}

IntSpinField* NamedSpinField(const QString& name, QWidget* parent) {
  auto* field = new IntSpinField(parent);
  field->setObjectName(name);
  return field;
}

QComboBox* NamedList(const QString& name, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  list->setMinimumContentsLength(TextureListWidth);
  return list;
}

QPushButton* NamedButton(const QString& name, QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setObjectName(name);
  return button;
}

QFormLayout* PageLayout(QWidget* page) {
  auto* layout = new QFormLayout(page);
  layout->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  layout->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return layout;
}

// The four ceiling fields sit at the corners of a square outline, in the
// places of the cell corners they stand for.
class CeilingSquare : public QWidget {
 public:
  CeilingSquare(const std::array<IntSpinField*, 4>& corners, QWidget* parent) : QWidget(parent), corners(corners) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(0);
    grid->setColumnMinimumWidth(1, 24);
    grid->setRowMinimumHeight(1, 24);
    grid->addWidget(corners[0], 0, 0);
    grid->addWidget(corners[1], 0, 2);
    grid->addWidget(corners[2], 2, 2);
    grid->addWidget(corners[3], 2, 0);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(QRect(corners[0]->geometry().center(), corners[2]->geometry().center()));
  }

 private:
  std::array<IntSpinField*, 4> corners;
};

}  // namespace

TFrmProperties::TFrmProperties(DocumentModel& model, QWidget* mainWindow, TextureTableModel* textures)
    : QDialog(mainWindow, Qt::Tool),
      model(model),
      textures(textures ? textures : new TextureTableModel(model, nullptr, this)) {
  setObjectName(QStringLiteral("FrmProperties"));
  model.AddObserver(this);
  PagProperties = new QTabWidget(this);
  PagProperties->setObjectName(QStringLiteral("PagProperties"));
  Tab3DModel = Build3DModelPage();
  TabTextures = BuildTexturesPage();
  TabOffsets = BuildOffsetsPage();
  PagProperties->addTab(Tab3DModel, QString());
  PagProperties->addTab(TabTextures, QString());
  PagProperties->addTab(TabOffsets, QString());

  BtnOk = NamedButton(QStringLiteral("BtnOk"), this);
  BtnCancel = NamedButton(QStringLiteral("BtnCancel"), this);
  BtnApply = NamedButton(QStringLiteral("BtnApply"), this);
  BtnApply->setDefault(true);
  connect(BtnOk, &QPushButton::clicked, this, &TFrmProperties::BtnOkClick);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(BtnApply, &QPushButton::clicked, this, &TFrmProperties::BtnApplyClick);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {BtnOk, BtnCancel, BtnApply}) buttons->addWidget(button);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(8);
  layout->addWidget(PagProperties);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  Retranslate();
}

void TFrmProperties::Retranslate() {
  ShowBindingKind();
  PagProperties->setTabText(0, tr("3D-Modell"));
  PagProperties->setTabText(1, tr("Texturen"));
  PagProperties->setTabText(2, tr("Offsets"));
  BtnOk->setText(tr("&OK"));
  BtnCancel->setText(tr("&Abbrechen"));
  BtnApply->setText(tr("Ü&bernehmen"));
  // Every page has a label on Alt+O and on Alt+B; the labels keep those keys,
  // so the field of the row is always reached, never a button by chance.
  BtnOk->setShortcut(QKeySequence());
  BtnApply->setShortcut(QKeySequence());
  for (QPushButton* button : {BtnOk, BtnCancel, BtnApply}) button->setMinimumWidth(0);
  const int buttonWidth =
      std::max({BtnOk->sizeHint().width(), BtnCancel->sizeHint().width(), BtnApply->sizeHint().width()});
  for (QPushButton* button : {BtnOk, BtnCancel, BtnApply}) button->setMinimumWidth(buttonWidth);

  const int type = CboType->currentIndex();
  for (int index = 0; index < CboType->count(); ++index)
    CboType->setItemText(index, QCoreApplication::translate("CellFieldNames", CellTypeTexts[size_t(index)]));
  CboType->setCurrentIndex(type);
  ModelLabels[0]->setText(tr("&Typ:"));
  ModelLabels[1]->setText(tr("&Wasserspiegel:"));
  ModelLabels[2]->setText(tr("&Opazität:"));
  ModelLabels[3]->setText(tr("&Bodenhöhe:"));
  ModelLabels[4]->setText(tr("&Deckenhöhe:"));
  ChkRelative->setText(tr("&relativ"));
  ChkRelative->setToolTip(tr("Höhen werden zu den Höhen jeder Zelle addiert"));
  for (int kind = 0; kind < SurfaceCount; ++kind) {
    TextureLabels[size_t(kind)]->setText(QCoreApplication::translate("TFrmProperties", SurfaceLabels[size_t(kind)]));
    OffsetLabels[size_t(kind)]->setText(QCoreApplication::translate("TFrmProperties", SurfaceLabels[size_t(kind)]));
  }
}

void TFrmProperties::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

QWidget* TFrmProperties::Build3DModelPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("Tab3DModel"));
  CboType = new QComboBox(page);
  CboType->setObjectName(QStringLiteral("CboType"));
  for (size_t i = 0; i < CellTypeTexts.size(); ++i) CboType->addItem(QString());
  SpnWaterHeight = NamedSpinField(QStringLiteral("SpnWaterHeight"), page);
  SpnAlpha = NamedSpinField(QStringLiteral("SpnAlpha"), page);
  SpnFloorHeight = NamedSpinField(QStringLiteral("SpnFloorHeight"), page);

  auto* layout = PageLayout(page);
  ModelLabels[0] = AddLabeledRow(layout, CboType);
  ModelLabels[1] = AddLabeledRow(layout, SpnWaterHeight);
  ModelLabels[2] = AddLabeledRow(layout, SpnAlpha);
  ModelLabels[3] = AddLabeledRow(layout, SpnFloorHeight);
  ModelLabels[4] = AddLabeledRow(layout, BuildCeilingSquare());
  ModelLabels[4]->setBuddy(SpnCeilingHeight[0]);
  ChkRelative = new QCheckBox(page);
  ChkRelative->setObjectName(QStringLiteral("ChkRelative"));
  ChkRelative->hide();  // only a rectangle of cells has heights to offset
  layout->addRow(QString(), ChkRelative);
  connect(ChkRelative, &QCheckBox::toggled, this, [this] { ShowRangeHeights(); });
  // Laid out clockwise, but the keyboard visits the corners in number order.
  QWidget::setTabOrder(SpnFloorHeight, SpnCeilingHeight[0]);
  for (int corner = 0; corner < 3; ++corner)
    QWidget::setTabOrder(SpnCeilingHeight[corner], SpnCeilingHeight[corner + 1]);
  return page;
}

QWidget* TFrmProperties::BuildCeilingSquare() {
  for (int corner = 0; corner < 4; ++corner)
    SpnCeilingHeight[corner] = NamedSpinField(QStringLiteral("SpnCeilingHeight%1").arg(corner), nullptr);
  return new CeilingSquare(SpnCeilingHeight, nullptr);
}

QWidget* TFrmProperties::BuildTexturesPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabTextures"));
  auto* layout = PageLayout(page);
  for (int kind = 0; kind < SurfaceCount; ++kind) {
    CboTex[kind] = NamedList(QStringLiteral("CboTex") + SurfaceNames[kind], page);
    MakeTextureList(CboTex[kind], *textures);
    TextureLabels[size_t(kind)] = AddLabeledRow(layout, CboTex[kind]);
  }
  return page;
}

QWidget* TFrmProperties::BuildOffsetsPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabOffsets"));
  auto* layout = PageLayout(page);
  for (int kind = 0; kind < SurfaceCount; ++kind) {
    SpnOfs[kind] = NamedSpinField(QStringLiteral("SpnOfs") + SurfaceNames[kind], page);
    OffsetLabels[size_t(kind)] = AddLabeledRow(layout, SpnOfs[kind]);
  }
  return page;
}

TFrmProperties::~TFrmProperties() { model.RemoveObserver(this); }

void TFrmProperties::Bind(const CellBinding& cellBinding) {
  binding = cellBinding;
  ShowBindingKind();
  for (QComboBox* list : CboTex) FillTextureList(list);
  if (IsRangeBound()) {
    LoadRangeControls();
  } else if (const MapCell* cell = BoundCell(model, binding)) {
    LoadControls(*cell);
  }
}

void TFrmProperties::DocumentChanged(const DocumentChange& change) {
  if (change.Has(DocumentChangeFlag::TexturesChanged | DocumentChangeFlag::DocumentReplaced)) {
    Bind(binding);
  } else if (ChangeTouchesBinding(change, binding)) {
    if (IsRangeBound()) {
      LoadRangeControls();
    } else {
      LoadControls(*BoundCell(model, binding));
    }
  }
}

void TFrmProperties::LoadControls(
    const MapCell& cell) {  // A type no list entry stands for leaves the list without a selection.
  CboType->setCurrentIndex(cell.type < CellTypeCount ? cell.type : -1);
  LoadHeights(cell);
  SpnAlpha->setValue(cell.opacity);
  for (int kind = 0; kind < SurfaceCount; ++kind) SelectTextureItem(cell.texture[kind], CboTex[kind]);
  for (int kind = 0; kind < SurfaceCount; ++kind) SpnOfs[kind]->setValue(cell.textureOffset[kind]);
}

void TFrmProperties::LoadHeights(const MapCell& cell) {
  SpnWaterHeight->setValue(FieldValueOf(cell.waterLevel));
  SpnFloorHeight->setValue(FieldValueOf(cell.floorHeight));
  for (int corner = 0; corner < 4; ++corner)
    SpnCeilingHeight[corner]->setValue(FieldValueOf(cell.ceilingHeight[corner]));
}

void TFrmProperties::ApplyToCell() {
  // The window can be opened before any cell was clicked; then there is
  // nothing to write to.
  const MapCell* bound = BoundCell(model, binding);
  if (bound == nullptr) return;
  if (IsRangeBound()) {
    ApplyToRange();
    return;
  }
  ApplyToBoundCell(model, binding, ControlValues(*bound));
}

MapCell TFrmProperties::ControlValues(const MapCell& base) const {
  MapCell cell = base;
  // A list without a selection has no value to give, so its field stays.
  if (CboType->currentIndex() >= 0) cell.type = static_cast<uint8_t>(CboType->currentIndex());
  cell.waterLevel = static_cast<float>(SpnWaterHeight->value());
  cell.opacity = static_cast<uint8_t>(SpnAlpha->value());
  cell.floorHeight = static_cast<float>(SpnFloorHeight->value());
  for (int corner = 0; corner < 4; ++corner)
    cell.ceilingHeight[corner] = static_cast<float>(SpnCeilingHeight[corner]->value());
  for (int kind = 0; kind < SurfaceCount; ++kind) {
    if (CboTex[kind]->currentIndex() >= 0)
      cell.texture[kind] = static_cast<uint16_t>(CboTex[kind]->currentData().toUInt());
  }
  for (int kind = 0; kind < SurfaceCount; ++kind)
    cell.textureOffset[kind] = static_cast<int16_t>(static_cast<uint16_t>(SpnOfs[kind]->value()));
  return cell;
}

void TFrmProperties::FillTextureList(QComboBox* list) {
  const QSignalBlocker blocker(list);
  list->setUpdatesEnabled(false);
  tessmoor::FillTextureList(list, *textures, {});
  list->setCurrentIndex(-1);
  list->setUpdatesEnabled(true);
}

void TFrmProperties::SelectTextureItem(uint16_t value, QComboBox* list) {
  const int index = list->findData(QVariant(static_cast<uint>(value)));
  if (index >= 0) list->setCurrentIndex(index);
}

void TFrmProperties::BtnOkClick() {
  ApplyToCell();
  close();
}

void TFrmProperties::BtnApplyClick() { ApplyToCell(); }

void TFrmProperties::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;  // a window restored from the task bar was visible all along
  PagProperties->setCurrentWidget(Tab3DModel);
  BtnOk->setFocus();
  emit visibilityChanged(true);
}

void TFrmProperties::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (event->spontaneous()) return;
  emit visibilityChanged(false);
}

}  // namespace tessmoor
