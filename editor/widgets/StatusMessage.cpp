#include "editor/widgets/StatusMessage.h"

#include <QMainWindow>
#include <QStatusBar>

namespace tessmoor {

namespace {

constexpr int StatusMessageMilliseconds = 15000;

}  // namespace

void ShowStatusMessage(QMainWindow& window, const QString& message) {
  QStatusBar* bar = window.statusBar();
  if (bar->property("tmHidesWhenEmpty").isNull()) {
    bar->setObjectName("StatusBar");
    bar->setProperty("tmHidesWhenEmpty", true);
    QObject::connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& text) {
      if (text.isEmpty()) bar->hide();
    });
  }
  bar->show();
  bar->showMessage(message, StatusMessageMilliseconds);
}

}  // namespace tessmoor
