#include "editor/widgets/WindowPlacement.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace tessmoor {

namespace {

// Keeps a span inside [low, high] where it fits, else starts it at `low`.
int Fit(int start, int length, int low, int high) { return std::max(low, std::min(start, high - length + 1)); }

// Asked of the window system: the widget's own frame geometry can lag behind the window manager.
QMargins FrameMargins(const QWidget& window) {
  const QWindow* handle = window.window()->windowHandle();
  return handle ? handle->frameMargins() : QMargins();
}

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
  // No room beside it: it covers part of the owner's map, not its bars. Shorter rather than past
  // the screen's bottom, where the window manager would place it anew, over the bars.
  const int left = roomRight >= roomLeft ? screen.right() - frame.width() + 1 : screen.left();
  const int below = std::max(top, ownerBarsBottom + 1);
  const int height = std::min(frame.height(), screen.bottom() - below + 1);
  return {QPoint(std::max(screen.left(), left), below), QSize(frame.width(), height)};
}

QSize FrameSize(const QWidget& window) {
  const QMargins margins = FrameMargins(window);
  return {margins.left() + margins.right(), margins.top() + margins.bottom()};
}

QRect PlaceBeside(const QWidget& owner, const QWidget* map, const QSize& size) {
  // Where the window manager put the owner, asked of the window system: geometry() can still say
  // (0, 0) when no move was reported after the window manager placed the window.
  const QPoint ownerTopLeft = owner.mapToGlobal(QPoint(0, 0));
  const QRect ownerFrame = QRect(ownerTopLeft, owner.size()).marginsAdded(FrameMargins(owner));
  const int barsBottom = map ? map->mapToGlobal(QPoint(0, 0)).y() - 1 : ownerTopLeft.y();
  // A window not shown yet has no frame; it will get one like its owner's.
  const QSize frame = size + FrameSize(owner);
  const QScreen* screen = owner.screen();
  return PlaceBeside(ownerFrame, barsBottom, frame, screen ? screen->availableGeometry() : QRect());
}

void MoveBeside(QWidget& window, const QWidget& owner, const QWidget* map) {
  const QRect place = PlaceBeside(owner, map, window.size());
  const QSize frame = FrameSize(owner);
  window.move(place.topLeft());
  window.resize(std::min(window.width(), place.width() - frame.width()),
                std::min(window.height(), place.height() - frame.height()));
}

}  // namespace tessmoor
