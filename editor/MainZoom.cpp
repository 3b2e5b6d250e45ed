// The zoom of the main window's map view: the Ansicht menu items, Ctrl+wheel,
// and the scroll bars that count cells of the current size.

#include <QAction>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <algorithm>

#include "editor/EditorMainForm.h"
#include "editor/ViewPortWidget.h"
#include "view/ScaledPictures.h"
#include "view/ViewColours.h"

namespace tessmoor {

void TFrmMain::BuildZoomMenu() {
  MnuView->addSeparator();
  ViewZoomIn = AddAction(MnuView, "ViewZoomIn", "Ver&größern",
                         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
                          // where "+" is a shifted key, the key arrives with Shift held
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus)});
  ViewZoomOut = AddAction(MnuView, "ViewZoomOut", "Ver&kleinern", {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
  ViewZoomReset = AddAction(MnuView, "ViewZoomReset", "Origi&nalgröße", {QKeySequence(Qt::CTRL | Qt::Key_0)});
  ViewZoomWhole = AddAction(MnuView, "ViewZoomWhole", "Ganze K&arte", {QKeySequence(Qt::CTRL | Qt::Key_9)});
  connect(ViewZoomIn, &QAction::triggered, this, [this] { ZoomTo(zoomLevel - 1, MapAreaCentre()); });
  connect(ViewZoomOut, &QAction::triggered, this, [this] { ZoomTo(zoomLevel + 1, MapAreaCentre()); });
  // Back at the original size from the whole map, the view starts where the map starts, as it first did.
  connect(ViewZoomReset, &QAction::triggered, this,
          [this] { ZoomTo(DefaultZoomLevel, QPoint(MapAreaLeft, MapAreaTop)); });
  connect(ViewZoomWhole, &QAction::triggered, this,
          [this] { ZoomTo(WholeGridZoomLevel(Geometry()), QPoint(MapAreaLeft, MapAreaTop)); });
  ViewPort->OnWheel = [this](QWheelEvent& event) { ViewPortWheel(event); };
}

QPoint TFrmMain::MapAreaCentre() const {
  const ViewRect area = MapArea(Geometry());
  return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

void TFrmMain::ZoomTo(int level, QPoint anchor) {
  const int from = zoomLevel;
  // Taken before the new scroll range may cut the origin back.
  const GridPoint origin = editor->viewOrigin;
  zoomLevel = ClampZoomLevel(level);
  PrepareScaledPictures(*scaledPictures, model->Map(), *editor, zoomLevel);
  ApplyScrollRanges();
  editor->viewOrigin.x = ZoomedOrigin(origin.x, anchor.x() - MapAreaLeft, from, zoomLevel, ScrHorizontal->maximum());
  editor->viewOrigin.y = ZoomedOrigin(origin.y, anchor.y() - MapAreaTop, from, zoomLevel, ScrVertical->maximum());
  // The label names the pointer's cell again on its next move.
  editor->hoverCell = {-1, -1};
  RefreshViews();
}

void TFrmMain::ViewPortWheel(QWheelEvent& event) {
  const int steps = event.angleDelta().y();
  if (!(event.modifiers() & Qt::ControlModifier) || steps == 0) {
    event.ignore();
    return;
  }
  event.accept();
  ZoomTo(zoomLevel + (steps > 0 ? -1 : 1), event.position().toPoint());
}

void TFrmMain::ApplyScrollRanges() {
  const QSignalBlocker blockHorizontal(ScrHorizontal);
  const QSignalBlocker blockVertical(ScrVertical);
  const ViewRect area = MapArea(Geometry());
  ScrHorizontal->setRange(0, ScrollMaximum(zoomLevel, area.right - area.left + 1));
  ScrVertical->setRange(0, ScrollMaximum(zoomLevel, area.bottom - area.top + 1));
  const ScrollBarLayout bars = LayoutScrollBars(ClientArea->width(), ClientArea->height(), ToolBarHeight,
                                                ScrollBarThickness, ScrollBarThickness, CellPictureSizeAt(zoomLevel));
  ScrHorizontal->setPageStep(std::max(0, bars.horizontalPageStep));
  ScrVertical->setPageStep(std::max(0, bars.verticalPageStep));
  // A smaller range must not leave the view beyond it; the bars follow on the next redraw.
  editor->viewOrigin.x = std::clamp(editor->viewOrigin.x, 0, ScrHorizontal->maximum());
  editor->viewOrigin.y = std::clamp(editor->viewOrigin.y, 0, ScrVertical->maximum());
}

void TFrmMain::ScaledPicturesChanged() {
  InvalidateScaledPictures(*scaledPictures);
  PrepareScaledPictures(*scaledPictures, model->Map(), *editor, zoomLevel);
  RefreshViews();
}

}  // namespace tessmoor
