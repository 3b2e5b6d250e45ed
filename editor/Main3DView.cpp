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

namespace tessmoor {

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
  Frm3DView = new TFrm3DView(model->Map(), *editor, this);
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
  if (Frm3DView) Frm3DView->DocumentChanged();
}

void TFrmMain::Preview3DVisible(bool visible) {
  View3D->setChecked(visible);
  cameraMarker.shown = visible;
  if (visible) PreviewCameraMoved();
  RedrawMapView();
}

void TFrmMain::PreviewCameraMoved() {
  const PreviewCamera& camera = Frm3DView->View().Camera();
  cameraMarker.cell = camera.Cell();
  cameraMarker.yaw = camera.Yaw();
  RedrawMapView();
}

void TFrmMain::SelectCellFrom3D(int x, int y) { ShowCell({x, y}); }

}  // namespace tessmoor
