// Small dialogs are wide enough for their whole title: a window manager cuts a
// title that is wider than its window ("Als St... ichern").

#include <QInputDialog>
#include <QLineEdit>
#include <QTimer>

#include "gui/MainWindowFixture.h"

namespace tessmoor {

namespace {

using DialogTitleGuiTest = MainWindowFixture;

TEST_F(DialogTitleGuiTest, TheStampNameDialogHoldsItsWholeTitle) {
  Drag(CellPoint(1, 1), CellPoint(2, 2));
  // Through the menu, as a designer opens it.
  QApplication::setActiveWindow(window.get());
  QTest::keyClick(window.get(), Qt::Key_B, Qt::AltModifier);
  QWidget* menu = QApplication::activePopupWidget();
  ASSERT_NE(menu, nullptr);
  QString title;
  int width = 0;
  int needed = 0;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    title = dialog->windowTitle();
    width = dialog->width();
    // The title in bold, and four squares as high as the bar for the icon and the buttons.
    QFont bold = dialog->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    needed = metrics.horizontalAdvance(title) + 4 * metrics.height();
    QTest::keyClick(dialog->findChild<QLineEdit*>(), Qt::Key_Escape);
  });
  QTest::keyClick(menu, Qt::Key_C);
  EXPECT_EQ(title.toStdString(), "Als Stempel speichern");
  EXPECT_GE(width, needed);
}

}  // namespace

}  // namespace tessmoor
