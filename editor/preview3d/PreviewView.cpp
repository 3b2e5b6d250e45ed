#include "editor/preview3d/PreviewView.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QSurfaceFormat>

#include "editor/preview3d/PreviewRenderer.h"
#include "editor/widgets/TextureDrag.h"
#include "preview/AnimationClock.h"
#include "preview/SelectionOutline.h"

namespace tessmoor {

namespace {

constexpr float WalkStep = 16.0f;
constexpr float RunFactor = 4.0f;
constexpr float TurnStep = 0.0873f;     // 5 degrees
constexpr float LookPerPixel = 0.005f;  // radians

}  // namespace

PreviewView::PreviewView(const MapDocument& document, const EditorState& editor, QWidget* parent)
    : QOpenGLWidget(parent), document_(document), editor_(editor), animationRate_(DefaultAnimationRate) {
  setObjectName("PreviewView");
  QSurfaceFormat format;
  format.setVersion(3, 3);
  format.setProfile(QSurfaceFormat::CoreProfile);
  format.setDepthBufferSize(24);
  setFormat(format);
  setFocusPolicy(Qt::StrongFocus);
  setAcceptDrops(true);
  camera_.Reset(document_);
  clock_.start();
}

PreviewView::~PreviewView() {
  // The base class destroys the context after this part of the object is gone.
  if (context()) disconnect(context(), nullptr, this, nullptr);
  makeCurrent();
  ReleaseGL();
  doneCurrent();
}

void PreviewView::ReleaseGL() {
  if (renderer_) renderer_->Release();
  renderer_.reset();
}

void PreviewView::initializeGL() {
  // A new context (the window moved to another screen) needs all objects anew;
  // the old ones went with the old context, released just before it died.
  renderer_ = std::make_unique<PreviewRenderer>(editor_.programDirectory);
  if (!renderer_->Initialize()) renderer_.reset();
  uploadPending_ = true;
  connect(
      context(), &QOpenGLContext::aboutToBeDestroyed, this,
      [this] {
        makeCurrent();
        ReleaseGL();
        doneCurrent();
      },
      Qt::DirectConnection);
}

void PreviewView::DocumentChanged() {
  modelStale_ = true;
  update();
}

const PreviewModel& PreviewView::Model() {
  if (modelStale_) {
    model_.Rebuild(document_);
    modelStale_ = false;
    uploadPending_ = true;
    const Vec3 before = camera_.Eye();
    camera_.Settle(document_);
    const Vec3 after = camera_.Eye();
    emit modelRebuilt();
    if (before.x != after.x || before.y != after.y || before.z != after.z) emit cameraMoved();
  }
  return model_;
}

void PreviewView::paintGL() {
  Model();
  if (!renderer_) return;
  if (uploadPending_) {
    renderer_->Upload(model_.Batches());
    uploadPending_ = false;
  }
  std::vector<Vec3> outline;
  SelectionOutline(document_, Normalized(editor_.selection), outline);
  PreviewFrame frame;
  frame.document = &document_;
  frame.camera = &camera_;
  frame.width = int(width() * devicePixelRatioF());
  frame.height = int(height() * devicePixelRatioF());
  frame.animationTick = TickAt(double(clock_.elapsed()) / 1000.0, animationRate_);
  frame.outline = &outline;
  renderer_->Render(frame);
}

void PreviewView::ResetCamera() {
  camera_.Reset(document_);
  emit cameraMoved();
  update();
}

void PreviewView::StandAt(GridPoint cell) {
  camera_.StandAt(document_, cell);
  emit cameraMoved();
  update();
}

void PreviewView::SetAnimationRate(int framesPerSecond) {
  // The clock restarts, so the shown frame does not jump with the new rate.
  animationRate_ = framesPerSecond;
  clock_.restart();
  update();
}

bool PreviewView::MoveCamera(int key, Qt::KeyboardModifiers modifiers) {
  const float step = WalkStep * ((modifiers & Qt::ShiftModifier) ? RunFactor : 1.0f);
  const bool strafe = modifiers & Qt::AltModifier;
  switch (key) {
    case Qt::Key_W:
    case Qt::Key_Up:
      camera_.Walk(document_, step);
      return true;
    case Qt::Key_S:
    case Qt::Key_Down:
      camera_.Walk(document_, -step);
      return true;
    case Qt::Key_A:
    case Qt::Key_Left:
      strafe ? camera_.Strafe(document_, -step) : camera_.Turn(-TurnStep);
      return true;
    case Qt::Key_D:
    case Qt::Key_Right:
      strafe ? camera_.Strafe(document_, step) : camera_.Turn(TurnStep);
      return true;
    case Qt::Key_PageUp:
      camera_.Rise(document_, step);
      return true;
    case Qt::Key_PageDown:
      camera_.Rise(document_, -step);
      return true;
    case Qt::Key_Home:
      camera_.Reset(document_);
      return true;
    case Qt::Key_F:
      camera_.SetFreeFlight(document_, !camera_.FreeFlight());
      return true;
    default:
      return false;
  }
}

void PreviewView::keyPressEvent(QKeyEvent* event) {
  Model();  // walk against the walls as they are now
  if (!MoveCamera(event->key(), event->modifiers())) return QOpenGLWidget::keyPressEvent(event);
  emit cameraMoved();
  update();
}

void PreviewView::mousePressEvent(QMouseEvent* event) {
  dragFrom_ = event->position().toPoint();
  QOpenGLWidget::mousePressEvent(event);
}

void PreviewView::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint at = event->position().toPoint();
  camera_.Turn(float(at.x() - dragFrom_.x()) * LookPerPixel);
  camera_.Pitch(float(dragFrom_.y() - at.y()) * LookPerPixel);
  dragFrom_ = at;
  emit cameraMoved();
  update();
}

void PreviewView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const CellPick pick = PickAt(event->position());
  if (pick.hit) emit cellPicked(pick.cell.x, pick.cell.y);
}

CellPick PreviewView::PickAt(QPointF at) {
  if (width() <= 0 || height() <= 0) return {};
  const float ndcX = float(2.0 * at.x() / width() - 1.0);
  const float ndcY = float(1.0 - 2.0 * at.y() / height());
  const float aspect = float(width()) / float(height());
  return PickCell(Model().Builder(), camera_.Eye(), camera_.RayThrough(ndcX, ndcY, aspect));
}

void PreviewView::dragEnterEvent(QDragEnterEvent* event) {
  // The move that always follows says whether this point takes it.
  TakeAsCopy(*event, AcceptsDrag && AcceptsDrag(event->mimeData()));
}

void PreviewView::dragMoveEvent(QDragMoveEvent* event) {
  // Only where a face is: the sky beyond the map takes nothing.
  TakeAsCopy(*event, AcceptsDrag && AcceptsDrag(event->mimeData()) && PickAt(event->position()).hit);
}

void PreviewView::dropEvent(QDropEvent* event) {
  const CellPick pick = PickAt(event->position());
  TakeAsCopy(*event, pick.hit && OnSurfaceDrop && OnSurfaceDrop(event->mimeData(), pick.cell, pick.surface));
}

}  // namespace tessmoor
