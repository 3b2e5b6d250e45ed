#pragma once
// Where a window of the editor first appears: beside its owner, so that the
// owner's menu, tool bar and map stay in sight.

#include <QRect>
#include <QSize>

class QWidget;

namespace tessmoor {

// The frame rectangle for a window of size `frame` beside `owner` (both with
// their window frames) on `screen`: to its right, else to its left where it
// fits, else narrower (down to half its width) at the side with more room. With
// less room than that it keeps its size at that side of the screen, over the
// owner but never above `ownerBarsBottom`, the owner's last row of menu and tool bar,
// and shorter where the screen ends below it.
QRect PlaceBeside(const QRect& owner, int ownerBarsBottom, const QSize& frame, const QRect& screen);

// How much the window manager's frame adds to `window`'s size (nothing before it is shown).
QSize FrameSize(const QWidget& window);

// The same for a window of client size `size` beside the main window `owner`
// on the owner's screen, whose bars end right above `map`, the owner's map view
// (without it, at the owner's top).
QRect PlaceBeside(const QWidget& owner, const QWidget* map, const QSize& size);

// Moves the top-level `window` beside `owner`, narrower where the screen is short.
void MoveBeside(QWidget& window, const QWidget& owner, const QWidget* map);

}  // namespace tessmoor
