// How the main window and the 3D window keep each other in step: edits reach
// the 3D model, the camera shows on the map, a double click in 3D selects on it.

#include <QAction>
#include <QOpenGLContext>
#include <QScrollBar>
#include <QSurfaceFormat>
#include <algorithm>

#include "editor/Editor3DViewForm.h"
#include "editor/EditorMainForm.h"
#include "editor/PreviewView.h"

namespace {

const char* const NoOpenGL = "Die 3D-Ansicht braucht OpenGL 3.3, das hier nicht zur Verfügung steht.";

// A platform without OpenGL (the offscreen one) cannot even hold an OpenGL
// widget in a window, so this is asked before one is made.
bool CanCreateCoreContext() {
  QOpenGLContext probe;
  QSurfaceFormat format;
  format.setVersion(3, 3);
  format.setProfile(QSurfaceFormat::CoreProfile);
  probe.setFormat(format);
  if (!probe.create()) return false;
  const QSurfaceFormat made = probe.format();
  return made.majorVersion() > 3 || (made.majorVersion() == 3 && made.minorVersion() >= 3);
}

}  // namespace

bool TFrmMain::Create3DView() {
  if (Frm3DView) return true;
  if (!CanCreateCoreContext()) {
    dialogs.ShowError(NoOpenGL);
    View3D->setChecked(false);
    return false;
  }
  Frm3DView = new TFrm3DView(*document, *editor, this);
  connect(Frm3DView, &TFrm3DView::cellPicked, this, &TFrmMain::SelectCellFrom3D);
  connect(Frm3DView, &TFrm3DView::cameraMoved, this, &TFrmMain::PreviewCameraMoved);
  connect(Frm3DView, &TFrm3DView::visibilityChanged, this, &TFrmMain::Preview3DVisible);
  return true;
}

void TFrmMain::View3DClick() {
  if (Frm3DView && Frm3DView->isVisible()) {
    Frm3DView->hide();
    return;
  }
  if (!Create3DView()) return;
  Frm3DView->show();
  Frm3DView->raise();
}

void TFrmMain::NotifyPreviewOfChanges() {
  if (!Frm3DView) return;
  Frm3DView->DocumentChanged();
  Frm3DView->SelectionChanged();
}

void TFrmMain::Preview3DVisible(bool visible) {
  View3D->setChecked(visible);
  editor->cameraMarker.shown = visible;
  if (visible) PreviewCameraMoved();
  RedrawMapView();
}

void TFrmMain::PreviewCameraMoved() {
  const PreviewCamera& camera = Frm3DView->View().Camera();
  editor->cameraMarker.cell = camera.Cell();
  editor->cameraMarker.yaw = camera.Yaw();
  RedrawMapView();
}

void TFrmMain::SelectCellFrom3D(int x, int y) {
  if (x < 0 || x >= GridSize || y < 0 || y >= GridSize) return;
  editor->selection = {x, y, x, y};
  BindCell(document->Cell(x, y), CellNotification::CellEdited);
  ScrollMapViewTo({x, y});
  RedrawView();
}

void TFrmMain::ScrollMapViewTo(GridPoint cell) {
  // The last visible column and row may be cut by the view's edge; a cell there
  // is brought into the middle too.
  const auto centred = [](int at, int origin, int last) {
    if (at >= origin && at < last) return origin;
    const int shown = std::max(1, last - origin);
    return std::clamp(at - shown / 2, 0, GridSize - 1);
  };
  editor->viewOrigin.x = centred(cell.x, editor->viewOrigin.x, editor->lastVisibleColumn);
  editor->viewOrigin.y = centred(cell.y, editor->viewOrigin.y, editor->lastVisibleRow);
}
