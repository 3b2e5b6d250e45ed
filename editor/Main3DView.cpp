// How the main window and the 3D window keep each other in step: edits reach
// the 3D model, the camera shows on the map, a double click in 3D selects on it.

#include <QAction>
#include <QActionGroup>
#include <QOpenGLContext>
#include <QScrollBar>
#include <QSurfaceFormat>
#include <algorithm>

#include "editor/Editor3DViewForm.h"
#include "editor/EditorMainForm.h"
#include "editor/PreviewView.h"
#include "editor/commands/CommandRegistry.h"
#include "preview/AnimationClock.h"

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

void TFrmMain::Register3DViewCommands() {
  // The 3D window's context menu; reachable from the command search while the window is open.
  auto* rates = new QActionGroup(this);
  for (int rate : AnimationRates) {
    QAction* item = registry->Add({QString("View3DRate%1").arg(rate),
                                   QString("%1 Bilder pro Sekunde").arg(rate),
                                   "3D-Ansicht/&Animation",
                                   {},
                                   tessmoor::PreviewScope,
                                   [this] { return Frm3DView && Frm3DView->isVisible(); }},
                                  [this, rate] {
                                    if (Frm3DView) Frm3DView->SetAnimationRate(rate);
                                  });
    item->setCheckable(true);
    item->setData(rate);
    rates->addAction(item);
  }
}

bool TFrmMain::Create3DView() {
  if (Frm3DView) return true;
  if (!CanCreateCoreContext()) {
    session.Dialogs().ShowError(NoOpenGL);
    Command("View3D")->setChecked(false);
    return false;
  }
  Frm3DView = new TFrm3DView(session.Model().Map(), session.Editor(), this);
  QList<QAction*> rates;
  for (int rate : AnimationRates) rates << Command(QString("View3DRate%1").arg(rate));
  Frm3DView->SetAnimationActions(rates);
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
  Command("View3D")->setChecked(visible);
  registry->RefreshEnabled();
  session.Editor().cameraMarker.shown = visible;
  if (visible) PreviewCameraMoved();
  RedrawMapView();
}

void TFrmMain::PreviewCameraMoved() {
  const PreviewCamera& camera = Frm3DView->View().Camera();
  session.Editor().cameraMarker.cell = camera.Cell();
  session.Editor().cameraMarker.yaw = camera.Yaw();
  RedrawMapView();
}

void TFrmMain::SelectCellFrom3D(int x, int y) { ShowCell({x, y}); }
