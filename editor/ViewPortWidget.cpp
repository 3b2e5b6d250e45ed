#include "editor/ViewPortWidget.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QWheelEvent>

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
}

void ViewPortWidget::Present(const uint16_t* pixels, int32_t width, int32_t height, int32_t rowPixels,
                             const QRect& target) {
  if (!activePainter) {
    update();
    return;
  }
  // The image borrows the surface's own pixels: no conversion, no copy.
  const QImage picture(reinterpret_cast<const uchar*>(pixels), width, height, rowPixels * 2, QImage::Format_RGB555);
  activePainter->drawImage(target, picture);
  paintedArea = target;
  ++presentedFrames;
}

void ViewPortWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  activePainter = &painter;
  paintedArea = QRect();
  if (OnPaint) OnPaint();
  activePainter = nullptr;
  // Whatever the surface did not cover (no surface yet, or the odd pixel column
  // that an even surface width drops) must still be painted over.
  const QRegion uncovered = QRegion(rect()).subtracted(paintedArea);
  for (const QRect& part : uncovered) painter.fillRect(part, Qt::black);
}

void ViewPortWidget::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) OnMouseDown(ToPointerInput(*event));
}

void ViewPortWidget::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) OnMouseMove(ToPointerInput(*event));
}

void ViewPortWidget::wheelEvent(QWheelEvent* event) {
  if (OnWheel) return OnWheel(*event);
  QWidget::wheelEvent(event);
}

}  // namespace tessmoor
