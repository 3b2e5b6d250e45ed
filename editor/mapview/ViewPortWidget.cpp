#include "editor/mapview/ViewPortWidget.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWheelEvent>
#include <optional>

#include "editor/widgets/TextureDrag.h"
#include "graphics/RenderSurface.h"
#include "graphics/Rgb32Pixels.h"

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

// The cell step of an arrow key with no modifier but Shift; none for any other key.
std::optional<CellStep> ArrowStep(const QKeyEvent& event) {
  // The arrows of the number block carry the keypad flag and mean the same.
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier) return std::nullopt;
  const bool grow = modifiers == Qt::ShiftModifier;
  switch (event.key()) {
    case Qt::Key_Left:
      return CellStep{-1, 0, grow};
    case Qt::Key_Right:
      return CellStep{1, 0, grow};
    case Qt::Key_Up:
      return CellStep{0, -1, grow};
    case Qt::Key_Down:
      return CellStep{0, 1, grow};
    default:
      return std::nullopt;
  }
}

bool IsPlainEnter(const QKeyEvent& event) {
  const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
  return enter && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

ViewPortWidget::ViewPortWidget(QWidget* parent) : QWidget(parent) {
  // Every paint covers the whole area, so Qt need not clear it first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  // A click on a cell or a palette slot brings the keys back from any field of the window.
  setFocusPolicy(Qt::StrongFocus);
  setAcceptDrops(true);
}

void ViewPortWidget::ExpectDamage(const tessmoor::ViewDamage& damage) {
  damageExpected = true;
  wholeDamage = damage.whole;
  damageRegion = QRegion();
  for (const ViewRect& part : damage.parts)
    damageRegion += QRect(QPoint(part.left, part.top), QPoint(part.right, part.bottom));
}

void ViewPortWidget::ForgetFrame() {
  frame = ShownFrame{};
  damageTracker.Invalidate();
  // A hidden tab's view need not keep a picture as large as the screen: its
  // next paint composes and converts anew.
  converted = QImage();
  staleParts = QRegion();
}

void ViewPortWidget::Present(const uint16_t* pixels, int32_t width, int32_t height, int32_t rowPixels,
                             const QRect& target) {
  const QRect whole(0, 0, width, height);
  if (!activePainter) {
    // A scroll, a zoom or a new size changes everything; an edit only its cells.
    const bool everything = !damageExpected || wholeDamage || target != whole;
    TakeFrame({pixels, width, height, rowPixels, target}, everything ? QRegion(whole) : damageRegion);
    if (everything) {
      update(UncoveredRegion());
    } else if (!damageRegion.isEmpty()) {
      update(damageRegion & UncoveredRegion());
    }
    damageExpected = false;
    return;
  }
  damageExpected = false;
  // Composed inside this paint: the picture is new everywhere.
  TakeFrame({pixels, width, height, rowPixels, target}, QRegion(whole));
  PaintFrame(*activePainter, QRegion(target));
}

void ViewPortWidget::TakeFrame(const ShownFrame& next, const QRegion& changed) {
  const bool sameSurface = next.pixels == frame.pixels && next.width == frame.width && next.height == frame.height &&
                           next.rowPixels == frame.rowPixels;
  frame = next;
  if (converted.width() != frame.width || converted.height() != frame.height) {
    // Made by the first paint that needs it: one into the window's own image never does.
    converted = QImage();
    staleParts = QRegion(0, 0, frame.width, frame.height);
    return;
  }
  staleParts += sameSurface ? changed : QRegion(0, 0, frame.width, frame.height);
}

void ViewPortWidget::ConvertStaleParts() {
  if (converted.width() != frame.width || converted.height() != frame.height) {
    converted = QImage(frame.width, frame.height, QImage::Format_RGB32);
    staleParts = QRegion(0, 0, frame.width, frame.height);
  }
  auto* out = reinterpret_cast<uint32_t*>(converted.bits());
  const auto outRowPixels = static_cast<int32_t>(converted.bytesPerLine() / 4);
  for (const QRect& part : staleParts.intersected(QRect(0, 0, frame.width, frame.height))) {
    ConvertRgb555BlockToRgb32(frame.pixels + part.y() * frame.rowPixels + part.x(), frame.rowPixels,
                              out + part.y() * outRowPixels + part.x(), outRowPixels, part.width(), part.height());
  }
  staleParts = QRegion();
}

QRegion ViewPortWidget::UncoveredRegion() const {
  QRegion region = rect();
  const QWidget* parent = parentWidget();
  if (!parent) return region;
  // Children are kept in stacking order, the lowest first.
  bool above = false;
  for (const QObject* child : parent->children()) {
    if (child == this) {
      above = true;
      continue;
    }
    const auto* sibling = qobject_cast<const QWidget*>(child);
    if (above && sibling && sibling->isVisible() && !sibling->isWindow())
      region -= sibling->geometry().translated(-pos());
  }
  return region;
}

bool ViewPortWidget::FrameIsCurrent() const {
  // Every change of the view composes the surface anew before asking for a
  // paint; only a destroyed or resized surface is stale, or one that another
  // view (another tab's) has drawn on since.
  const RenderSurface& surface = Surface();
  return frame.pixels && surface.created && surface.TargetDC == this && frame.pixels == surface.pixels &&
         frame.width == surface.width && frame.height == surface.height && frame.rowPixels == surface.width;
}

QImage* ViewPortWidget::WindowImage(QPainter& painter) const {
  QPaintEngine* engine = painter.paintEngine();
  QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
  if (!device || device->devType() != QInternal::Image) return nullptr;
  auto* image = static_cast<QImage*>(device);
  const bool ownFormat =
      image->format() == QImage::Format_RGB32 || image->format() == QImage::Format_ARGB32_Premultiplied;
  const bool unscaled = image->devicePixelRatio() == 1.0 && painter.deviceTransform().type() <= QTransform::TxTranslate;
  return ownFormat && unscaled ? image : nullptr;
}

bool ViewPortWidget::ConvertIntoWindow(QPainter& painter, const QRegion& region) {
  QImage* window = WindowImage(painter);
  if (!window || frame.target != QRect(0, 0, frame.width, frame.height)) return false;
  // Only what Qt lets this paint change: the asked-for parts where no sibling lies above.
  const QPoint offset = painter.deviceTransform().map(QPoint(0, 0));
  QRegion parts = region.intersected(frame.target).translated(offset) & window->rect();
  const QRegion systemClip = painter.paintEngine()->systemClip();
  if (!systemClip.isEmpty()) parts &= systemClip;
  auto* out = reinterpret_cast<uint32_t*>(window->bits());
  const auto outRowPixels = static_cast<int32_t>(window->bytesPerLine() / 4);
  for (const QRect& part : parts) {
    const QPoint source = part.topLeft() - offset;
    ConvertRgb555BlockToRgb32(frame.pixels + source.y() * frame.rowPixels + source.x(), frame.rowPixels,
                              out + part.y() * outRowPixels + part.x(), outRowPixels, part.width(), part.height());
  }
  return true;
}

void ViewPortWidget::PaintFrame(QPainter& painter, const QRegion& region) {
  if (ConvertIntoWindow(painter, region)) {
    paintedArea = frame.target;
    ++presentedFrames;
    return;
  }
  ConvertStaleParts();
  const QImage& picture = converted;
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
  if (const std::optional<CellStep> step = ArrowStep(*event); step && OnArrow) return OnArrow(*step);
  if (IsPlainEnter(*event) && OnEnter) return OnEnter();
  QWidget::keyPressEvent(event);
}

void ViewPortWidget::wheelEvent(QWheelEvent* event) {
  if (OnWheel) return OnWheel(*event);
  QWidget::wheelEvent(event);
}

void ViewPortWidget::dragEnterEvent(QDragEnterEvent* event) {
  // The move that always follows says whether this point takes it.
  TakeAsCopy(*event, AcceptsDrag && AcceptsDrag(event->mimeData()));
}

void ViewPortWidget::dragMoveEvent(QDragMoveEvent* event) {
  // No area is accepted as a whole: every move asks again for its own cell.
  TakeAsCopy(*event, OnDragMove && OnDragMove(event->mimeData(), event->position().toPoint()));
}

void ViewPortWidget::dropEvent(QDropEvent* event) {
  TakeAsCopy(*event, OnDrop && OnDrop(event->mimeData(), event->position().toPoint()));
}

}  // namespace tessmoor
