// One name per field: Suchen und Ersetzen calls a cell's values by the names the
// properties window gives them, and "no texture" reads alike in both.

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "editor/windows/EditorPropertiesForm.h"
#include "gui/MainWindowFixture.h"

namespace tessmoor {

namespace {

// A label's text as it reads on the screen, without its mnemonic and colon.
QString Shown(QString text) {
  text.remove('&');
  if (text.endsWith(':')) text.chop(1);
  return text;
}

class FieldNamesGuiTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    // A click binds the properties window to a cell, which fills its lists.
    Click(CellPoint(0, 0));
    QTest::keyClick(window.get(), Qt::Key_F7);
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
  }
  QWidget& Properties() { return Window<TFrmProperties>("FrmProperties"); }
  QWidget& Find() { return Window<QDialog>("FrmFindReplace"); }

  // The text of the properties window's label for the field `name`.
  QString PropertiesName(const char* name) {
    QWidget* field = Properties().findChild<QWidget*>(name);
    for (const QLabel* label : Properties().findChildren<QLabel*>()) {
      if (label->buddy() == field) return Shown(label->text());
    }
    ADD_FAILURE() << "no label for " << name;
    return {};
  }

  QWidget* Type(const char* name, const char* text) {
    auto* field = Find().findChild<QAbstractSpinBox*>(name);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    return field;
  }
};

TEST_F(FieldNamesGuiTest, FindAndReplaceNamesEveryFieldAsThePropertiesWindowDoes) {
  const struct {
    const char* property;
    const char* condition;
    const char* replacement;
  } rows[] = {
      {"CboType", "ChkKind", "ChkSetKind"},
      {"SpnWaterHeight", "ChkWater", "ChkSetWater"},
      {"SpnAlpha", "ChkOpacity", "ChkSetOpacity"},
      {"SpnFloorHeight", "ChkFloor", "ChkSetFloor"},
      {"SpnCeilingHeight0", "ChkCeiling", "ChkSetCeiling"},
  };
  for (const auto& row : rows) {
    const QString name = PropertiesName(row.property);
    ASSERT_FALSE(name.isEmpty()) << row.property;
    for (const char* box : {row.condition, row.replacement}) {
      const QString shown = Shown(Find().findChild<QCheckBox*>(box)->text());
      EXPECT_TRUE(shown == name || shown.startsWith(name + " ")) << shown.toStdString() << " / " << name.toStdString();
    }
  }
  EXPECT_EQ(Find().findChild<QTreeWidget*>("LVResults")->headerItem()->text(1).toStdString(),
            PropertiesName("CboType").toStdString());

  // The values a search lists carry the same names.
  Type("SpnWaterFrom", "-1000");
  Type("SpnWaterTo", "1000");
  QTest::keyClick(Type("SpnOpacityFrom", "0"), Qt::Key_Return);
  auto* results = Find().findChild<QTreeWidget*>("LVResults");
  ASSERT_EQ(results->topLevelItemCount(), GridCells);
  const MapCell& cell = Document().Cell(0, 0);
  const auto number = [](double value) { return QString::number(value, 'g', 7); };
  const QString expected = PropertiesName("SpnFloorHeight") + " " + number(cell.floorHeight) + ", " +
                           PropertiesName("SpnWaterHeight") + " " + number(cell.waterLevel) + ", " +
                           PropertiesName("SpnAlpha") + " " + QString::number(cell.opacity);
  EXPECT_EQ(results->topLevelItem(0)->text(2).toStdString(), expected.toStdString());
}

// The properties window keeps its empty entry for no texture, as it always had.
TEST_F(FieldNamesGuiTest, NoTextureReadsKeineInFindAndReplace) {
  for (const char* list : {"CboTexFloor", "CboTexWall", "CboTexPedestalCeiling"})
    EXPECT_EQ(Properties().findChild<QComboBox*>(list)->itemText(0).toStdString(), "") << list;
  for (const char* list : {"CboTexture", "CboSetTexture"})
    EXPECT_EQ(Find().findChild<QComboBox*>(list)->itemText(0).toStdString(), "(keine)") << list;

  // Cells without a floor texture, found by the "(keine)" entry, list it by that name.
  auto* texture = Find().findChild<QComboBox*>("CboTexture");
  texture->setFocus();
  QTest::keyClick(texture, Qt::Key_Home);
  Find().findChild<QCheckBox*>("ChkTexture")->setChecked(true);
  QTest::mouseClick(Find().findChild<QPushButton*>("BtnFind"), Qt::LeftButton);
  auto* results = Find().findChild<QTreeWidget*>("LVResults");
  ASSERT_GT(results->topLevelItemCount(), 0);
  EXPECT_TRUE(results->topLevelItem(0)->text(2).startsWith("Boden: (keine)"))
      << results->topLevelItem(0)->text(2).toStdString();
}

}  // namespace

}  // namespace tessmoor
