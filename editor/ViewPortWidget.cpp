#include "editor/ViewPortWidget.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWheelEvent>

#include "graphics/RenderSurface.h"

namespace tessmoor {

namespace {

MouseButton ToolButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return MouseButton::Left;
    case Qt::RightButton:
      return MouseButton::Right;
    default:
      // Any other button acts like the middle one: it neither hits slots nor edits.
      return MouseButton::Middle;
  }
}

PointerInput ToPointerInput(const QMouseEvent& event) {
  PointerInput input;
  input.button = ToolButton(event.button());
  input.shift = event.modifiers().testFlag(Qt::ShiftModifier);
  input.leftHeld = event.buttons().testFlag(Qt::LeftButton);
  const QPoint position = event.position().toPoint();
  input.x = position.x();
  input.y = position.y();
  return input;
}

}  // namespace

ViewPortWidget::ViewPortWidget(QWidget* parent) : QWidget(parent) {
  // Every paint covers the whole area, so Qt need not clear it first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  // A click on a cell or a palette slot brings the keys back from any field of the window.
  setFocusPolicy(Qt::StrongFocus);
}

void ViewPortWidget::ExpectDamage(const tessmoor::ViewDamage& damage) {
  damageExpected = true;
  wholeDamage = damage.whole;
  damageRegion = QRegion();
  for (const ViewRect& part : damage.parts)
    damageRegion += QRect(QPoint(part.left, part.top), QPoint(part.right, part.bottom));
}

void ViewPortWidget::Present(const uint16_t* pixels, int32_t width, int32_t height, int32_t rowPixels,
                             const QRect& target) {
  frame = {pixels, width, height, rowPixels, target};
  if (!activePainter) {
    // A scroll, a zoom or a new size changes everything; an edit only its cells.
    if (!damageExpected || wholeDamage || frame.target != QRect(0, 0, width, height)) {
      update();
    } else if (!damageRegion.isEmpty()) {
      update(damageRegion);
    }
    damageExpected = false;
    return;
  }
  damageExpected = false;
  PaintFrame(*activePainter, QRegion(target));
}

bool ViewPortWidget::FrameIsCurrent() const {
  // The surface is this view's alone, and every change of the view composes it
  // anew before asking for a paint; only a destroyed or resized one is stale.
  const RenderSurface& surface = Surface();
  return frame.pixels && surface.created && frame.pixels == surface.pixels && frame.width == surface.width &&
         frame.height == surface.height && frame.rowPixels == surface.width;
}

void ViewPortWidget::PaintFrame(QPainter& painter, const QRegion& region) {
  // The image borrows the surface's own pixels: no conversion, no copy.
  const QImage picture(reinterpret_cast<const uchar*>(frame.pixels), frame.width, frame.height, frame.rowPixels * 2,
                       QImage::Format_RGB555);
  if (frame.target.size() == picture.size()) {
    // Only the asked-for parts go to the window system.
    for (const QRect& part : region.intersected(frame.target))
      painter.drawImage(part.topLeft(), picture, part.translated(-frame.target.topLeft()));
  } else {
    painter.drawImage(frame.target, picture);
  }
  paintedArea = frame.target;
  ++presentedFrames;
}

void ViewPortWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  paintedArea = QRect();
  if (FrameIsCurrent()) {
    PaintFrame(painter, event->region());
  } else {
    activePainter = &painter;
    if (OnPaint) OnPaint();
    activePainter = nullptr;
  }
  // Whatever the surface did not cover (no surface yet, or the odd pixel column
  // that an even surface width drops) must still be painted over.
  const QRegion uncovered = event->region().subtracted(paintedArea);
  for (const QRect& part : uncovered) painter.fillRect(part, Qt::black);
}

void ViewPortWidget::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) OnMouseDown(ToPointerInput(*event));
}

void ViewPortWidget::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) OnMouseMove(ToPointerInput(*event));
}

void ViewPortWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (OnMouseUp) OnMouseUp(ToPointerInput(*event));
}

void ViewPortWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && OnEscape && OnEscape()) return;
  QWidget::keyPressEvent(event);
}

void ViewPortWidget::wheelEvent(QWheelEvent* event) {
  if (OnWheel) return OnWheel(*event);
  QWidget::wheelEvent(event);
}

}  // namespace tessmoor
