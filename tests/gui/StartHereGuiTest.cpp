// Bearbeiten > Startposition hierher, through the menu's keys as a designer uses it.

#include <QMenu>

#include "app/TestBuild.h"
#include "gui/MainWindowFixture.h"
#include "texts/TestRunTexts.h"

namespace tessmoor {
namespace {

class StartHereGuiTest : public MainWindowFixture {
 protected:
  void StartHereByMenu() {
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(window.get(), Qt::Key_B, Qt::AltModifier);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_H);
  }
};

TEST_F(StartHereGuiTest, SetsTheSelectedCellInOneStepAndRefusesAWall) {
  Arrange([](MapDocument& map) {
    map.startPosition = {0, 0};
    map.Cell(4, 3).type = static_cast<uint8_t>(CellType::Wall);
  });
  Click(CellPoint(2, 3));
  StartHereByMenu();
  EXPECT_EQ(Document().startPosition.x, 2);
  EXPECT_EQ(Document().startPosition.y, 3);
  ASSERT_TRUE(Model().Undo());
  EXPECT_EQ(Document().startPosition.x, 0);
  EXPECT_EQ(Document().startPosition.y, 0);
  EXPECT_FALSE(Model().History().CanUndo()) << "one step";

  Click(CellPoint(4, 3));
  StartHereByMenu();
  EXPECT_EQ(Document().startPosition.x, 0);
  EXPECT_EQ(Document().startPosition.y, 0);
  ASSERT_FALSE(dialogs.log.empty());
  EXPECT_EQ(dialogs.log.back(), "error:" + StartCellRefusal(Document(), {4, 3}));
  EXPECT_FALSE(Model().History().CanUndo());
}

}  // namespace
}  // namespace tessmoor
