#pragma once
// The editor's keys (undo, fill, copy, paste, zoom, layers, placing a block)
// act on the map while the keyboard focus is in the map view or in any control
// of the main window that is not a text field. These bring the focus back to
// the map where Qt would leave it somewhere that takes those keys for itself.

class QLineEdit;
class QMenuBar;
class QWidget;

namespace tessmoor {

// After Escape closes a menu of `menuBar`, Qt leaves the bar holding the focus:
// arrows then walk the menus and Escape only lets go of the bar. Instead the
// focus goes back to where it was before the menu opened, or to `map`.
void ReturnFocusFromMenus(QMenuBar& menuBar, QWidget& map);

// Escape in `field` empties it and gives the focus to `map`.
void EscapeEmptiesField(QLineEdit& field, QWidget& map);

}  // namespace tessmoor
