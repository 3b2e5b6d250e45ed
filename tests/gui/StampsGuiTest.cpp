// Stamps, find and replace and measuring, driven as a person does: a dragged
// selection, the name typed into the dialog, a click on the panel's stamp, R and
// X on the keyboard, a click on the map; Ctrl+F, typed values and the buttons.

#include <QCheckBox>
#include <QDockWidget>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QTreeWidget>

#include "document/MapFile.h"
#include "edit/BlockOrientation.h"
#include "editor/mapview/BlockPlacementTool.h"
#include "editor/features/StampFeature.h"
#include "gui/MainWindowFixture.h"
#include "texts/StepTexts.h"

namespace tessmoor {
namespace {

class StampsGuiTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    QDir(StampFeature::StampFolder()).removeRecursively();
    MainWindowFixture::SetUp();
    // Room for the panel beside the view's first cells.
    window->resize(1000, 600);
    QApplication::setActiveWindow(window.get());
  }

  // Answers the next modal name dialog by typing `name` and Enter into it.
  void TypeNameWhenAsked(const QString& name) {
    QTimer::singleShot(0, [name] {
      auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      auto* field = dialog->findChild<QLineEdit*>();
      QTest::keyClicks(field, name);
      QTest::keyClick(field, Qt::Key_Return);
    });
  }

  // A 3 x 2 niche at (2, 1): a sloped ceiling over (2, 1), a horizontal window at (3, 1).
  void ArrangeNiche() {
    Arrange([](MapDocument& map) {
      map.textureCount = 2;
      map.textures[0].name[0] = 5;
      std::memcpy(map.textures[0].name + 1, "Stein", 5);
      map.textures[0].frameCount = 1;
      std::memcpy(map.textures[0].frames[0].fileName, "\x09STONE.PCX", 10);
      map.textures[1].index = 1;
      map.textures[1].name[0] = 4;
      std::memcpy(map.textures[1].name + 1, "Glas", 4);
      for (int x = 2; x < 5; ++x) {
        for (int y = 1; y < 3; ++y) {
          map.Cell(x, y).floorHeight = float(x * 10 + y);
          map.Cell(x, y).texture[static_cast<size_t>(SurfaceKind::Floor)] = 0;
        }
      }
      MapCell& slope = map.Cell(2, 1);
      slope.ceilingHeight[0] = 100, slope.ceilingHeight[1] = 120, slope.ceilingHeight[2] = 140,
      slope.ceilingHeight[3] = 160;
      map.Cell(3, 1).type = static_cast<uint8_t>(CellType::WindowHorizontal);
      map.Cell(3, 1).texture[static_cast<size_t>(SurfaceKind::Wall)] = 1;
    });
  }

  void SelectCell(int u, int v) { Click(CellPoint(u, v)); }
  QListWidget* StampList() { return Control<QListWidget>("LVStamps"); }
  void ClickStamp(int row) {
    QListWidget* list = StampList();
    const QRect place = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
  }
};

TEST_F(StampsGuiTest, ASavedStampIsPlacedTurnedAndMirroredIntoAnotherMapAsOneStep) {
  ArrangeNiche();
  Drag(CellPoint(2, 1), CellPoint(4, 2));
  EXPECT_EQ(Control<QLabel>("LblPos")->text(), "4: 2   3 × 2 Zellen, 384 × 256 Einheiten (9,6 m × 6,4 m)");
  const std::vector<MapCell> niche = {Document().Cell(2, 1), Document().Cell(2, 2), Document().Cell(3, 1),
                                      Document().Cell(3, 2), Document().Cell(4, 1), Document().Cell(4, 2)};
  TypeNameWhenAsked("Nische");
  Trigger("EditSaveStamp");
  QApplication::setActiveWindow(window.get());  // the offscreen platform does not give it back
  ASSERT_EQ(StampList()->count(), 1);
  EXPECT_TRUE(StampList()->item(0)->text().startsWith("Nische\n3 × 2"));
  EXPECT_TRUE(Control<QDockWidget>("DockStamps")->isVisible());

  // Another map, with other textures.
  Arrange([](MapDocument& map) {
    ClearDocument(map, true);
    map.textureCount = 1;
    map.textures[0].name[0] = 4;
    std::memcpy(map.textures[0].name + 1, "Holz", 4);
  });
  const std::vector<uint8_t> before = MapFileBytes(Document());
  ClickStamp(0);
  ASSERT_TRUE(window->PlacementTool().IsActive());
  Hover(CellPoint(4, 3));
  QTest::keyClick(window.get(), Qt::Key_R);
  QTest::keyClick(window.get(), Qt::Key_X);
  EXPECT_EQ(Control<QLabel>("LblPos")->text(), "2 × 3 Zellen, 256 × 384 Einheiten (6,4 m × 9,6 m)");
  EXPECT_FALSE(window->PlacementTool().PreviewImage().isNull());
  Click(CellPoint(4, 3));

  const CellBlock turned = Oriented({3, 2, niche}, Orientation{}.TurnedClockwise().MirroredLeftRight());
  ASSERT_EQ(Document().textureCount, 3);  // Stein and Glas added behind Holz
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 3; ++j) {
      MapCell expected = turned.At(i, j);
      for (uint16_t& texture : expected.texture) {
        if (texture != NoTexture) texture = uint16_t(texture + 1);
      }
      EXPECT_TRUE(SameCell(Document().Cell(4 + i, 3 + j), expected)) << i << ", " << j;
    }
  }
  EXPECT_EQ(Document().Cell(4, 4).type, static_cast<uint8_t>(CellType::WindowVertical));
  EXPECT_EQ(Model().History().StepCount(), 1u);

  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_FALSE(window->PlacementTool().IsActive());
  QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(MapFileBytes(Document()), before);

  // A new window reads the stamps again.
  window.reset();
  window = std::make_unique<TFrmMain>(&dialogs, programDirectory);
  ASSERT_EQ(window->findChild<QListWidget*>("LVStamps")->count(), 1);
}

TEST_F(StampsGuiTest, PasteWithPreviewShowsTheBlockAndEnterPastesAtTheSelection) {
  ArrangeNiche();
  Drag(CellPoint(2, 1), CellPoint(4, 2));
  Trigger("EditCopy");
  SelectCell(0, 3);
  QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(window->PlacementTool().IsActive());
  EXPECT_FALSE(SameCell(Document().Cell(0, 3), Document().Cell(2, 1)));
  QTest::keyClick(window.get(), Qt::Key_Y);
  QTest::keyClick(window.get(), Qt::Key_Y);  // mirrored back
  QTest::keyClick(window.get(), Qt::Key_Return);
  EXPECT_TRUE(SameCell(Document().Cell(0, 3), Document().Cell(2, 1)));
  EXPECT_TRUE(SameCell(Document().Cell(2, 4), Document().Cell(4, 2)));
  EXPECT_EQ(StepText(*Model().History().UndoName()), "Einfügen");
  Click(CellPoint(5, 3), Qt::RightButton);
  EXPECT_FALSE(window->PlacementTool().IsActive());
}

TEST_F(StampsGuiTest, FindListsTheCellsAndReplaceRaisesExactlyThemAsOneStep) {
  ArrangeNiche();
  const auto cellsBefore = Document().cells;
  QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
  auto* dialog = window->findChild<QDialog*>("FrmFindReplace");
  ASSERT_TRUE(dialog->isVisible());
  auto* from = dialog->findChild<QAbstractSpinBox*>("SpnFloorFrom");
  auto* to = dialog->findChild<QAbstractSpinBox*>("SpnFloorTo");
  const std::pair<QAbstractSpinBox*, const char*> typed[] = {{from, "30"}, {to, "32"}};
  for (const auto& [field, text] : typed) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
  }
  QTest::keyClick(to, Qt::Key_Return);  // Enter searches
  EXPECT_TRUE(dialog->findChild<QCheckBox*>("ChkFloor")->isChecked());
  auto* results = dialog->findChild<QTreeWidget*>("LVResults");
  ASSERT_EQ(results->topLevelItemCount(), 2);  // floors 31 and 32
  EXPECT_EQ(results->topLevelItem(0)->text(0), "3: 1");
  EXPECT_EQ(dialog->findChild<QLabel*>("LblCount")->text(), "2 Zellen gefunden");

  auto* set = dialog->findChild<QAbstractSpinBox*>("SpnSetFloor");
  set->setFocus();
  set->selectAll();
  QTest::keyClicks(set, "16");
  QTest::keyClick(set, Qt::Key_Tab);
  QTest::keyClick(dialog->findChild<QCheckBox*>("ChkRelative"), Qt::Key_Space);
  QTest::mouseClick(dialog->findChild<QPushButton*>("BtnReplace"), Qt::LeftButton);
  for (int x = 0; x < GridSize; ++x) {
    for (int y = 0; y < GridSize; ++y) {
      const float old = cellsBefore[size_t(x * GridSize + y)].floorHeight;
      const bool match = x == 3 && (y == 1 || y == 2);
      EXPECT_EQ(Document().Cell(x, y).floorHeight, match ? old + 16 : old);
    }
  }
  EXPECT_EQ(Model().History().StepCount(), 1u);

  // After the replace the list shows the cells it changed, with their new values.
  ASSERT_EQ(results->topLevelItemCount(), 2);
  EXPECT_EQ(results->topLevelItem(1)->text(2), "Bodenhöhe 48");
  EXPECT_EQ(dialog->findChild<QLabel*>("LblCount")->text(), "2 Zellen ersetzt");
  QTest::keyClick(dialog->findChild<QCheckBox*>("ChkFloor"), Qt::Key_Space);
  QTest::mouseClick(dialog->findChild<QPushButton*>("BtnFind"), Qt::LeftButton);
  ASSERT_EQ(results->topLevelItemCount(), GridCells);
  QTreeWidgetItem* item = results->topLevelItem(64 * 7 + 9);
  EXPECT_EQ(item->text(0), "9: 7");
  results->setCurrentItem(item);
  QTest::keyClick(results, Qt::Key_Return);  // activates as a double click does
  EXPECT_EQ(Editor().selection.x1, 9);
  EXPECT_EQ(Editor().selection.y1, 7);
}

TEST_F(StampsGuiTest, ThePanelAndTheHeightChoiceAreRemembered) {
  QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName()).clear();
  window->RestoreSettings();
  EXPECT_FALSE(Control<QDockWidget>("DockStamps")->isVisible());
  Trigger("ViewStamps");
  auto* heights = Control<QCheckBox>("ChkMatchHeights");
  QTest::keyClick(heights, Qt::Key_Space);
  ASSERT_TRUE(heights->isChecked());
  ASSERT_TRUE(window->close());

  window = std::make_unique<TFrmMain>(&dialogs, programDirectory);
  window->RestoreSettings();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  EXPECT_TRUE(Control<QDockWidget>("DockStamps")->isVisible());
  EXPECT_TRUE(Control<QCheckBox>("ChkMatchHeights")->isChecked());
  Trigger("ViewStamps");
  ASSERT_TRUE(window->close());
  window = std::make_unique<TFrmMain>(&dialogs, programDirectory);
  window->RestoreSettings();
  EXPECT_FALSE(Control<QDockWidget>("DockStamps")->isVisible());
  QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName()).clear();
}

}  // namespace
}  // namespace tessmoor
