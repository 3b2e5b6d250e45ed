#include "editor/widgets/ToolDock.h"

#include <QAction>
#include <QDockWidget>
#include <QLineEdit>
#include <QMainWindow>

#include "editor/widgets/ToolWindowKeys.h"

namespace tessmoor {

QDockWidget* AddToolDock(QMainWindow& window, const char* name, const char* toggleName, QWidget* panel,
                         QLineEdit& filter, const QObject& rememberer, std::function<void()> remember) {
  auto* dock = new QDockWidget(&window);
  dock->setObjectName(name);
  dock->toggleViewAction()->setObjectName(toggleName);
  // Only a click or a command puts the typing here; the focus Qt hands round on its own stays with the map.
  filter.setFocusPolicy(Qt::ClickFocus);
  dock->setWidget(panel);
  window.addDockWidget(Qt::RightDockWidgetArea, dock);
  dock->hide();
  KeepMnemonicsInside(dock);
  QObject::connect(dock, &QDockWidget::visibilityChanged, &rememberer,
                   [&window, &filter, remember = std::move(remember)](bool visible) {
                     if (visible) filter.setClearButtonEnabled(true);
                     if (!window.window()->isMinimized() && window.isVisible()) remember();
                   });
  return dock;
}

}  // namespace tessmoor
