// The editor's keys reach the map: real clicks and key events go to whatever
// has the keyboard focus, as they do for a person at the keyboard, with the
// stamp panel open beside the map.

#include <QDockWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <functional>

#include "document/Stamp.h"
#include "edit/CellBlocks.h"
#include "editor/mapview/BlockPlacementTool.h"
#include "editor/features/StampFeature.h"
#include "gui/MainWindowFixture.h"

namespace tessmoor {
namespace {

class MapKeysGuiTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    QDir(StampFeature::StampFolder()).removeRecursively();
    MainWindowFixture::SetUp();
    window.reset();
    OpenWindowWithStampPanel();
  }

  // The window as the editor starts when the panel was left open.
  void OpenWindowWithStampPanel() {
    window = std::make_unique<TFrmMain>(&dialogs, programDirectory);
    window->resize(1000, 600);
    Control<QDockWidget>("DockStamps")->show();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QApplication::setActiveWindow(window.get());
    viewPort = window->findChild<QWidget*>("ViewPort");
  }

  void Press(int key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : window.get(), Qt::Key(key), modifiers);
  }

  QLineEdit* Filter() { return Control<QLineEdit>("EdtStampFilter"); }
  QListWidget* StampList() { return Control<QListWidget>("LVStamps"); }

  // A 2 x 1 stamp of two marked cells, shown in the panel.
  void MakeStamp() {
    Arrange([](MapDocument& map) {
      map.Cell(0, 0).floorHeight = 11;
      map.Cell(1, 0).floorHeight = 22;
    });
    QDir().mkpath(StampFeature::StampFolder());
    const Stamp stamp = tessmoor::MakeStamp(Document(), {0, 0, 1, 0}, "Paar");
    ASSERT_TRUE(SaveStamp(stamp, (StampFeature::StampFolder() + "Paar.tms").toStdString()).ok);
    window->Stamps().Reload();
    ASSERT_EQ(StampList()->count(), 1);
  }

  void ClickStamp() {
    const QRect place = StampList()->visualItemRect(StampList()->item(0));
    QTest::mouseClick(StampList()->viewport(), Qt::LeftButton, {}, place.center());
  }

  void OpenEditMenuByClick() {
    QMenuBar* bar = window->menuBar();
    const QRect title = bar->actionGeometry(Control<QMenu>("MnuEdit")->menuAction());
    QTest::mouseClick(bar, Qt::LeftButton, {}, title.center());
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
  }

  void CloseMenuWithEscape() {
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
    QApplication::setActiveWindow(window.get());  // the offscreen platform does not give it back
  }

  // Whether MakeAnEdit's change is in the map.
  bool Edited() const {
    MapCell fresh;
    SetCellDefaults(fresh);
    return Document().Cell(63, 63).floorHeight != fresh.floorHeight;
  }

  static MapCell Marked(float floor) {
    MapCell cell;
    SetCellDefaults(cell);
    cell.floorHeight = floor;
    return cell;
  }
};

TEST_F(MapKeysGuiTest, AtStartTheMapHasTheKeysEvenWithTheStampPanelOpen) {
  EXPECT_EQ(QApplication::focusWidget(), viewPort);
  Model().SetSlotCell(0, Marked(77));
  const MapCell before = Document().Cell(2, 2);
  Click(SlotPoint(0));
  Click(CellPoint(2, 2));
  ASSERT_EQ(Document().Cell(2, 2).floorHeight, 77);
  EXPECT_EQ(Action("EditUndo")->text(), "&Rückgängig: Malen");
  Press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(SameCell(Document().Cell(2, 2), before));

  // Letters typed after a click on a cell are the map's, never the filter's.
  Click(CellPoint(3, 3));
  QTest::keyClicks(QApplication::focusWidget(), "abc");
  EXPECT_EQ(Filter()->text(), "");
}

TEST_F(MapKeysGuiTest, TheEditorsKeysActOnTheMapFromEveryPlaceButATextField) {
  const auto clickInto = [](QWidget* widget, QPoint at) { QTest::mouseClick(widget, Qt::LeftButton, {}, at); };
  const struct {
    const char* place;
    std::function<void()> focus;
  } places[] = {
      {"the map view", [&] { Click(CellPoint(5, 5), Qt::MiddleButton); }},
      {"the palette strip",
       [&] {
         Click({35, 300});
       }},
      {"the stamp list",
       [&] {
         clickInto(StampList()->viewport(), {5, 5});
       }},
      {"the main window", [&] { window->setFocus(); }},
  };
  const struct {
    const char* command;
    std::function<void()> arrange;
    int key;
    Qt::KeyboardModifiers modifiers;
    std::function<bool()> acted;
  } keys[] = {
      {"undo", [&] { MakeAnEdit(); }, Qt::Key_Z, Qt::ControlModifier, [&] { return !Edited(); }},
      {"redo",
       [&] {
         MakeAnEdit();
         Model().Undo();
       },
       Qt::Key_Y, Qt::ControlModifier, [&] { return Edited(); }},
      {"fill",
       [&] { Model().SetSlotCell(0, Marked(5)); },
       Qt::Key_Insert,
       {},
       [&] { return Document().Cell(1, 2).floorHeight == 5; }},
      {"copy", [] {}, Qt::Key_C, Qt::ControlModifier, [&] { return !Editor().clipboard->IsEmpty(); }},
      {"paste",
       [&] {
         Arrange([](MapDocument& map) { map.Cell(1, 2).floorHeight = 9; });
         Trigger("EditCopy");
         Editor().selection = {4, 4, 4, 4};
       },
       Qt::Key_V, Qt::ControlModifier,
       [&] {
         // Whether it writes at once or shows where it will write first.
         if (window->PlacementTool().IsActive()) Press(Qt::Key_Return);
         return Document().Cell(4, 4).floorHeight == 9;
       }},
      {"zoom", [] {}, Qt::Key_Minus, Qt::ControlModifier,
       [&] { return window->Session().MapView().zoomLevel != DefaultZoomLevel; }},
      {"layer", [] {}, Qt::Key_F1, Qt::ControlModifier, [&] { return Editor().currentLayer == SurfaceKind::Floor; }},
  };
  for (const auto& place : places) {
    for (const auto& row : keys) {
      SCOPED_TRACE(std::string(row.command) + " from " + place.place);
      Arrange([](MapDocument& map) { ClearDocument(map, true); });
      Editor().clipboard = std::make_shared<CellClipboard>();
      Trigger("ViewWall");
      window->ZoomTo(DefaultZoomLevel, {0, 0});
      Click(CellPoint(1, 2));  // selects in the select mode
      row.arrange();
      place.focus();
      Press(row.key, row.modifiers);
      EXPECT_TRUE(row.acted());
      window->PlacementTool().Stop();
    }
  }
}

TEST_F(MapKeysGuiTest, ATextFieldTheUserClickedIntoKeepsItsOwnUndoAndEscapeGivesTheKeysBack) {
  MakeAnEdit();
  QTest::mouseClick(Filter(), Qt::LeftButton);
  ASSERT_EQ(QApplication::focusWidget(), Filter());
  QTest::keyClicks(Filter(), "ni");
  Press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_NE(Filter()->text(), "ni");
  EXPECT_TRUE(Edited()) << "the map's edit stays";

  QTest::keyClicks(Filter(), "zz");
  Press(Qt::Key_Escape);
  EXPECT_EQ(Filter()->text(), "");
  EXPECT_EQ(QApplication::focusWidget(), viewPort);
  Press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(Edited());
}

TEST_F(MapKeysGuiTest, AfterEscapeClosesAMenuTheArrowsAndTheEditorsKeysReachTheMap) {
  MakeStamp();
  ClickStamp();
  ASSERT_TRUE(window->PlacementTool().IsActive());
  OpenEditMenuByClick();
  CloseMenuWithEscape();
  EXPECT_EQ(QApplication::focusWidget(), viewPort) << "the menu bar kept the keys";
  Press(Qt::Key_Escape);
  EXPECT_FALSE(window->PlacementTool().IsActive()) << "the second Escape ends the placing";

  OpenEditMenuByClick();
  CloseMenuWithEscape();
  EXPECT_EQ(QApplication::focusWidget(), viewPort);
  Press(Qt::Key_Down);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "an arrow opened a menu";
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  MakeAnEdit();
  Press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(Edited());
}

TEST_F(MapKeysGuiTest, ThePlacingKeysReachAStampAfterTheFocusWasElsewhere) {
  MakeStamp();
  QTest::mouseClick(Filter(), Qt::LeftButton);
  ASSERT_EQ(QApplication::focusWidget(), Filter());
  ClickStamp();
  ASSERT_TRUE(window->PlacementTool().IsActive());
  // Another window in front and the editor's back.
  QWidget other;
  other.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
  QApplication::setActiveWindow(&other);
  QApplication::setActiveWindow(window.get());

  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    Orientation expected;
  } turns[] = {{Qt::Key_R, {}, Orientation{}.TurnedClockwise()},
               {Qt::Key_R, Qt::ShiftModifier, Orientation{}},
               {Qt::Key_X, {}, Orientation{}.MirroredLeftRight()},
               {Qt::Key_Y, {}, Orientation{}.MirroredLeftRight().MirroredTopBottom()}};
  for (const auto& turn : turns) {
    Press(turn.key, turn.modifiers);
    EXPECT_EQ(window->PlacementTool().Current().orientation, turn.expected)
        << QKeySequence(turn.key).toString().toStdString();
  }
  EXPECT_EQ(Filter()->text(), "");
  Hover(CellPoint(4, 4));
  Press(Qt::Key_Return);
  EXPECT_EQ(Document().Cell(5, 4).floorHeight, 11) << "placed, mirrored both ways";
  Press(Qt::Key_Escape);
  EXPECT_FALSE(window->PlacementTool().IsActive());
}

TEST_F(MapKeysGuiTest, EscapeDuringASelectionDragGivesBackTheSelectionFromBefore) {
  Drag(CellPoint(1, 1), CellPoint(2, 3));
  QTest::mousePress(viewPort, Qt::LeftButton, {}, CellPoint(5, 5));
  QTest::mouseMove(viewPort, CellPoint(7, 6));
  ASSERT_EQ(Editor().selection.x2, 7);
  Press(Qt::Key_Escape);
  const auto selected = [this] {
    const Selection& s = Editor().selection;
    return std::vector<int>{s.x1, s.y1, s.x2, s.y2};
  };
  EXPECT_EQ(selected(), (std::vector<int>{1, 1, 2, 3}));
  QTest::mouseMove(viewPort, CellPoint(8, 7));
  QTest::mouseRelease(viewPort, Qt::LeftButton, {}, CellPoint(8, 7));
  EXPECT_EQ(selected(), (std::vector<int>{1, 1, 2, 3})) << "the drag ended with the Escape";
}

}  // namespace
}  // namespace tessmoor
