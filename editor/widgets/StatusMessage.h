#pragma once
// A passing message at the foot of the main window. The window has a status bar
// only while it has something to say, so its picture stays as it was otherwise.

#include <QString>

class QMainWindow;

namespace tessmoor {

void ShowStatusMessage(QMainWindow& window, const QString& message);

}  // namespace tessmoor
