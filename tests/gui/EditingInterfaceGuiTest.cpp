// The window and the editing interface are one: what a caller does through the
// interface (as a script will) shows in the window's menus and view, and its
// transaction is one step for the window's undo key.

#include "app/MapEditing.h"
#include "document/MapFile.h"
#include "gui/MainWindowFixture.h"

namespace tessmoor {
namespace {

using EditingInterfaceGuiTest = MainWindowFixture;

TEST_F(EditingInterfaceGuiTest, ALayerSetThroughTheInterfaceIsTheOneTheMenuAndTheKeysShow) {
  MapEditing& editing = window->Session().Editing();
  for (const auto& [layer, item] :
       {std::pair{SurfaceKind::Floor, "ViewFloor"}, {SurfaceKind::PedestalCeiling, "ViewPedestalCeiling"}}) {
    ASSERT_TRUE(editing.SetLayer(layer).Ok());
    EXPECT_TRUE(Action(item)->isChecked()) << item;
    EXPECT_EQ(Editor().currentLayer, layer);
  }
  // And the other way round: the key sets the session's layer, and the interface's observers hear it.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3, Qt::ControlModifier);
  EXPECT_EQ(Editor().currentLayer, SurfaceKind::Wall);
  EXPECT_TRUE(Action("ViewWall")->isChecked());
}

TEST_F(EditingInterfaceGuiTest, ATransactionIsOneStepForTheUndoKey) {
  MapEditing& editing = window->Session().Editing();
  const std::vector<uint8_t> before = MapFileBytes(Document());
  const EditResult result = editing.Transaction(StepName::Fill, [&] {
    for (int i = 0; i < 5; ++i) {
      CellFieldEdit edit;
      edit.changed.set(CellField::FloorHeight);
      edit.values.floorHeight = float(10 + i);
      if (EditResult done = editing.EditFields({i, 0, i, 3}, edit); !done.Ok()) return done;
    }
    return editing.SetStart({4, 4});
  });
  ASSERT_TRUE(result.Ok());
  EXPECT_EQ(Document().Cell(4, 2).floorHeight, 14.0f);
  EXPECT_EQ(Action("EditUndo")->text(), "&Rückgängig: Füllen");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(MapFileBytes(Document()) == before) << "one Ctrl+Z takes back the whole transaction";
  EXPECT_FALSE(Action("EditUndo")->isEnabled());
  // A transaction that fails leaves nothing to undo.
  editing.Transaction(StepName::Fill, [&] {
    editing.Fill({0, 0, 2, 2});
    return editing.Fill({0, 0, 70, 2});
  });
  EXPECT_TRUE(MapFileBytes(Document()) == before);
  EXPECT_FALSE(Action("EditUndo")->isEnabled());
}

}  // namespace
}  // namespace tessmoor
