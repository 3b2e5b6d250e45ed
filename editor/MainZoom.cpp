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
#include "editor/commands/CommandRegistry.h"
#include "view/ScaledPictures.h"
#include "view/ViewColours.h"

void TFrmMain::RegisterZoomCommands() {
  registry->Add({"ViewZoomIn",
                 "Ver&größern",
                 "&Ansicht",
                 {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
                  // where "+" is a shifted key, the key arrives with Shift held
                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus)}},
                [this] { ZoomTo(session.Editor().zoomLevel - 1, MapAreaCentre()); });
  registry->Add({"ViewZoomOut", "Ver&kleinern", "&Ansicht", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}},
                [this] { ZoomTo(session.Editor().zoomLevel + 1, MapAreaCentre()); });
  // Back at the original size from the whole map, the view starts where the map starts, as it first did.
  registry->Add({"ViewZoomReset", "Origi&nalgröße", "&Ansicht", {QKeySequence(Qt::CTRL | Qt::Key_0)}},
                [this] { ZoomTo(DefaultZoomLevel, QPoint(MapAreaLeft, MapAreaTop)); });
  registry->Add({"ViewZoomWhole", "Ganze K&arte", "&Ansicht", {QKeySequence(Qt::CTRL | Qt::Key_9)}},
                [this] { ZoomTo(WholeGridZoomLevel(Geometry()), QPoint(MapAreaLeft, MapAreaTop)); });
  ViewPort->OnWheel = [this](QWheelEvent& event) { ViewPortWheel(event); };
}

QPoint TFrmMain::MapAreaCentre() const {
  const ViewRect area = MapArea(Geometry());
  return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

void TFrmMain::ZoomTo(int level, QPoint anchor) {
  const int from = session.Editor().zoomLevel;
  // Taken before the new scroll range may cut the origin back.
  const GridPoint origin = session.Editor().viewOrigin;
  session.Editor().zoomLevel = ClampZoomLevel(level);
  PrepareScaledPictures(session.ScaledPictures(), session.Model().Map(), session.Editor(), session.Editor().zoomLevel);
  ApplyScrollRanges();
  session.Editor().viewOrigin.x =
      ZoomedOrigin(origin.x, anchor.x() - MapAreaLeft, from, session.Editor().zoomLevel, ScrHorizontal->maximum());
  session.Editor().viewOrigin.y =
      ZoomedOrigin(origin.y, anchor.y() - MapAreaTop, from, session.Editor().zoomLevel, ScrVertical->maximum());
  // The label names the pointer's cell again on its next move.
  session.Editor().hoverCell = {-1, -1};
  RedrawView();
}

void TFrmMain::ViewPortWheel(QWheelEvent& event) {
  const int steps = event.angleDelta().y();
  if (!(event.modifiers() & Qt::ControlModifier) || steps == 0) {
    event.ignore();
    return;
  }
  event.accept();
  ZoomTo(session.Editor().zoomLevel + (steps > 0 ? -1 : 1), event.position().toPoint());
}

void TFrmMain::ApplyScrollRanges() {
  const QSignalBlocker blockHorizontal(ScrHorizontal);
  const QSignalBlocker blockVertical(ScrVertical);
  const ViewRect area = MapArea(Geometry());
  ScrHorizontal->setRange(0, ScrollMaximum(session.Editor().zoomLevel, area.right - area.left + 1));
  ScrVertical->setRange(0, ScrollMaximum(session.Editor().zoomLevel, area.bottom - area.top + 1));
  const ScrollBarLayout bars =
      LayoutScrollBars(ClientArea->width(), ClientArea->height(), ToolBarHeight, ScrollBarThickness, ScrollBarThickness,
                       CellPictureSizeAt(session.Editor().zoomLevel));
  ScrHorizontal->setPageStep(std::max(0, bars.horizontalPageStep));
  ScrVertical->setPageStep(std::max(0, bars.verticalPageStep));
  // A smaller range must not leave the view beyond it; the bars follow on the next redraw.
  session.Editor().viewOrigin.x = std::clamp(session.Editor().viewOrigin.x, 0, ScrHorizontal->maximum());
  session.Editor().viewOrigin.y = std::clamp(session.Editor().viewOrigin.y, 0, ScrVertical->maximum());
}

void TFrmMain::ScaledPicturesChanged() {
  InvalidateScaledPictures(session.ScaledPictures());
  PrepareScaledPictures(session.ScaledPictures(), session.Model().Map(), session.Editor(), session.Editor().zoomLevel);
  RedrawView();
}
