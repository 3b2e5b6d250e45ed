#include "editor/WindowPlacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>

namespace tessmoor {

namespace {

// The rectangle moved as little as it takes to lie on the screen (its top-left
// corner wins where it is larger than the screen).
QRect OnScreen(QRect rect, const QRect& screen) {
  rect.moveLeft(std::max(screen.left(), std::min(rect.left(), screen.right() + 1 - rect.width())));
  rect.moveTop(std::max(screen.top(), std::min(rect.top(), screen.bottom() + 1 - rect.height())));
  return rect;
}

qint64 Area(const QRect& rect) { return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height(); }

}  // namespace

QPoint BesidePosition(const QRect& mainFrame, const QSize& size, const QRect& screen) {
  const std::array<QPoint, 4> sides{
      QPoint(mainFrame.right() + 1, mainFrame.top()), QPoint(mainFrame.left() - size.width(), mainFrame.top()),
      QPoint(mainFrame.left(), mainFrame.bottom() + 1), QPoint(mainFrame.left(), mainFrame.top() - size.height())};
  for (const QPoint& corner : sides) {
    if (screen.contains(QRect(corner, size))) return corner;
  }
  QRect best = OnScreen(QRect(sides[0], size), screen);
  for (const QPoint& corner : sides) {
    const QRect candidate = OnScreen(QRect(corner, size), screen);
    if (Area(candidate & mainFrame) < Area(best & mainFrame)) best = candidate;
  }
  return best.topLeft();
}

void PlaceBeside(QWidget& window, const QWidget& mainWindow) {
  const QScreen* screen = mainWindow.screen();
  if (!screen) return;
  // A window not shown yet has no frame; it will get one like the main window's.
  const QMargins frame(mainWindow.geometry().left() - mainWindow.frameGeometry().left(),
                       mainWindow.geometry().top() - mainWindow.frameGeometry().top(),
                       mainWindow.frameGeometry().right() - mainWindow.geometry().right(),
                       mainWindow.frameGeometry().bottom() - mainWindow.geometry().bottom());
  const QSize size = window.isVisible() ? window.frameGeometry().size() : window.size().grownBy(frame);
  window.move(BesidePosition(mainWindow.frameGeometry(), size, screen->availableGeometry()));
}

}  // namespace tessmoor
