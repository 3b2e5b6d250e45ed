// Bearbeiten > Auswahl bearbeiten (Ctrl+E) in the real main window: the
// properties window bound to the selection, shared and differing fields, and an
// Apply that writes only what was typed, as one step.

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <cstring>

#include "MainWindowFixture.h"
#include "document/MapFile.h"
#include "edit/CellFieldEdit.h"
#include "editor/windows/EditorPropertiesForm.h"
#include "editor/widgets/IntSpinField.h"

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

  TFrmProperties& Properties() { return Window<TFrmProperties>("FrmProperties"); }
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

// Enter in a field of the range-bound window applies exactly what a click on
// "Übernehmen" applies. Each row edits with the keyboard as a person does, once
// finished with Enter in the focused control and once with a click.
struct KeyboardEdit {
  const char* what;
  std::function<QWidget*(TFrmProperties&)> edit;  // returns the control that has the focus
  friend void PrintTo(const KeyboardEdit& row, std::ostream* out) { *out << row.what; }
};

class EnterAppliesTest : public EditSelectionTest, public ::testing::WithParamInterface<KeyboardEdit> {
 protected:
  // The map's bytes after the edit, finished by Enter or by the button.
  std::vector<uint8_t> BytesAfterEdit(bool pressEnter) {
    ArrangeBlock();
    QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
    QWidget* focused = GetParam().edit(Properties());
    if (pressEnter)
      QTest::keyClick(focused, Qt::Key_Return);
    else
      QTest::mouseClick(Properties().findChild<QPushButton*>("BtnApply"), Qt::LeftButton);
    EXPECT_EQ(Model().History().StepCount(), 1u) << (pressEnter ? "Enter" : "click");
    return MapFileBytes(Document());
  }
};

TEST_P(EnterAppliesTest, EnterWritesWhatTheButtonWrites) {
  ArrangeBlock();
  const std::vector<uint8_t> untouched = MapFileBytes(Document());
  const std::vector<uint8_t> clicked = BytesAfterEdit(false);
  const std::vector<uint8_t> entered = BytesAfterEdit(true);
  EXPECT_TRUE(clicked != untouched) << "the edit must change something";
  EXPECT_TRUE(entered == clicked) << "Enter wrote other bytes than the button";
}

QWidget* TypeInto(TFrmProperties& window, const char* name, const char* text) {
  auto* field = window.findChild<IntSpinField*>(name);
  field->setFocus();
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(field, text);
  return field;
}

QWidget* StepDown(TFrmProperties& window, const char* name) {
  auto* list = window.findChild<QComboBox*>(name);
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Down);
  return list;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, EnterAppliesTest,
    ::testing::Values(
        KeyboardEdit{"floor", [](TFrmProperties& w) { return TypeInto(w, "SpnFloorHeight", "56"); }},
        KeyboardEdit{"steppedAlpha",
                     [](TFrmProperties& w) {
                       QWidget* field = TypeInto(w, "SpnAlpha", "7");
                       QTest::keyClick(field, Qt::Key_Up);
                       return field;
                     }},
        KeyboardEdit{"type", [](TFrmProperties& w) { return StepDown(w, "CboType"); }},
        KeyboardEdit{"floorTexture", [](TFrmProperties& w) { return StepDown(w, "CboTexFloor"); }},
        KeyboardEdit{"relativeCeiling",
                     [](TFrmProperties& w) {
                       auto* relative = w.findChild<QCheckBox*>("ChkRelative");
                       relative->setFocus();
                       // the window keeps "relativ" from its last use
                       if (!relative->isChecked()) QTest::keyClick(relative, Qt::Key_Space);
                       return TypeInto(w, "SpnCeilingHeight2", "16");
                     }}),
    [](const ::testing::TestParamInfo<KeyboardEdit>& info) { return std::string(info.param.what); });

}  // namespace

}  // namespace tessmoor
