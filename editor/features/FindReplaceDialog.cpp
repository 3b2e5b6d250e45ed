#include "editor/features/FindReplaceDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "edit/CellBlocks.h"
#include "editor/commands/CommandRegistry.h"
#include "editor/widgets/CellFieldNames.h"
#include "editor/widgets/IntSpinField.h"
#include "editor/widgets/TextureLists.h"
#include "editor/widgets/TextureTableModel.h"
#include "editor/widgets/ToolWindowKeys.h"
#include "view/EditingTools.h"

namespace tessmoor {

namespace {

const char* const LayerTexts[SurfaceCount] = {
    QT_TRANSLATE_NOOP("TFrmFindReplace", "Boden"), QT_TRANSLATE_NOOP("TFrmFindReplace", "Decke"),
    QT_TRANSLATE_NOOP("TFrmFindReplace", "Wand"), QT_TRANSLATE_NOOP("TFrmFindReplace", "Sockel - Boden"),
    QT_TRANSLATE_NOOP("TFrmFindReplace", "Sockel - Decke")};
// "auf Boden": where a texture is looked for or written.
const char* const OnLayerTexts[SurfaceCount] = {
    QT_TRANSLATE_NOOP("TFrmFindReplace", "auf Boden"), QT_TRANSLATE_NOOP("TFrmFindReplace", "auf Decke"),
    QT_TRANSLATE_NOOP("TFrmFindReplace", "auf Wand"), QT_TRANSLATE_NOOP("TFrmFindReplace", "auf Sockel - Boden"),
    QT_TRANSLATE_NOOP("TFrmFindReplace", "auf Sockel - Decke")};
constexpr int CellRole = Qt::UserRole;

QString Translated(const char* text) { return QCoreApplication::translate("TFrmFindReplace", text); }

// The names of cell values and kinds come from the table the properties window shares.
QString FieldName(const char* text) { return QCoreApplication::translate("CellFieldNames", text); }

QCheckBox* Check(const char* name, QWidget* parent) {
  auto* box = new QCheckBox(parent);
  box->setObjectName(name);
  return box;
}

IntSpinField* Field(const char* name, QWidget* parent, int32_t value = 0) {
  auto* field = new IntSpinField(parent);
  field->setObjectName(name);
  field->setValue(value);
  return field;
}

QComboBox* List(const char* name, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  return list;
}

// A condition or a replacement switches on by itself when its value is typed into.
void SwitchOnWhenEdited(QCheckBox* box, IntSpinField* field) {
  QObject::connect(field->Line(), &QLineEdit::textEdited, box, [box] { box->setChecked(true); });
}

void SwitchOnWhenChosen(QCheckBox* box, QComboBox* list) {
  QObject::connect(list, QOverload<int>::of(&QComboBox::activated), box, [box] { box->setChecked(true); });
}

HeightRange Range(const IntSpinField* from, const IntSpinField* to) {
  return {static_cast<float>(std::min(from->value(), to->value())),
          static_cast<float>(std::max(from->value(), to->value()))};
}

QString Height(float value) { return QString::number(static_cast<double>(value), 'g', 7); }

QString Named(const char* name, const QString& value) { return FieldName(name) + " " + value; }

QString KindText(uint8_t type) { return type < CellTypeCount ? FieldName(CellTypeTexts[type]) : QString::number(type); }

// The values the conditions asked about, so the list shows why a cell matched.
QString MatchingValues(const MapCell& cell, const CellQuery& query) {
  QStringList values;
  if (query.texture) {
    for (int s = 0; s < SurfaceCount; ++s) {
      if ((query.textureLayer == AnyLayer || query.textureLayer == s) && cell.texture[s] == *query.texture)
        values << Translated(LayerTexts[s]) + ": " +
                      (*query.texture == NoTexture ? NoTextureText() : QString::number(*query.texture));
    }
  }
  if (query.floor || !query.ceiling) values << Named(FloorHeightName, Height(cell.floorHeight));
  if (query.ceiling) {
    values << Named(CeilingHeightName, QString("%1/%2/%3/%4")
                                           .arg(Height(cell.ceilingHeight[0]), Height(cell.ceilingHeight[1]),
                                                Height(cell.ceilingHeight[2]), Height(cell.ceilingHeight[3])));
  }
  if (query.water) values << Named(WaterLevelName, Height(cell.waterLevel));
  if (query.opacityLow || query.opacityHigh) values << Named(OpacityName, QString::number(cell.opacity));
  return values.join(", ");
}

}  // namespace

TFrmFindReplace::TFrmFindReplace(const FeatureContext& context) : QDialog(context.window, Qt::Tool), context(context) {
  setObjectName("FrmFindReplace");

  auto* conditions = GrpConditions = new QGroupBox(this);
  auto* grid = new QGridLayout(conditions);
  ChkKind = Check("ChkKind", conditions);
  CboKind = List("CboKind", conditions);
  ChkTexture = Check("ChkTexture", conditions);
  CboTexture = List("CboTexture", conditions);
  MakeTextureList(CboTexture, *context.textures);
  CboTextureLayer = List("CboTextureLayer", conditions);
  ChkFloor = Check("ChkFloor", conditions);
  SpnFloorFrom = Field("SpnFloorFrom", conditions);
  SpnFloorTo = Field("SpnFloorTo", conditions);
  ChkCeiling = Check("ChkCeiling", conditions);
  SpnCeilingFrom = Field("SpnCeilingFrom", conditions, 128);
  SpnCeilingTo = Field("SpnCeilingTo", conditions, 128);
  ChkWater = Check("ChkWater", conditions);
  SpnWaterFrom = Field("SpnWaterFrom", conditions);
  SpnWaterTo = Field("SpnWaterTo", conditions);
  ChkOpacity = Check("ChkOpacity", conditions);
  SpnOpacityFrom = Field("SpnOpacityFrom", conditions, 0);
  SpnOpacityTo = Field("SpnOpacityTo", conditions, 255);
  ChkSelectionOnly = Check("ChkSelectionOnly", conditions);
  for (int k = 0; k < CellTypeCount; ++k) CboKind->addItem(QString());
  CboTextureLayer->addItem(QString(), AnyLayer);
  for (int s = 0; s < SurfaceCount; ++s) CboTextureLayer->addItem(QString(), s);
  const auto row = [this, grid, conditions](int at, QCheckBox* box, QWidget* first, QWidget* second) {
    grid->addWidget(box, at, 0);
    grid->addWidget(first, at, 1);
    if (second) {
      auto* to = new QLabel(conditions);
      if (qobject_cast<IntSpinField*>(second)) LblTo << to;
      grid->addWidget(to, at, 2);
      grid->addWidget(second, at, 3);
    }
  };
  row(0, ChkKind, CboKind, nullptr);
  grid->addWidget(ChkTexture, 1, 0);
  grid->addWidget(CboTexture, 1, 1);
  grid->addWidget(CboTextureLayer, 1, 3);
  row(2, ChkFloor, SpnFloorFrom, SpnFloorTo);
  row(3, ChkCeiling, SpnCeilingFrom, SpnCeilingTo);
  row(4, ChkWater, SpnWaterFrom, SpnWaterTo);
  row(5, ChkOpacity, SpnOpacityFrom, SpnOpacityTo);
  grid->addWidget(ChkSelectionOnly, 6, 0, 1, 2);
  BtnFind = new QPushButton(conditions);
  BtnFind->setObjectName("BtnFind");
  BtnFind->setDefault(true);
  grid->addWidget(BtnFind, 6, 3);

  LVResults = new QTreeWidget(this);
  LVResults->setObjectName("LVResults");
  LVResults->setRootIsDecorated(false);
  LVResults->setUniformRowHeights(true);
  LVResults->setAllColumnsShowFocus(true);
  LVResults->header()->setStretchLastSection(true);
  LblCount = new QLabel(this);
  LblCount->setObjectName("LblCount");

  auto* replace = GrpReplace = new QGroupBox(this);
  auto* replaceGrid = new QGridLayout(replace);
  ChkSetKind = Check("ChkSetKind", replace);
  CboSetKind = List("CboSetKind", replace);
  for (int k = 0; k < CellTypeCount; ++k) CboSetKind->addItem(QString());
  ChkSetTexture = Check("ChkSetTexture", replace);
  CboSetTexture = List("CboSetTexture", replace);
  MakeTextureList(CboSetTexture, *context.textures);
  CboSetLayer = List("CboSetLayer", replace);
  for (int s = 0; s < SurfaceCount; ++s) CboSetLayer->addItem(QString(), s);
  ChkSetFloor = Check("ChkSetFloor", replace);
  SpnSetFloor = Field("SpnSetFloor", replace);
  ChkSetCeiling = Check("ChkSetCeiling", replace);
  SpnSetCeiling = Field("SpnSetCeiling", replace);
  ChkSetWater = Check("ChkSetWater", replace);
  SpnSetWater = Field("SpnSetWater", replace);
  ChkSetOpacity = Check("ChkSetOpacity", replace);
  SpnSetOpacity = Field("SpnSetOpacity", replace, 255);
  ChkRelative = Check("ChkRelative", replace);
  BtnReplace = new QPushButton(replace);
  BtnReplace->setObjectName("BtnReplace");
  replaceGrid->addWidget(ChkSetKind, 0, 0);
  replaceGrid->addWidget(CboSetKind, 0, 1);
  replaceGrid->addWidget(ChkSetTexture, 1, 0);
  replaceGrid->addWidget(CboSetTexture, 1, 1);
  replaceGrid->addWidget(CboSetLayer, 1, 2);
  replaceGrid->addWidget(ChkSetFloor, 2, 0);
  replaceGrid->addWidget(SpnSetFloor, 2, 1);
  replaceGrid->addWidget(ChkRelative, 2, 2);
  replaceGrid->addWidget(ChkSetCeiling, 3, 0);
  replaceGrid->addWidget(SpnSetCeiling, 3, 1);
  replaceGrid->addWidget(ChkSetWater, 4, 0);
  replaceGrid->addWidget(SpnSetWater, 4, 1);
  replaceGrid->addWidget(ChkSetOpacity, 5, 0);
  replaceGrid->addWidget(SpnSetOpacity, 5, 1);
  replaceGrid->addWidget(BtnReplace, 5, 2);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(conditions);
  layout->addWidget(LVResults, 1);
  layout->addWidget(LblCount);
  layout->addWidget(replace);
  resize(520, 640);

  const std::pair<QCheckBox*, IntSpinField*> fields[] = {
      {ChkFloor, SpnFloorFrom},       {ChkFloor, SpnFloorTo},     {ChkCeiling, SpnCeilingFrom},
      {ChkCeiling, SpnCeilingTo},     {ChkWater, SpnWaterFrom},   {ChkWater, SpnWaterTo},
      {ChkOpacity, SpnOpacityFrom},   {ChkOpacity, SpnOpacityTo}, {ChkSetFloor, SpnSetFloor},
      {ChkSetCeiling, SpnSetCeiling}, {ChkSetWater, SpnSetWater}, {ChkSetOpacity, SpnSetOpacity}};
  for (const auto& [box, field] : fields) SwitchOnWhenEdited(box, field);
  const std::pair<QCheckBox*, QComboBox*> lists[] = {
      {ChkKind, CboKind},       {ChkTexture, CboTexture},       {ChkTexture, CboTextureLayer},
      {ChkSetKind, CboSetKind}, {ChkSetTexture, CboSetTexture}, {ChkSetTexture, CboSetLayer}};
  for (const auto& [box, list] : lists) SwitchOnWhenChosen(box, list);
  connect(BtnFind, &QPushButton::clicked, this, &TFrmFindReplace::BtnFindClick);
  connect(BtnReplace, &QPushButton::clicked, this, &TFrmFindReplace::BtnReplaceClick);
  connect(LVResults, &QTreeWidget::itemActivated, this, &TFrmFindReplace::LVResultsDoubleClick);
  Retranslate();
}

void TFrmFindReplace::Retranslate() {
  setWindowTitle(tr("Suchen und Ersetzen"));
  GrpConditions->setTitle(tr("Suchen nach"));
  ChkKind->setText(tr("T&yp:"));
  ChkTexture->setText(tr("&Textur:"));
  ChkFloor->setText(tr("&Bodenhöhe:"));
  ChkCeiling->setText(tr("&Deckenhöhe (eine Ecke):"));
  ChkWater->setText(tr("&Wasserspiegel:"));
  ChkOpacity->setText(tr("Op&azität:"));
  ChkSelectionOnly->setText(tr("nur in der A&uswahl"));
  for (QLabel* to : LblTo) to->setText(tr("bis"));
  for (int k = 0; k < CellTypeCount; ++k) {
    CboKind->setItemText(k, FieldName(CellTypeTexts[static_cast<size_t>(k)]));
    CboSetKind->setItemText(k, FieldName(CellTypeTexts[static_cast<size_t>(k)]));
  }
  CboTextureLayer->setItemText(0, tr("auf jeder Ebene"));
  for (int s = 0; s < SurfaceCount; ++s) {
    CboTextureLayer->setItemText(s + 1, Translated(OnLayerTexts[s]));
    CboSetLayer->setItemText(s, Translated(OnLayerTexts[s]));
  }
  BtnFind->setText(tr("&Suchen"));
  LVResults->setHeaderLabels({tr("Zelle"), tr("Typ"), tr("Werte")});
  GrpReplace->setTitle(tr("Ersetzen durch"));
  ChkSetKind->setText(tr("Ty&p:"));
  ChkSetTexture->setText(tr("Te&xtur:"));
  ChkSetFloor->setText(tr("B&odenhöhe:"));
  ChkSetCeiling->setText(tr("Deckenhöhe (alle Ec&ken):"));
  ChkSetWater->setText(tr("Wassersp&iegel:"));
  ChkSetOpacity->setText(tr("Opa&zität:"));
  ChkRelative->setText(tr("re&lativ"));
  BtnReplace->setText(tr("&Ersetzen"));
  ShowCount();
}

void TFrmFindReplace::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange && BtnReplace) {
    Retranslate();
    // The texture lists' "(keine)" and the values the list shows are worded anew too.
    if (CboTexture->count() > 0) FillTextureLists();
    if (lastQuery) FillResults(*lastQuery);
  }
  QDialog::changeEvent(event);
}

void TFrmFindReplace::ShowCount() {
  const long long count = static_cast<long long>(found.size());
  switch (counted) {
    case Counted::Nothing:
      LblCount->clear();
      break;
    case Counted::Found:
      LblCount->setText((count == 1 ? tr("%1 Zelle gefunden") : tr("%1 Zellen gefunden")).arg(count));
      break;
    case Counted::Replaced:
      LblCount->setText((count == 1 ? tr("%1 Zelle ersetzt") : tr("%1 Zellen ersetzt")).arg(count));
      break;
  }
}

void TFrmFindReplace::FillTextureLists() {
  for (QComboBox* list : {CboTexture, CboSetTexture}) {
    const uint previous = list->currentData().toUInt();
    FillTextureList(list, *context.textures, {NoTextureText(), true});
    const int again = list->findData(previous);
    list->setCurrentIndex(again >= 0 ? again : 0);
  }
}

CellQuery TFrmFindReplace::Query() const {
  CellQuery query;
  if (ChkKind->isChecked()) query.type = static_cast<uint8_t>(CboKind->currentIndex());
  if (ChkTexture->isChecked()) {
    query.texture = static_cast<uint16_t>(CboTexture->currentData().toUInt());
    query.textureLayer = CboTextureLayer->currentData().toInt();
  }
  if (ChkFloor->isChecked()) query.floor = Range(SpnFloorFrom, SpnFloorTo);
  if (ChkCeiling->isChecked()) query.ceiling = Range(SpnCeilingFrom, SpnCeilingTo);
  if (ChkWater->isChecked()) query.water = Range(SpnWaterFrom, SpnWaterTo);
  if (ChkOpacity->isChecked()) {
    query.opacityLow =
        static_cast<uint8_t>(std::clamp(std::min(SpnOpacityFrom->value(), SpnOpacityTo->value()), 0, 255));
    query.opacityHigh =
        static_cast<uint8_t>(std::clamp(std::max(SpnOpacityFrom->value(), SpnOpacityTo->value()), 0, 255));
  }
  if (ChkSelectionOnly->isChecked()) query.within = SelectedCells(context.session.Editor().selection);
  return query;
}

CellFieldEdit TFrmFindReplace::Replacement() const {
  CellFieldEdit edit;
  edit.relativeHeights = ChkRelative->isChecked();
  if (ChkSetKind->isChecked()) {
    edit.changed.set(CellField::Type);
    edit.values.type = static_cast<uint8_t>(CboSetKind->currentIndex());
  }
  if (ChkSetTexture->isChecked()) {
    const auto layer = static_cast<SurfaceKind>(CboSetLayer->currentData().toInt());
    edit.changed.set(TextureField(layer));
    edit.values.texture[layer] = static_cast<uint16_t>(CboSetTexture->currentData().toUInt());
  }
  if (ChkSetFloor->isChecked()) {
    edit.changed.set(CellField::FloorHeight);
    edit.values.floorHeight = static_cast<float>(SpnSetFloor->value());
  }
  if (ChkSetCeiling->isChecked()) {
    for (int c = 0; c < 4; ++c) {
      edit.changed.set(CeilingHeightField(c));
      edit.values.ceilingHeight[c] = static_cast<float>(SpnSetCeiling->value());
    }
  }
  if (ChkSetWater->isChecked()) {
    edit.changed.set(CellField::WaterLevel);
    edit.values.waterLevel = static_cast<float>(SpnSetWater->value());
  }
  if (ChkSetOpacity->isChecked()) {
    edit.changed.set(CellField::Opacity);
    edit.values.opacity = static_cast<uint8_t>(std::clamp(SpnSetOpacity->value(), 0, 255));
  }
  return edit;
}

void TFrmFindReplace::BtnFindClick() {
  const CellQuery query = Query();
  found = FindCells(context.session.Map(), query);
  FillResults(query);
  counted = Counted::Found;
  ShowCount();
}

void TFrmFindReplace::FindTexture(int texture) {
  FillTextureList(CboTexture, *context.textures, {NoTextureText(), true});
  for (QCheckBox* box : {ChkKind, ChkFloor, ChkCeiling, ChkWater, ChkOpacity, ChkSelectionOnly}) box->setChecked(false);
  ChkTexture->setChecked(true);
  CboTexture->setCurrentIndex(std::max(0, CboTexture->findData(texture)));
  CboTextureLayer->setCurrentIndex(std::max(0, CboTextureLayer->findData(AnyLayer)));
  BtnFindClick();
}

void TFrmFindReplace::BtnReplaceClick() {
  // What is replaced is what the conditions find now, not an older list; the
  // list then shows those cells with their new values.
  const CellQuery query = Query();
  found = FindCells(context.session.Map(), query);
  if (!ReplaceInCells(context.session.Model(), found, Replacement())) found.clear();
  FillResults(query);
  counted = Counted::Replaced;
  ShowCount();
}

void TFrmFindReplace::FillResults(const CellQuery& query) {
  lastQuery = query;
  LVResults->setUpdatesEnabled(false);
  LVResults->clear();
  for (const GridPoint cell : found) {
    const MapCell& values = context.session.Map().Cell(cell.x, cell.y);
    auto* item = new QTreeWidgetItem(LVResults);
    item->setText(0, QString("%1: %2").arg(cell.x).arg(cell.y));
    item->setText(1, KindText(values.type));
    item->setText(2, MatchingValues(values, query));
    item->setData(0, CellRole, QPoint(cell.x, cell.y));
  }
  LVResults->resizeColumnToContents(0);
  LVResults->resizeColumnToContents(1);
  LVResults->setUpdatesEnabled(true);
}

void TFrmFindReplace::LVResultsDoubleClick(QTreeWidgetItem* item) {
  if (item == nullptr) return;
  const QPoint cell = item->data(0, CellRole).toPoint();
  context.view.ShowCell({cell.x(), cell.y()});
}

FindReplaceFeature::FindReplaceFeature(const FeatureContext& context) : QObject(context.window), context(context) {
  setObjectName("FindReplaceFeature");
  // The window is this feature's own, over the map of the window that made it.
  context.registry.Add({"EditFindReplace",
                        QT_TRANSLATE_NOOP("Befehle", "Suchen und Erse&tzen..."),
                        QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Sucht Zellen nach Eigenschaften und ersetzt sie."),
                        "&Bearbeiten",
                        {QKeySequence(Qt::CTRL | Qt::Key_F)}},
                       [this](const FeatureContext&) {
                         TFrmFindReplace& window = Window();
                         window.FillTextureLists();
                         window.show();
                         window.raise();
                         window.activateWindow();
                       });
}

TFrmFindReplace& FindReplaceFeature::Window() {
  if (!FrmFindReplace) {
    FrmFindReplace = new TFrmFindReplace(context);
    KeepMnemonicsInside(FrmFindReplace);
  }
  return *FrmFindReplace;
}

}  // namespace tessmoor
