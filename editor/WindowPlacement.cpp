#include "editor/WindowPlacement.h"

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
  if (frame.width() <= roomRight) return {QPoint(owner.right() + 1, top), frame};
  if (frame.width() <= roomLeft) return {QPoint(owner.left() - frame.width(), top), frame};
  // Too wide for either side: it covers part of the owner's map, not its bars.
  const int left = roomRight >= roomLeft ? screen.right() - frame.width() + 1 : screen.left();
  return {QPoint(std::max(screen.left(), left), std::max(top, ownerBarsBottom + 1)), frame};
}

}  // namespace tessmoor
