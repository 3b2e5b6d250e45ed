#pragma once
// Where a window of the editor first appears: beside its owner, so that the
// owner's menu, tool bar and map stay in sight.

#include <QRect>
#include <QSize>

namespace tessmoor {

// The frame rectangle of size `frame` beside `owner` (both with their window
// frames) on `screen`: to its right, else to its left where it fits, else at the
// side with more room, pushed onto the screen but never above `ownerBarsBottom`,
// the owner's last row of menu and tool bar.
QRect PlaceBeside(const QRect& owner, int ownerBarsBottom, const QSize& frame, const QRect& screen);

}  // namespace tessmoor
