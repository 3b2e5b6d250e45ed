#include "editor/widgets/MapKeyFocus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

namespace tessmoor {

namespace {

bool IsPlainEscape(const QEvent* event) {
  const auto* key = static_cast<const QKeyEvent*>(event);
  return key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier;
}

class MenuFocusReturn : public QObject {
 public:
  MenuFocusReturn(QMenuBar& menuBar, QWidget& map) : QObject(&menuBar), menuBar(menuBar), map(&map) {
    for (QAction* item : menuBar.actions()) {
      if (QMenu* menu = item->menu()) Watch(*menu);
    }
  }

 private:
  void Watch(QMenu& menu) {
    connect(&menu, &QMenu::aboutToShow, this, [this] {
      // Walking from menu to menu leaves the bar with the focus; the field before the first one counts.
      QWidget* focused = QApplication::focusWidget();
      if (focused && focused != &menuBar) before = focused;
    });
    // Qt hands the bar the focus after the menu is gone, so look once that is done.
    connect(&menu, &QMenu::aboutToHide, this, [this] { QTimer::singleShot(0, this, [this] { GiveBack(); }); });
  }

  void GiveBack() {
    // The window's focus widget, not the application's: the window system may
    // hand the activation back to the main window only after this.
    if (menuBar.window()->focusWidget() != &menuBar || QApplication::activePopupWidget()) return;
    QWidget* target = before && before->isVisible() && before->isEnabled() ? before.data() : map.data();
    before = nullptr;
    // Losing the focus ends the bar's keyboard mode.
    if (target) target->setFocus(Qt::MenuBarFocusReason);
  }

  QMenuBar& menuBar;
  QPointer<QWidget> map;
  QPointer<QWidget> before;
};

class FieldEscape : public QObject {
 public:
  FieldEscape(QLineEdit& field, QWidget& map) : QObject(&field), map(&map) { field.installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The field claims Escape before any command of the window that has the key.
    if (event->type() == QEvent::ShortcutOverride && IsPlainEscape(event)) {
      event->accept();
      return true;
    }
    if (event->type() != QEvent::KeyPress || !IsPlainEscape(event)) return false;
    static_cast<QLineEdit*>(watched)->clear();
    if (map) map->setFocus(Qt::OtherFocusReason);
    return true;
  }

 private:
  QPointer<QWidget> map;
};

}  // namespace

void ReturnFocusFromMenus(QMenuBar& menuBar, QWidget& map) { new MenuFocusReturn(menuBar, map); }

void EscapeEmptiesField(QLineEdit& field, QWidget& map) { new FieldEscape(field, map); }

}  // namespace tessmoor
