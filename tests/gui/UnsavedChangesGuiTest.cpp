// "geändert" in the tool bar: shown while the map has unsaved changes, gone
// after a save, an undo back to the saved state and a load. Driven by clicks
// and keys as a designer works.

#include <QLabel>

#include "gui/MainWindowFixture.h"

namespace tessmoor {

namespace {

class UnsavedChangesGuiTest : public MainWindowFixture {
 protected:
  QLabel* Mark() { return Control<QFrame>("PnlToolBar")->findChild<QLabel*>("LblModified"); }
  bool ShowsChanged() {
    QLabel* mark = Mark();
    return mark->isVisible() && mark->text() == QString::fromUtf8("geändert") && !mark->toolTip().isEmpty();
  }
  bool ShowsNothing() { return Mark()->text().isEmpty() && Mark()->toolTip().isEmpty(); }
  void Key(Qt::Key key) { QTest::keyClick(window.get(), key, Qt::ControlModifier); }
};

TEST_F(UnsavedChangesGuiTest, TheToolBarSaysGeaendertUntilTheMapIsSavedUndoneOrLoaded) {
  ASSERT_NE(Mark(), nullptr);
  const QString caption = window->windowTitle();
  EXPECT_TRUE(ShowsNothing());
  // Cells the palette's first slot paints differently.
  Arrange([](MapDocument& document) {
    for (int i = 0; i < 3; ++i) document.Cell(i, i).opacity = 77;
  });
  Click(SlotPoint(0));
  ASSERT_EQ(Editor().toolMode, ToolMode::Paint);
  // The template is an untouched cell, picked up.
  Click(CellPoint(5, 5), Qt::LeftButton, Qt::ShiftModifier);

  Click(CellPoint(0, 0));
  ASSERT_TRUE(Model().IsModified());
  EXPECT_TRUE(ShowsChanged());
  EXPECT_EQ(window->windowTitle(), caption) << "the caption stays as it is";
  Key(Qt::Key_Z);
  ASSERT_FALSE(Model().IsModified());
  EXPECT_TRUE(ShowsNothing()) << "undone back to the state it started in";

  Click(CellPoint(1, 1));
  EXPECT_TRUE(ShowsChanged());
  dialogs.saveAsAnswers.push_back(MapPath("Halle.tmm"));
  Key(Qt::Key_S);
  ASSERT_FALSE(Model().IsModified());
  EXPECT_TRUE(ShowsNothing()) << "saved";

  Click(CellPoint(2, 2));
  EXPECT_TRUE(ShowsChanged());
  Key(Qt::Key_Z);
  EXPECT_TRUE(ShowsNothing()) << "undone back to the saved state";
  Key(Qt::Key_Y);
  EXPECT_TRUE(ShowsChanged()) << "redone";

  dialogs.saveAnswers.push_back(SaveChangesAnswer::No);
  dialogs.openAnswers.push_back(MapPath("Halle.tmm"));
  Key(Qt::Key_O);
  ASSERT_EQ(Document().fileName, MapPath("Halle.tmm"));
  ASSERT_FALSE(Model().IsModified());
  EXPECT_TRUE(ShowsNothing()) << "loaded";
}

}  // namespace

}  // namespace tessmoor
