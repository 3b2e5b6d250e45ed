// The map check window opened with F8 from the main window, going to the cell
// of a finding, and the texture editor's usage of the current texture.

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "edit/TextureCommands.h"
#include "editor/windows/EditorMapCheckForm.h"
#include "editor/windows/EditorTextureEditorForm.h"
#include "gui/MainWindowFixture.h"

namespace tessmoor {

namespace {

using MapCheckFormTest = MainWindowFixture;

TEST_F(MapCheckFormTest, DoubleClickOnAFindingSelectsItsCellAndScrollsItIntoView) {
  Arrange([](MapDocument& document) { document.Cell(40, 30).type = static_cast<uint8_t>(CellType::Column); });
  QTest::keyClick(window.get(), Qt::Key_F8);
  auto* list = Window<TFrmMapCheck>("FrmMapCheck").findChild<QTreeWidget*>("LVFindings");
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(Window<TFrmMapCheck>("FrmMapCheck").isVisible());
  ASSERT_EQ(list->topLevelItemCount(), 1);
  QTreeWidgetItem* item = list->topLevelItem(0);
  EXPECT_EQ(item->text(0), "Warnung");
  EXPECT_EQ(item->text(1), "40: 30");
  EXPECT_EQ(item->text(2), QString::fromUtf8("Säule ohne Wandtextur"));

  const QPoint at = list->visualItemRect(item).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  const Selection selection = Editor().selection;
  EXPECT_EQ(std::make_tuple(selection.x1, selection.y1, selection.x2, selection.y2), std::make_tuple(40, 30, 40, 30));
  // The design-size view shows 6 x 4 whole cells; the cell lands in their middle.
  EXPECT_EQ(Editor().viewOrigin, (GridPoint{38, 29}));
  EXPECT_EQ(Control<QScrollBar>("ScrHorizontal")->value(), 38);
  EXPECT_EQ(Control<QScrollBar>("ScrVertical")->value(), 29);

  // Already in view: the view stays where it is.
  ScrollTo(36, 27);
  window->ShowCell({40, 30});
  EXPECT_EQ(Editor().viewOrigin, (GridPoint{36, 27}));
}

TEST_F(MapCheckFormTest, RecheckingShowsTheMapAsItIsNow) {
  window->findChild<QAction*>("EditCheckMap")->trigger();
  TFrmMapCheck& form = Window<TFrmMapCheck>("FrmMapCheck");
  EXPECT_TRUE(form.Findings().empty());
  EXPECT_EQ(form.findChild<QLabel*>("LblSummary")->text(), "Keine Befunde.");
  Arrange([](MapDocument& document) {
    document.startPosition = {64, 0};
    document.Cell(0, 5).type = static_cast<uint8_t>(CellType::WaterBasin);
  });
  form.findChild<QPushButton*>("BtnRecheck")->click();
  EXPECT_EQ(form.findChild<QTreeWidget*>("LVFindings")->topLevelItemCount(), 2);
  EXPECT_EQ(form.findChild<QLabel*>("LblSummary")->text(), "2 Befunde: 1 Fehler, 1 Warnung, 0 Hinweise");
}

TEST_F(MapCheckFormTest, AnOpenWindowFollowsEditsAndUndo) {
  window->findChild<QAction*>("EditCheckMap")->trigger();
  TFrmMapCheck& form = Window<TFrmMapCheck>("FrmMapCheck");
  ASSERT_TRUE(form.Findings().empty());
  MapCell column = Document().Cell(7, 8);
  column.type = static_cast<uint8_t>(CellType::Column);
  SetCell(Model(), {7, 8}, column, PaintStepName);
  QCoreApplication::processEvents();
  ASSERT_EQ(form.Findings().size(), 1u);
  Trigger("EditUndo");
  QCoreApplication::processEvents();
  EXPECT_TRUE(form.Findings().empty());
}

TEST(TextureUsageLabelTest, ShowsTheCurrentTexturesCellsPerLayer) {
  DocumentModel model;
  EditorState editor;
  ASSERT_TRUE(AddTexture(model).ok);
  model.Replace([](MapDocument& document) {
    document.Cell(3, 4).texture[SurfaceKind::Floor] = 0;
    document.Cell(3, 4).texture[SurfaceKind::Wall] = 0;
    document.Cell(9, 9).texture[SurfaceKind::Wall] = 0;
  });
  ScriptedDialogs dialogs;
  TFrmTextureEditor form(model, editor, dialogs, {});
  form.show();
  QApplication::processEvents();
  EXPECT_EQ(form.findChild<QLabel*>("LblUsage")->text(),
            "In 2 Zellen benutzt:\nBoden: 1\nDecke: 0\nWand: 2\nSockel - Boden: 0\nSockel - Decke: 0");
  form.close();
}

}  // namespace

}  // namespace tessmoor
