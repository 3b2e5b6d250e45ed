#pragma once
// The paint area of the main window. It shows the render surface and turns Qt
// mouse events into the editing tools' PointerInput. It takes the keyboard focus
// on a click, since the editor's keys act on what it shows.
//
// Qt draws only inside paintEvent, so presenting works in two ways: during a
// paint the surface goes straight onto the active painter; any other present
// only asks for a paint of the parts that changed, which then shows the
// surface's pixels there without composing the picture again.
//
// The window system draws 32-bit pixels as they are but converts RGB555 ones on
// every paint, which at 4K costs more than composing the picture. Where the
// paint goes into an image of the window system's own 32-bit format (the
// backing store of xcb and offscreen), the asked-for parts are converted straight
// into it: one pass, no copy, and no detour through Qt's clipped blending, which
// the scroll bars lying over the view would otherwise force. Anywhere else the
// widget keeps the surface converted to 32 bits, converting only what a present
// says has changed, and draws that.

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "view/EditingTools.h"
#include "view/SelectionKeys.h"
#include "view/ViewDamage.h"

class QMimeData;
class QPainter;

namespace tessmoor {

class ViewPortWidget : public QWidget {
  Q_OBJECT

 public:
  explicit ViewPortWidget(QWidget* parent);

  // ViewPortPaint: called inside every paintEvent, with the painter active.
  std::function<void()> OnPaint;
  std::function<void(const PointerInput&)> OnMouseDown;
  std::function<void(const PointerInput&)> OnMouseMove;
  std::function<void(const PointerInput&)> OnMouseUp;
  // Escape while the view has the focus; true when it was used.
  std::function<bool()> OnEscape;
  // An arrow key, with or without Shift, while the view has the focus.
  std::function<void(const CellStep&)> OnArrow;
  // Enter or Return that no command of the window took (placing a block takes them).
  std::function<void()> OnEnter;
  // Wheel turns; the handler accepts or ignores the event.
  std::function<void(QWheelEvent&)> OnWheel;
  // Drags from other controls: whether the view takes such data at all, then
  // at each move whether a drop at that point would act, and the drop itself
  // (true when it acted). Without them the view refuses every drag.
  std::function<bool(const QMimeData*)> AcceptsDrag;
  std::function<bool(const QMimeData*, QPoint)> OnDragMove;
  std::function<bool(const QMimeData*, QPoint)> OnDrop;

  // Shows `width` x `height` RGB555 pixels (top row first, rows `rowPixels`
  // apart) scaled into `target`. Inside a paint it draws them at once; outside
  // it schedules a paint. Never paints from a paint.
  void Present(const uint16_t* pixels, int32_t width, int32_t height, int32_t rowPixels, const QRect& target);

  // The part of the view no sibling lies over (the scroll bars do): all a
  // present needs to hand over, and all that can be seen. Repainting a part
  // under a sibling would repaint the sibling as well.
  QRegion UncoveredRegion() const;

  // How many frames reached the screen; tests use it to see that a paint drew.
  int PresentedFrames() const { return presentedFrames; }

  // Every composed picture passes its state through this tracker first, and
  // the next present outside a paint hands only `damage` to the window system.
  tessmoor::ViewDamageTracker& DamageTracker() { return damageTracker; }
  void ExpectDamage(const tessmoor::ViewDamage& damage);
  // Another view composes into the one render surface from now on: the last
  // frame's pixels are no longer this view's, so its next paint composes anew;
  // until then it keeps no copy of the picture.
  void ForgetFrame();
  // The size of the view's own 32-bit copy of its picture; empty while it keeps none.
  QSize ConvertedSize() const { return converted.size(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // The last picture presented: the render surface's pixels, which stay
  // current until the surface is destroyed or composed again.
  struct ShownFrame {
    const uint16_t* pixels = nullptr;
    int32_t width = 0, height = 0, rowPixels = 0;
    QRect target;
  };
  bool FrameIsCurrent() const;
  // Takes a new frame; `changed` (in source pixels) is what differs from the last.
  void TakeFrame(const ShownFrame& next, const QRegion& changed);
  // Brings the 32-bit copy of the frame up to date.
  void ConvertStaleParts();
  void PaintFrame(QPainter& painter, const QRegion& region);
  // The image the painter writes into, when it holds 32-bit pixels one to one.
  QImage* WindowImage(QPainter& painter) const;
  // Converts `region` of the frame straight into that image; false when there is none.
  bool ConvertIntoWindow(QPainter& painter, const QRegion& region);

  QPainter* activePainter = nullptr;
  QRect paintedArea;  // what the present of the current paint covered
  int presentedFrames = 0;
  ShownFrame frame;
  QImage converted;    // the frame's pixels in the window system's own format
  QRegion staleParts;  // parts of `converted` that the frame has changed since
  tessmoor::ViewDamageTracker damageTracker;
  bool damageExpected = false;
  bool wholeDamage = true;
  QRegion damageRegion;
};

}  // namespace tessmoor
