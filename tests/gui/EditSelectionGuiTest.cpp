// Bearbeiten > Auswahl bearbeiten (Ctrl+E) in the real main window: the
// properties window bound to the selection, shared and differing fields, and an
// Apply that writes only what was typed, as one step.

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <cstring>

#include "MainWindowFixture.h"
#include "edit/CellFieldEdit.h"
#include "editor/EditorPropertiesForm.h"
#include "editor/IntSpinField.h"

namespace tessmoor {

namespace {

class EditSelectionTest : public MainWindowFixture {
 protected:
  // A 4 x 3 block whose cells share their type and ceiling but differ in floor,
  // textures and offsets; a sloped ceiling in one cell.
  void ArrangeBlock() {
    Arrange([](MapDocument& document) {
      for (int x = 0; x < 8; ++x) {
        for (int y = 0; y < 8; ++y) {
          MapCell& cell = document.Cell(x, y);
          cell.type = static_cast<uint8_t>(CellType::Nothing);
          cell.floorHeight = static_cast<float>(x + y);
          for (float& corner : cell.ceilingHeight) corner = 256;
          cell.texture[SurfaceKind::Floor] = static_cast<uint16_t>(x % 2);
          cell.textureOffset[SurfaceKind::Wall] = static_cast<int16_t>(y);
        }
      }
      document.Cell(3, 4).ceilingHeight[2] = 300;
      document.textureCount = 2;
    });
    Editor().selection = {5, 5, 2, 3};  // corners in either order
  }

  TFrmProperties& Properties() { return window->PropertiesWindow(); }
  IntSpinField* Field(const char* name) { return Properties().findChild<IntSpinField*>(name); }

  static void Retype(IntSpinField* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
  }
};

TEST_F(EditSelectionTest, CtrlEChangesOnlyTheTypedFloorOfTheTwelveCellsAsOneStep) {
  ArrangeBlock();
  const auto before = Document().cells;
  QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
  ASSERT_TRUE(Properties().isVisible());
  EXPECT_EQ(Properties().windowTitle(), QStringLiteral("Eigenschaften - 12 Zellen"));
  EXPECT_TRUE(Field("SpnFloorHeight")->isMixed());
  EXPECT_TRUE(Field("SpnCeilingHeight2")->isMixed()) << "one corner differs";
  EXPECT_EQ(Field("SpnCeilingHeight0")->value(), 256);
  EXPECT_FALSE(Field("SpnCeilingHeight0")->isMixed());
  EXPECT_EQ(Properties().findChild<QComboBox*>("CboTexFloor")->currentIndex(), -1);
  EXPECT_EQ(Properties().findChild<QComboBox*>("CboType")->currentIndex(), 0);

  Retype(Field("SpnFloorHeight"), "40");
  QTest::mouseClick(Properties().findChild<QPushButton*>("BtnApply"), Qt::LeftButton);

  EXPECT_EQ(Model().History().StepCount(), 1u);
  EXPECT_EQ(Model().History().UndoName(), EditSelectionStepName);
  for (int x = 0; x < GridSize; ++x) {
    for (int y = 0; y < GridSize; ++y) {
      MapCell expected = before[static_cast<size_t>(x * GridSize + y)];
      if (x >= 2 && x <= 5 && y >= 3 && y <= 5) expected.floorHeight = 40;
      EXPECT_EQ(std::memcmp(&Document().Cell(x, y), &expected, sizeof expected), 0) << x << ": " << y;
    }
  }
  EXPECT_EQ(Field("SpnFloorHeight")->value(), 40) << "now shared";
  Model().Undo();
  EXPECT_EQ(std::memcmp(Document().cells.data(), before.data(), sizeof before), 0);
}

TEST_F(EditSelectionTest, RelativeRaisesEveryCeilingCornerAndKeepsTheSlope) {
  ArrangeBlock();
  QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
  auto* relative = Properties().findChild<QCheckBox*>("ChkRelative");
  ASSERT_TRUE(relative->isVisible());
  relative->setChecked(true);
  EXPECT_TRUE(Field("SpnCeilingHeight0")->isMixed()) << "offsets start empty";
  for (const char* corner : {"SpnCeilingHeight0", "SpnCeilingHeight1", "SpnCeilingHeight2", "SpnCeilingHeight3"})
    Retype(Field(corner), "16");
  Properties().ApplyToCell();
  EXPECT_EQ(Document().Cell(3, 4).ceilingHeight[2], 316);
  EXPECT_EQ(Document().Cell(3, 4).ceilingHeight[0], 272);
  EXPECT_EQ(Document().Cell(2, 3).ceilingHeight[2], 272);
  EXPECT_EQ(Document().Cell(2, 3).floorHeight, 5) << "untyped";
  EXPECT_EQ(Document().Cell(6, 3).ceilingHeight[0], 256) << "outside the selection";

  // A single-cell binding is the plain window again.
  Properties().Bind(CellBinding::Grid({1, 1}));
  EXPECT_EQ(Properties().windowTitle(), QStringLiteral("Eigenschaften"));
  EXPECT_FALSE(relative->isVisible());
}

}  // namespace

}  // namespace tessmoor
