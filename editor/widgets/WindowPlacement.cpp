#include "editor/widgets/WindowPlacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tessmoor {

namespace {

// Keeps a span inside [low, high] where it fits, else starts it at `low`.
int Fit(int start, int length, int low, int high) { return std::max(low, std::min(start, high - length + 1)); }

}  // namespace

QRect PlaceBeside(const QRect& owner, int ownerBarsBottom, const QSize& frame, const QRect& screen) {
  const int top = Fit(owner.top(), frame.height(), screen.top(), screen.bottom());
  const int roomRight = screen.right() - owner.right();
  const int roomLeft = owner.left() - screen.left();
  const int room = std::max(roomRight, roomLeft);
  // Narrower beside the owner is better than wide over it, down to half the width.
  const int width = std::min(frame.width(), room);
  if (width >= frame.width() / 2) {
    const int left = roomRight >= width ? owner.right() + 1 : owner.left() - width;
    return {QPoint(left, top), QSize(width, frame.height())};
  }
  // No room beside it: it covers part of the owner's map, not its bars.
  const int left = roomRight >= roomLeft ? screen.right() - frame.width() + 1 : screen.left();
  return {QPoint(std::max(screen.left(), left), std::max(top, ownerBarsBottom + 1)), frame};
}

QRect PlaceBeside(const QWidget& owner, const QWidget* map, const QSize& size) {
  const int barsBottom = map ? map->mapToGlobal(QPoint(0, 0)).y() - 1 : owner.geometry().top();
  // A window not shown yet has no frame; it will get one like its owner's.
  const QSize frame = size + (owner.frameGeometry().size() - owner.geometry().size());
  const QScreen* screen = owner.screen();
  return PlaceBeside(owner.frameGeometry(), barsBottom, frame, screen ? screen->availableGeometry() : QRect());
}

void MoveBeside(QWidget& window, const QWidget& owner, const QWidget* map) {
  const QRect place = PlaceBeside(owner, map, window.size());
  const int frameWidth = owner.frameGeometry().width() - owner.geometry().width();
  window.move(place.topLeft());
  if (place.width() - frameWidth < window.width()) window.resize(place.width() - frameWidth, window.height());
}

}  // namespace tessmoor
