// Alt and a letter in the editor's own windows: each letter reaches one control
// among those the window shows, or Qt only cycles between them.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QDockWidget>
#include <QLabel>
#include <QSignalBlocker>
#include <QTimer>
#include <map>
#include <set>

#include "gui/MainWindowFixture.h"
#include "gui/ShownTexts.h"

namespace tessmoor {
namespace {

// The controls each Alt letter of `window` reaches: a shown label's buddy, a shown button.
std::map<int, std::set<QWidget*>> MnemonicTargets(QWidget& window) {
  std::map<int, std::set<QWidget*>> targets;
  const auto add = [&](const QString& text, QWidget* control) {
    const QKeySequence key = QKeySequence::mnemonic(text);
    // A tool window is a child of the main window, yet not part of it.
    if (!key.isEmpty() && control->isEnabled() && control->window() == &window) targets[key[0].key()].insert(control);
  };
  for (QLabel* label : window.findChildren<QLabel*>())
    if (label->buddy() && label->isVisible()) add(label->text(), label->buddy());
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
    if (button->isVisible() && button->focusPolicy() != Qt::NoFocus) add(button->text(), button);
  return targets;
}

// Presses every Alt letter of `window` into whatever has the focus there and
// returns the letters that moved it anywhere but to a control with that letter.
QStringList LettersMissingTheirControl(QWidget& window) {
  QStringList missed;
  const std::map<int, std::set<QWidget*>> targets = MnemonicTargets(window);
  if (targets.empty()) return {"no control with an Alt letter"};
  for (const auto& [key, controls] : targets) {
    QApplication::setActiveWindow(&window);
    QWidget* focused = QApplication::focusWidget();
    // The walk checks where the key goes, not what the buttons do.
    std::vector<std::unique_ptr<QSignalBlocker>> quiet;
    for (QWidget* control : controls) quiet.push_back(std::make_unique<QSignalBlocker>(control));
    QTest::keyClick(focused ? focused : &window, Qt::Key(key), Qt::AltModifier);
    if (!controls.count(QApplication::focusWidget())) {
      focused = QApplication::focusWidget();
      missed << QString("Alt+%1 went to %2").arg(QChar(key), focused ? focused->objectName() : "nobody");
    }
    if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
  }
  return missed;
}

class DialogMnemonicsTest : public MainWindowFixture {};

TEST_F(DialogMnemonicsTest, EachAltLetterOfAToolWindowMovesTheFocusToItsControlThere) {
  window->resize(1000, 600);
  const auto walk = [](QWidget* shown) {
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(shown->isVisible());
    const QStringList missed = LettersMissingTheirControl(*shown);
    EXPECT_TRUE(missed.isEmpty()) << shown->objectName().toStdString() << ": " << missed.join("; ").toStdString();
  };
  Trigger("EditFindReplace");
  walk(window->findChild<QDialog*>("FrmFindReplace"));
  Trigger("EditCheckMap");
  walk(window->findChild<QDialog*>("FrmMapCheck"));
  Trigger("ViewProperties");
  walk(window->findChild<QWidget*>("FrmProperties"));
  for (bool floating : {false, true}) {
    SCOPED_TRACE(floating ? "floating stamp panel" : "docked stamp panel");
    auto* panel = Control<QDockWidget>("DockStamps");
    panel->show();
    panel->setFloating(floating);
    QCoreApplication::processEvents();
    walk(floating ? static_cast<QWidget*>(panel) : window.get());
  }
  bool walked = false;
  QTimer::singleShot(0, [&] {
    auto* editor = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    walk(editor);
    walked = true;
    if (editor) editor->reject();
  });
  Trigger("ViewTextureEditor");
  EXPECT_TRUE(walked);
}

TEST_F(DialogMnemonicsTest, EachAltLetterReachesOneControl) {
  // The commands that open the windows added beside the classic ones.
  const struct {
    const char* command;
    bool modal;
  } windows[] = {
      {"EditFindReplace", false}, {"ExtrasShortcuts", true}, {"ExtrasTestProfiles", true}, {"ExtrasSettings", true}};
  for (const auto& row : windows) {
    SCOPED_TRACE(row.command);
    QStringList clashes{"not opened"};
    const auto inspect = [this, &clashes] {
      QWidget* shown =
          QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
      if (!shown || shown == window.get()) return;
      clashes = WindowMnemonicClashes(*shown);
      if (auto* dialog = qobject_cast<QDialog*>(shown)) dialog->reject();
    };
    if (row.modal) QTimer::singleShot(0, inspect);
    Trigger(row.command);
    if (!row.modal) {
      QApplication::setActiveWindow(window->findChild<QDialog*>("FrmFindReplace"));
      inspect();
    }
    EXPECT_TRUE(clashes.isEmpty()) << clashes.join("; ").toStdString();
  }
}

}  // namespace
}  // namespace tessmoor
