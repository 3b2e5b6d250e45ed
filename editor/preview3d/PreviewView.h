#pragma once
// The OpenGL widget of the 3D window: keeps the model of the document in step
// (at most one rebuild a frame, however many changes arrive), moves the camera
// with keys and mouse, picks cells with a double click and takes drops on the
// surface under the pointer.

#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <functional>
#include <memory>

#include "document/MapDocument.h"
#include "preview/CellPicking.h"
#include "preview/PreviewCamera.h"
#include "preview/PreviewModel.h"

class QMimeData;

namespace tessmoor {

class PreviewRenderer;

class PreviewView : public QOpenGLWidget {
  Q_OBJECT

 public:
  PreviewView(const MapDocument& document, const EditorState& editor, QWidget* parent = nullptr);
  ~PreviewView() override;

  // Something in the document changed: the model is rebuilt before the next frame.
  void DocumentChanged();
  // Only what is drawn over the model (the selection) changed.
  void RepaintSoon() { update(); }
  void ResetCamera();
  // The start pose moved to `cell`.
  void StandAt(GridPoint cell);
  void SetAnimationRate(int framesPerSecond);

  const PreviewCamera& Camera() const { return camera_; }
  // The model as of the last rebuild, rebuilt first when a change is pending.
  const PreviewModel& Model();
  // The face under the widget point `at`, in the model as it is now.
  CellPick PickAt(QPointF at);

  // Drags from other controls: whether the view takes such data at all, and
  // the drop on the surface of a cell (true when it acted). Without them the
  // view refuses every drag; a point that shows no face refuses it too.
  std::function<bool(const QMimeData*)> AcceptsDrag;
  std::function<bool(const QMimeData*, GridPoint, SurfaceKind)> OnSurfaceDrop;

 signals:
  void cellPicked(int x, int y);
  void cameraMoved();
  void modelRebuilt();

 protected:
  void initializeGL() override;
  void paintGL() override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  bool MoveCamera(int key, Qt::KeyboardModifiers modifiers);
  void ReleaseGL();

  const MapDocument& document_;
  const EditorState& editor_;
  PreviewModel model_;
  PreviewCamera camera_;
  std::unique_ptr<PreviewRenderer> renderer_;
  bool modelStale_ = true;
  bool uploadPending_ = true;
  QPoint dragFrom_;
  QElapsedTimer clock_;
  int animationRate_;
};

}  // namespace tessmoor
