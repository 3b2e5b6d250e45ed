#pragma once
// A small dialog is as wide as its fields, and the window manager then cuts its
// title short ("Als St... ichern"). This widens a window to hold its whole title.

class QWidget;

namespace tessmoor {

// The width a title bar needs for `window`'s title in a bold font, with room
// for the window's icon and its buttons.
int TitleBarWidth(const QWidget& window);
// Makes `window` at least that wide; call it once the title is set and the
// window has its layout.
void MakeRoomForTitle(QWidget& window);

}  // namespace tessmoor
