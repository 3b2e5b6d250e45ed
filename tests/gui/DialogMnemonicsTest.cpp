// Alt and a letter in the editor's own windows: each letter reaches one control
// among those the window shows, or Qt only cycles between them.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <map>

#include "gui/MainWindowFixture.h"

namespace tessmoor {
namespace {

// Every pair of shown texts in `window` whose mnemonic letters are the same.
QStringList MnemonicClashes(const QWidget& window) {
  std::map<QChar, QString> owners;
  QStringList clashes;
  const auto add = [&](const QString& text) {
    for (qsizetype at = text.indexOf('&'); at >= 0 && at + 1 < text.size(); at = text.indexOf('&', at + 2)) {
      if (text[at + 1] == '&') continue;  // "&&" is a plain ampersand
      const auto [owner, fresh] = owners.emplace(text[at + 1].toLower(), text);
      if (!fresh) clashes << owner->second + " / " + text;
      return;
    }
  };
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
    if (button->isVisibleTo(&window)) add(button->text());
  for (const QLabel* label : window.findChildren<QLabel*>())
    if (label->buddy() && label->isVisibleTo(&window)) add(label->text());
  for (const QGroupBox* group : window.findChildren<QGroupBox*>())
    if (group->isCheckable() && group->isVisibleTo(&window)) add(group->title());
  return clashes;
}

class DialogMnemonicsTest : public MainWindowFixture {};

TEST_F(DialogMnemonicsTest, EachAltLetterReachesOneControl) {
  // The commands that open the windows added beside the classic ones.
  const struct {
    const char* command;
    bool modal;
  } windows[] = {{"EditFindReplace", false},
                 {"ExtrasShortcuts", true},
                 {"ExtrasTestProfiles", true},
                 {"ExtrasSettings", true}};
  for (const auto& row : windows) {
    SCOPED_TRACE(row.command);
    QStringList clashes{"not opened"};
    const auto inspect = [this, &clashes] {
      QWidget* shown = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                         : QApplication::activeWindow();
      if (!shown || shown == window.get()) return;
      clashes = MnemonicClashes(*shown);
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
