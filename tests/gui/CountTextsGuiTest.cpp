// Every count a window shows, for one and for more: the noun is singular for one.

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <functional>

#include "editor/windows/EditorMapCheckForm.h"
#include "editor/windows/EditorPropertiesForm.h"
#include "gui/MainWindowFixture.h"

namespace tessmoor {

namespace {

class CountTextsGuiTest : public MainWindowFixture {
 public:
  // Ctrl+E over a selection of `count` cells in a row, dragged with the mouse.
  QString PropertiesTitle(int count) {
    Drag(CellPoint(0, 0), CellPoint(count - 1, 0));
    QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
    return Window<TFrmProperties>("FrmProperties").windowTitle();
  }

  // `count` cells with floor 77: "Suchen" for that floor, then "Ersetzen" with another opacity.
  std::pair<QString, QString> FoundAndReplaced(int count) {
    Arrange([count](MapDocument& document) {
      for (int i = 0; i < 4; ++i) document.Cell(10 + i, 10).floorHeight = i < count ? 77 : 0;
    });
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    auto& dialog = Window<QDialog>("FrmFindReplace");
    for (const char* name : {"SpnFloorFrom", "SpnFloorTo", "SpnSetOpacity"}) {
      auto* field = dialog.findChild<QAbstractSpinBox*>(name);
      field->setFocus();
      field->selectAll();
      QTest::keyClicks(field, name == std::string("SpnSetOpacity") ? "100" : "77");
    }
    auto* label = dialog.findChild<QLabel*>("LblCount");
    QTest::mouseClick(dialog.findChild<QPushButton*>("BtnFind"), Qt::LeftButton);
    const QString found = label->text();
    QTest::mouseClick(dialog.findChild<QPushButton*>("BtnReplace"), Qt::LeftButton);
    return {found, label->text()};
  }

  // `count` columns without wall texture: one warning each.
  QString MapCheckSummary(int count) {
    Arrange([count](MapDocument& document) {
      for (int i = 0; i < 4; ++i)
        document.Cell(20 + 2 * i, 20).type = static_cast<uint8_t>(i < count ? CellType::Column : CellType::Nothing);
    });
    QTest::keyClick(window.get(), Qt::Key_F8);
    auto& form = Window<TFrmMapCheck>("FrmMapCheck");
    form.findChild<QPushButton*>("BtnRecheck")->click();
    return form.findChild<QLabel*>("LblSummary")->text();
  }
};

TEST_F(CountTextsGuiTest, EveryCountUsesTheSingularForOne) {
  const struct {
    const char* what;
    std::function<QString(CountTextsGuiTest&, int)> shown;
    int count;
    const char* expected;
  } rows[] = {
      {"properties", &CountTextsGuiTest::PropertiesTitle, 1, "Eigenschaften - 1 Zelle"},
      {"properties", &CountTextsGuiTest::PropertiesTitle, 3, "Eigenschaften - 3 Zellen"},
      {"found", [](CountTextsGuiTest& t, int n) { return t.FoundAndReplaced(n).first; }, 1, "1 Zelle gefunden"},
      {"found", [](CountTextsGuiTest& t, int n) { return t.FoundAndReplaced(n).first; }, 2, "2 Zellen gefunden"},
      {"replaced", [](CountTextsGuiTest& t, int n) { return t.FoundAndReplaced(n).second; }, 1, "1 Zelle ersetzt"},
      {"replaced", [](CountTextsGuiTest& t, int n) { return t.FoundAndReplaced(n).second; }, 2, "2 Zellen ersetzt"},
      {"map check", &CountTextsGuiTest::MapCheckSummary, 1, "1 Befund: 0 Fehler, 1 Warnung, 0 Hinweise"},
      {"map check", &CountTextsGuiTest::MapCheckSummary, 2, "2 Befunde: 0 Fehler, 2 Warnungen, 0 Hinweise"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.shown(*this, row.count).toStdString(), row.expected) << row.what << " " << row.count;
  }
}

}  // namespace

}  // namespace tessmoor
