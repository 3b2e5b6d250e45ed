#pragma once
// A panel docked at the main window's right side, as the stamps and the
// textures are: hidden until asked for, with a filter field that takes the
// keys only by a click or a command, so the map keeps them.

#include <functional>

class QDockWidget;
class QLineEdit;
class QMainWindow;
class QObject;
class QWidget;

namespace tessmoor {

// Puts `panel` into a new hidden dock of `window` named `name`, whose toggle
// action is named `toggleName`. Floating, the dock is a window of its own whose
// Alt letters stay inside it. The filter's clear button, whose icon comes from
// the desktop's icon theme and costs more than the rest of the panel, is made
// when the panel first shows. `remember` runs when the user shows or hides the
// panel, not when a minimised main window hides its docks, for as long as
// `rememberer` lives (the window's docks outlive the features that fill them).
QDockWidget* AddToolDock(QMainWindow& window, const char* name, const char* toggleName, QWidget* panel,
                         QLineEdit& filter, const QObject& rememberer, std::function<void()> remember);

}  // namespace tessmoor
