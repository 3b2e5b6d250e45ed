#include "editor/widgets/TitleRoom.h"

#include <QFontMetrics>
#include <QLayout>
#include <QSpacerItem>
#include <QWidget>
#include <algorithm>

namespace tessmoor {

namespace {

// The icon on the left and minimise, maximise and close on the right, each
// about as wide as the bar is high, and as much again for the gaps between them
// and a window manager whose title font is larger than ours.
constexpr int TitleBarItems = 6;

}  // namespace

int TitleBarWidth(const QWidget& window) {
  QFont font = window.font();
  font.setBold(true);
  const QFontMetrics metrics(font);
  const int barHeight = metrics.height() + 10;
  return metrics.horizontalAdvance(window.windowTitle()) + TitleBarItems * barHeight;
}

void MakeRoomForTitle(QWidget& window) {
  const int width = TitleBarWidth(window);
  window.setMinimumWidth(std::max(window.minimumWidth(), width));
  // A layout that sets its window's size from the contents (a QInputDialog's
  // does) would undo that minimum: the contents ask for the width themselves.
  if (QLayout* layout = window.layout()) {
    const QMargins margins = layout->contentsMargins();
    layout->addItem(
        new QSpacerItem(width - margins.left() - margins.right(), 0, QSizePolicy::Fixed, QSizePolicy::Minimum));
  }
}

}  // namespace tessmoor
