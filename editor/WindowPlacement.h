#pragma once
// Where a window of the editor opens so that it leaves the main window's menus,
// tool bar and map in sight.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tessmoor {

// The top-left corner for a frame of `size` beside `mainFrame`: to its right,
// else to its left, below or above, whichever first fits on `screen`. Where none
// fits, the place on the screen that covers the least of the main window.
QPoint BesidePosition(const QRect& mainFrame, const QSize& size, const QRect& screen);

// Moves the top-level `window` beside `mainWindow` on the main window's screen.
void PlaceBeside(QWidget& window, const QWidget& mainWindow);

}  // namespace tessmoor
