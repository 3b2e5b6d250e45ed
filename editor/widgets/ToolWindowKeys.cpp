#include "editor/widgets/ToolWindowKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QTabBar>
#include <QWidget>

namespace tessmoor {

namespace {

bool Carries(const QString& text, const QKeySequence& key) { return QKeySequence::mnemonic(text) == key; }

// Does what Qt's mnemonic for the control would do; false when nothing here has the key.
bool PressLabel(QWidget* window, const QKeySequence& key) {
  for (QLabel* label : window->findChildren<QLabel*>()) {
    QWidget* buddy = label->buddy();
    if (!buddy || !label->isVisible() || !buddy->isEnabled() || !Carries(label->text(), key)) continue;
    buddy->setFocus(Qt::ShortcutFocusReason);
    return true;
  }
  return false;
}

bool PressButton(QWidget* window, const QKeySequence& key) {
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    // The button's own shortcut, not its text: a window may have taken a key away on purpose.
    if (!button->isVisible() || !button->isEnabled() || button->shortcut() != key) continue;
    button->setFocus(Qt::ShortcutFocusReason);
    button->click();
    return true;
  }
  return false;
}

bool PressTab(QWidget* window, const QKeySequence& key) {
  for (QTabBar* tabs : window->findChildren<QTabBar*>()) {
    if (!tabs->isVisible()) continue;
    for (int i = 0; i < tabs->count(); ++i) {
      if (!tabs->isTabEnabled(i) || !Carries(tabs->tabText(i), key)) continue;
      tabs->setCurrentIndex(i);
      return true;
    }
  }
  return false;
}

class MnemonicKeeper : public QObject {
 public:
  static MnemonicKeeper& Instance() {
    static auto* keeper = new MnemonicKeeper(qApp);
    return *keeper;
  }
  void Add(QWidget* window) { windows.append(window); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride) return Override(watched, static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::KeyPress && swallowKey != 0) {
      // The override made the key a plain key press for the focus widget; it was handled already.
      const bool same = static_cast<QKeyEvent*>(event)->key() == swallowKey;
      swallowKey = 0;
      return same;
    }
    return false;
  }

 private:
  explicit MnemonicKeeper(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

  bool Override(QObject* watched, QKeyEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || event->modifiers() != Qt::AltModifier) return false;
    QWidget* window = widget->window();
    if (!windows.contains(window)) return false;
    const QKeySequence key(Qt::ALT | Qt::Key(event->key()));
    if (!PressLabel(window, key) && !PressButton(window, key) && !PressTab(window, key)) return false;
    event->accept();
    swallowKey = event->key();
    return true;
  }

  QList<QPointer<QWidget>> windows;
  int swallowKey = 0;
};

}  // namespace

void KeepMnemonicsInside(QWidget* window) { MnemonicKeeper::Instance().Add(window); }

}  // namespace tessmoor
