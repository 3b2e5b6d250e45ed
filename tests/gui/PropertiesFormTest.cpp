// The properties window against real MapCell records: what it shows for a
// cell, what Apply writes back, and how its keyboard behaves.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

#include "edit/CellCommands.h"
#include "editor/windows/EditorPropertiesForm.h"
#include "editor/widgets/IntSpinField.h"
#include "texts/StepTexts.h"

namespace tessmoor {

namespace {

const char* const TextureLists[] = {"CboTexFloor", "CboTexCeiling", "CboTexWall", "CboTexPedestalFloor",
                                    "CboTexPedestalCeiling"};
const char* const OffsetFields[] = {"SpnOfsFloor", "SpnOfsCeiling", "SpnOfsWall", "SpnOfsPedestalFloor",
                                    "SpnOfsPedestalCeiling"};

// The grid cell the tests edit through the window.
constexpr GridPoint TestCell{5, 7};

void AddTexture(MapDocument& document, const std::string& nameBytes) {
  TextureEntry& entry = document.textures[static_cast<size_t>(document.textureCount)];
  entry.index = document.textureCount;
  entry.name[0] = static_cast<uint8_t>(nameBytes.size());
  std::memcpy(entry.name + 1, nameBytes.data(), nameBytes.size());
  ++document.textureCount;
}

MapCell DefaultCell() {
  MapCell cell;
  SetCellDefaults(cell);
  return cell;
}

// A test's cell goes into the grid at TestCell; every applied change is counted
// and copied back into the test's record, so a test reads the result there.
class PropertiesFormTest : public ::testing::Test, public DocumentObserver {
 protected:
  PropertiesFormTest() : form(model, &mainWindow) {
    model.Replace([](MapDocument& document) {
      AddTexture(document, "Stein");
      AddTexture(document, std::string("T\xFCre"));  // Windows-1252 for "Türe"
      AddTexture(document, "Wasser");
    });
    model.AddObserver(this);
  }
  ~PropertiesFormTest() override { model.RemoveObserver(this); }

  void DocumentChanged(const DocumentChange& change) override {
    if (!change.TouchesCell(TestCell.x, TestCell.y)) return;
    ++callbacks;
    if (boundRecord != nullptr) *boundRecord = model.Map().Cell(TestCell.x, TestCell.y);
  }

  IntSpinField* Field(const char* name) { return form.findChild<IntSpinField*>(name); }
  QComboBox* List(const char* name) { return form.findChild<QComboBox*>(name); }
  QPushButton* Button(const char* name) { return form.findChild<QPushButton*>(name); }

  void Bind(MapCell& cell) {
    boundRecord = nullptr;
    SetCell(model, TestCell, cell, PropertiesStepName);
    callbacks = 0;
    boundRecord = &cell;
    form.Bind(CellBinding::Grid(TestCell));
  }

  void ShowActive() {
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  static void Retype(IntSpinField* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
  }

  QWidget mainWindow;
  DocumentModel model;
  TFrmProperties form;
  int callbacks = 0;
  MapCell* boundRecord = nullptr;
};

TEST_F(PropertiesFormTest, EveryControlCarriesItsName) {
  for (const char* name : {"SpnWaterHeight", "SpnAlpha", "SpnFloorHeight", "SpnCeilingHeight0", "SpnCeilingHeight1",
                           "SpnCeilingHeight2", "SpnCeilingHeight3"})
    EXPECT_NE(Field(name), nullptr) << name;
  for (const char* name : OffsetFields) EXPECT_NE(Field(name), nullptr) << name;
  for (const char* name : TextureLists) EXPECT_NE(List(name), nullptr) << name;
  EXPECT_NE(List("CboType"), nullptr);
  for (const char* name : {"BtnOk", "BtnCancel", "BtnApply"}) EXPECT_NE(Button(name), nullptr);
  EXPECT_NE(form.findChild<QTabWidget*>("PagProperties"), nullptr);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Eigenschaften"));
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::Tool));
}

TEST_F(PropertiesFormTest, UnchangedApplyWritesTheWholeCellAndCallsBackOnce) {
  MapCell cell = DefaultCell();
  cell.type = static_cast<uint8_t>(CellType::Column);
  cell.opacity = 200;
  cell.reserved = 0xBEEF;
  cell.floorHeight = -16.0f;
  cell.ceilingHeight[0] = 96.0f;
  cell.ceilingHeight[1] = 100.0f;
  cell.ceilingHeight[2] = 104.0f;
  cell.ceilingHeight[3] = 108.0f;
  cell.waterLevel = 40.0f;
  cell.texture[SurfaceKind::Floor] = 0;
  cell.texture[SurfaceKind::Wall] = 2;
  cell.textureOffset[SurfaceKind::Ceiling] = -7;
  cell.textureOffset[SurfaceKind::PedestalCeiling] = 32767;
  const MapCell before = cell;
  Bind(cell);

  form.ApplyToCell();

  EXPECT_EQ(callbacks, 1);
  EXPECT_EQ(std::memcmp(&cell, &before, sizeof(MapCell)), 0);
}

TEST_F(PropertiesFormTest, ApplyWritesOnlyTheBoundRecordAndOnlyAGridCellIsAStep) {
  form.Bind(CellBinding::Palette(1));
  Field("SpnAlpha")->setValue(10);
  form.ApplyToCell();
  EXPECT_EQ(model.Map().paletteSlots[1].cell.opacity, 10);
  EXPECT_EQ(model.Map().Cell(TestCell.x, TestCell.y).opacity, 128);
  EXPECT_FALSE(model.Map().modified) << "a template is no part of the map";
  EXPECT_FALSE(model.History().CanUndo());

  form.Bind(CellBinding::Grid(TestCell));
  EXPECT_EQ(Field("SpnAlpha")->value(), 128) << "binding reloads the controls";
  Field("SpnAlpha")->setValue(20);
  form.ApplyToCell();
  EXPECT_EQ(model.Map().Cell(TestCell.x, TestCell.y).opacity, 20);
  EXPECT_EQ(model.Map().paletteSlots[1].cell.opacity, 10);
  EXPECT_EQ(callbacks, 1);
  EXPECT_TRUE(model.Map().modified);
  EXPECT_EQ(StepText(*model.History().UndoName()), "Eigenschaften");
}

TEST_F(PropertiesFormTest, UndoOfTheBoundCellShowsTheRestoredValues) {
  MapCell cell = DefaultCell();
  Bind(cell);
  Field("SpnFloorHeight")->setValue(33);
  form.ApplyToCell();
  EXPECT_EQ(cell.floorHeight, 33.0f);
  ASSERT_TRUE(model.Undo());
  EXPECT_EQ(Field("SpnFloorHeight")->value(), 0) << "the window follows the document";
}

TEST_F(PropertiesFormTest, ApplyBeforeAnyBindingDoesNothing) {
  const MapCell before = model.Map().Cell(0, 0);
  Field("SpnAlpha")->setValue(3);
  form.ApplyToCell();
  QTest::mouseClick(Button("BtnApply"), Qt::LeftButton);
  EXPECT_EQ(std::memcmp(&model.Map().Cell(0, 0), &before, sizeof(MapCell)), 0);
  EXPECT_EQ(callbacks, 0);
  EXPECT_FALSE(model.History().CanUndo());
}

TEST_F(PropertiesFormTest, HeightsShowRoundedHalfToEvenAndSaturated) {
  constexpr float Infinity = std::numeric_limits<float>::infinity();
  const struct {
    float height;
    int32_t shown;
  } rows[] = {
      {12.5f, 12},
      {2.5f, 2},
      {3.5f, 4},
      {-2.5f, -2},
      {-3.5f, -4},
      {0.49f, 0},
      {-0.51f, -1},
      {2147483520.0f, 2147483520},
      {1e20f, std::numeric_limits<int32_t>::max()},
      {-1e20f, std::numeric_limits<int32_t>::min()},
      {Infinity, std::numeric_limits<int32_t>::max()},
      {-Infinity, std::numeric_limits<int32_t>::min()},
      {std::nanf(""), 0},
  };
  for (const auto& row : rows) {
    MapCell cell = DefaultCell();
    cell.floorHeight = row.height;
    cell.waterLevel = row.height;
    cell.ceilingHeight[2] = row.height;
    Bind(cell);
    EXPECT_EQ(Field("SpnFloorHeight")->value(), row.shown) << row.height;
    EXPECT_EQ(Field("SpnWaterHeight")->value(), row.shown) << row.height;
    EXPECT_EQ(Field("SpnCeilingHeight2")->value(), row.shown) << row.height;
  }
}

TEST_F(PropertiesFormTest, AppliedHeightIsTheShownWholeNumber) {
  MapCell cell = DefaultCell();
  cell.floorHeight = 12.5f;
  Bind(cell);
  form.ApplyToCell();
  EXPECT_EQ(cell.floorHeight, 12.0f);
}

TEST_F(PropertiesFormTest, LettersTypedIntoAHeightFieldStoreZero) {
  MapCell cell = DefaultCell();
  cell.floorHeight = 48.0f;
  Bind(cell);
  ShowActive();
  Retype(Field("SpnFloorHeight"), QStringLiteral("abc"));
  EXPECT_EQ(Field("SpnFloorHeight")->text(), QStringLiteral("abc"));
  form.ApplyToCell();
  EXPECT_EQ(cell.floorHeight, 0.0f);
}

TEST_F(PropertiesFormTest, OpacityAndOffsetsKeepTheirLowBits) {
  const struct {
    int32_t typed;
    uint8_t opacity;
    int16_t offset;
  } rows[] = {
      {300, 44, 300},     {-1, 255, -1},        {65535, 255, -1},   {256, 0, 256},
      {32768, 0, -32768}, {-32769, 255, 32767}, {70000, 112, 4464}, {-2147483647 - 1, 0, 0},
  };
  for (const auto& row : rows) {
    MapCell cell = DefaultCell();
    Bind(cell);
    Field("SpnAlpha")->setValue(row.typed);
    for (const char* name : OffsetFields) Field(name)->setValue(row.typed);
    form.ApplyToCell();
    EXPECT_EQ(cell.opacity, row.opacity) << row.typed;
    for (int kind = 0; kind < SurfaceCount; ++kind)
      EXPECT_EQ(cell.textureOffset[kind], row.offset) << row.typed << " kind " << kind;
  }
}

TEST_F(PropertiesFormTest, EveryTextureListHoldsTheNoTextureEntryThenTheTableInOrder) {
  MapCell cell = DefaultCell();
  Bind(cell);
  for (const char* name : TextureLists) {
    QComboBox* list = List(name);
    ASSERT_EQ(list->count(), 4) << name;
    EXPECT_EQ(list->itemText(0), QString()) << name;
    EXPECT_EQ(list->itemData(0).toUInt(), NoTexture) << name;
    EXPECT_EQ(list->itemText(1), QStringLiteral("Stein")) << name;
    EXPECT_EQ(list->itemText(2), QStringLiteral("Türe")) << name;
    EXPECT_EQ(list->itemText(3), QStringLiteral("Wasser")) << name;
    for (int entry = 1; entry < 4; ++entry)
      EXPECT_EQ(list->itemData(entry).toUInt(), static_cast<uint>(entry - 1)) << name;
  }
}

TEST_F(PropertiesFormTest, RebuiltTextureListHasNoSelection) {
  QComboBox* list = List("CboTexWall");
  list->addItem(QStringLiteral("alt"), 5u);
  list->setCurrentIndex(0);
  form.FillTextureList(list);
  EXPECT_EQ(list->count(), 4);
  EXPECT_EQ(list->currentIndex(), -1);
}

TEST_F(PropertiesFormTest, TextureReferencesSelectTheirEntries) {
  MapCell cell = DefaultCell();
  cell.texture[SurfaceKind::Floor] = 1;
  cell.texture[SurfaceKind::Wall] = NoTexture;
  cell.texture[SurfaceKind::PedestalCeiling] = 2;
  Bind(cell);
  EXPECT_EQ(List("CboTexFloor")->currentText(), QStringLiteral("Türe"));
  EXPECT_EQ(List("CboTexWall")->currentIndex(), 0);
  EXPECT_EQ(List("CboTexPedestalCeiling")->currentText(), QStringLiteral("Wasser"));

  List("CboTexFloor")->setCurrentIndex(0);
  List("CboTexWall")->setCurrentIndex(1);
  form.ApplyToCell();
  EXPECT_EQ(cell.texture[SurfaceKind::Floor], NoTexture);
  EXPECT_EQ(cell.texture[SurfaceKind::Wall], 0);
  EXPECT_EQ(cell.texture[SurfaceKind::PedestalCeiling], 2);
}

TEST_F(PropertiesFormTest, SelectingAnUnknownValueKeepsTheSelection) {
  QComboBox* list = List("CboTexCeiling");
  form.FillTextureList(list);
  form.SelectTextureItem(2, list);
  form.SelectTextureItem(40, list);
  EXPECT_EQ(list->currentIndex(), 3);
}

TEST_F(PropertiesFormTest, ValuesWithoutAListEntryKeepTheirFieldOnApply) {
  MapCell cell = DefaultCell();
  cell.type = 9;
  cell.texture[SurfaceKind::Ceiling] = 3;  // one past the three textures
  cell.texture[SurfaceKind::PedestalFloor] = 0x1234;
  Bind(cell);
  EXPECT_EQ(List("CboType")->currentIndex(), -1);
  EXPECT_EQ(List("CboTexCeiling")->currentIndex(), -1);

  Field("SpnAlpha")->setValue(5);
  form.ApplyToCell();
  EXPECT_EQ(cell.type, 9);
  EXPECT_EQ(cell.texture[SurfaceKind::Ceiling], 3);
  EXPECT_EQ(cell.texture[SurfaceKind::PedestalFloor], 0x1234);
  EXPECT_EQ(cell.opacity, 5);
}

TEST_F(PropertiesFormTest, TypeListPositionIsTheCellType) {
  MapCell cell = DefaultCell();
  cell.type = static_cast<uint8_t>(CellType::WaterBasin);
  Bind(cell);
  QComboBox* types = List("CboType");
  ASSERT_EQ(types->count(), CellTypeCount);
  EXPECT_EQ(types->currentText(), QStringLiteral("Wasserbecken"));
  EXPECT_EQ(types->itemText(2), QStringLiteral("Säule"));
  types->setCurrentIndex(5);
  form.ApplyToCell();
  EXPECT_EQ(cell.type, static_cast<uint8_t>(CellType::WindowVertical));
}

TEST_F(PropertiesFormTest, BindingAnotherCellDropsUnappliedInput) {
  MapCell first = DefaultCell();
  MapCell second = DefaultCell();
  second.opacity = 9;
  Bind(first);
  Field("SpnAlpha")->setValue(77);
  Bind(second);
  EXPECT_EQ(Field("SpnAlpha")->value(), 9);
  EXPECT_EQ(first.opacity, 128);
}

TEST_F(PropertiesFormTest, MnemonicsFocusTheFieldOfTheirRowOnTheVisiblePage) {
  const struct {
    int page;
    Qt::Key key;
    const char* focused;
  } rows[] = {
      {0, Qt::Key_T, "CboType"},
      {0, Qt::Key_W, "SpnWaterHeight"},
      {0, Qt::Key_O, "SpnAlpha"},
      {0, Qt::Key_B, "SpnFloorHeight"},
      {0, Qt::Key_D, "SpnCeilingHeight0"},
      {1, Qt::Key_B, "CboTexFloor"},
      {1, Qt::Key_D, "CboTexCeiling"},
      {1, Qt::Key_W, "CboTexWall"},
      {1, Qt::Key_O, "CboTexPedestalFloor"},
      {1, Qt::Key_E, "CboTexPedestalCeiling"},
      {2, Qt::Key_B, "SpnOfsFloor"},
      {2, Qt::Key_O, "SpnOfsPedestalFloor"},
      {2, Qt::Key_E, "SpnOfsPedestalCeiling"},
  };
  MapCell cell = DefaultCell();
  Bind(cell);
  ShowActive();
  auto* pages = form.findChild<QTabWidget*>("PagProperties");
  for (const auto& row : rows) {
    pages->setCurrentIndex(row.page);
    Button("BtnCancel")->setFocus();
    QTest::keyClick(&form, row.key, Qt::AltModifier);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(row.focused))
        << "page " << row.page << " key " << char(row.key);
  }
  EXPECT_TRUE(form.isVisible()) << "no mnemonic may reach OK or Apply";
  EXPECT_EQ(callbacks, 0);
}

TEST_F(PropertiesFormTest, CeilingCornersAreVisitedInNumberOrder) {
  MapCell cell = DefaultCell();
  Bind(cell);
  ShowActive();
  Field("SpnFloorHeight")->setFocus();
  for (const char* next : {"SpnCeilingHeight0", "SpnCeilingHeight1", "SpnCeilingHeight2", "SpnCeilingHeight3"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
  }
}

TEST_F(PropertiesFormTest, EnterInAFieldAppliesAndKeepsTheWindowOpen) {
  MapCell cell = DefaultCell();
  Bind(cell);
  ShowActive();
  Retype(Field("SpnAlpha"), QStringLiteral("77"));
  QTest::keyClick(Field("SpnAlpha"), Qt::Key_Return);
  EXPECT_EQ(cell.opacity, 77);
  EXPECT_EQ(callbacks, 1);
  EXPECT_TRUE(form.isVisible());
}

TEST_F(PropertiesFormTest, OkAppliesAndClosesWhileCancelOnlyCloses) {
  MapCell cell = DefaultCell();
  Bind(cell);
  ShowActive();
  Field("SpnAlpha")->setValue(1);
  QTest::mouseClick(Button("BtnCancel"), Qt::LeftButton);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(cell.opacity, 128);
  EXPECT_EQ(callbacks, 0);

  ShowActive();
  QTest::mouseClick(Button("BtnApply"), Qt::LeftButton);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(cell.opacity, 1);
  Field("SpnAlpha")->setValue(2);
  QTest::mouseClick(Button("BtnOk"), Qt::LeftButton);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(cell.opacity, 2);
  EXPECT_EQ(callbacks, 2);
}

TEST_F(PropertiesFormTest, EveryShowingOpensTheModelPageWithOkFocusedAndKeepsTheInput) {
  QSignalSpy visibility(&form, &TFrmProperties::visibilityChanged);
  MapCell cell = DefaultCell();
  Bind(cell);
  ShowActive();
  auto* pages = form.findChild<QTabWidget*>("PagProperties");
  pages->setCurrentIndex(2);
  Field("SpnOfsWall")->setValue(-12);
  form.hide();
  ShowActive();

  EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("Tab3DModel"));
  EXPECT_EQ(form.focusWidget(), Button("BtnOk"));
  EXPECT_EQ(Field("SpnOfsWall")->value(), -12) << "showing does not reload";
  ASSERT_EQ(visibility.count(), 3);
  EXPECT_TRUE(visibility.at(0).at(0).toBool());
  EXPECT_FALSE(visibility.at(1).at(0).toBool());
  EXPECT_TRUE(visibility.at(2).at(0).toBool());
}

}  // namespace

}  // namespace tessmoor
