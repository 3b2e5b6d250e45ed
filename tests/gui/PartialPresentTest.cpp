// An edit hands only the changed part of the view to the window system. What
// the window shows must still be, pixel for pixel, the picture a full redraw
// composes, after every step of a person's work: clicks, drags, paints, fills,
// undo, pastes, scrolls, zooms and layers.
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <cstring>
#include <random>

#include "MainWindowFixture.h"
#include "editor/EditorPropertiesForm.h"
#include "graphics/RenderSurface.h"

namespace tessmoor {

namespace {

class PartialPresent : public MainWindowFixture {
 protected:
  // The view's pixels as the window holds them.
  QImage OnScreen() {
    const QPoint at = viewPort->mapTo(window.get(), QPoint(0, 0));
    return window->screen()
        ->grabWindow(window->winId(), at.x(), at.y(), viewPort->width(), viewPort->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }

  // A full redraw of the current state, composed but shown nowhere.
  QImage FullRedraw() {
    SetSurfaceTarget(nullptr);
    const MapViewState& mapView = window->Session().MapView();
    RedrawView(Document(), Editor(), window->Geometry(), &mapView.scaledPictures, &mapView.cameraMarker);
    const RenderSurface& surface = Surface();
    QImage picture(viewPort->width(), viewPort->height(), QImage::Format_RGB32);
    picture.fill(Qt::black);  // the odd column an even surface leaves out
    QPainter(&picture).drawImage(0, 0,
                                 QImage(reinterpret_cast<const uchar*>(surface.pixels), surface.width, surface.height,
                                        surface.width * 2, QImage::Format_RGB555));
    return picture;
  }

  // The first pixel where the window differs from the full redraw, or "".
  std::string FirstDifference() {
    const QImage shown = OnScreen(), full = FullRedraw();
    if (shown.size() != full.size()) return "sizes differ";
    // The scroll bars lie over the view.
    QRegion covered;
    for (const QScrollBar* bar : window->findChildren<QScrollBar*>())
      covered += QRect(viewPort->mapFrom(window.get(), bar->mapTo(window.get(), QPoint(0, 0))), bar->size());
    for (int y = 0; y < full.height(); ++y) {
      if (std::memcmp(shown.constScanLine(y), full.constScanLine(y), size_t(full.width()) * 4) == 0) continue;
      for (int x = 0; x < full.width(); ++x)
        if (shown.pixel(x, y) != full.pixel(x, y) && !covered.contains(QPoint(x, y)))
          return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    }
    return {};
  }
};

}  // namespace

TEST_F(PartialPresent, WindowShowsTheFullRedrawAfterEveryStep) {
  ResizeView(901, 611);  // an odd width: the surface leaves a column out
  ASSERT_TRUE(window->OpenMapFile(QString(TM_BIN_DIR) + "/Maps/Sample.tmm"));
  QCoreApplication::processEvents();
  ASSERT_FALSE(OnScreen().isNull());
  ASSERT_EQ(FirstDifference(), "");

  std::mt19937 random(2323);
  const auto anyCell = [&] { return CellPoint(int(random() % 12), int(random() % 9)); };
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  } keys[] = {{Qt::Key_Insert, {}},
              {Qt::Key_Z, Qt::ControlModifier},
              {Qt::Key_Y, Qt::ControlModifier},
              {Qt::Key_C, Qt::ControlModifier},
              {Qt::Key_V, Qt::ControlModifier},
              {Qt::Key_Plus, Qt::ControlModifier},
              {Qt::Key_Minus, Qt::ControlModifier},
              {Qt::Key_F1, Qt::ControlModifier},
              {Qt::Key_F3, Qt::ControlModifier}};
  for (int step = 0; step < 160; ++step) {
    const unsigned what = random() % 12;
    std::string done;
    switch (what) {
      case 0:
      case 1:
        Click(anyCell());  // selects, or paints with the template
        done = "click";
        break;
      case 2:
        Drag(anyCell(), anyCell());
        done = "drag";
        break;
      case 3:
        Click(SlotPoint(int(random() % 4)));
        done = "palette slot";
        break;
      case 4:
        Click(anyCell(), Qt::RightButton);
        Window<TFrmProperties>("FrmProperties").hide();
        done = "right click";
        break;
      case 5:
        Click(anyCell(), Qt::LeftButton, Qt::ShiftModifier);
        done = "pick up into the template";
        break;
      case 6:
        ScrollTo(int(random() % 8), int(random() % 8));
        done = "scroll";
        break;
      case 7:
        Hover(anyCell());
        done = "hover";
        break;
      default: {
        const auto& key = keys[random() % std::size(keys)];
        QTest::keyClick(window.get(), key.key, key.modifiers);
        done = "key " + QKeySequence(key.key | key.modifiers).toString().toStdString();
        // A paste shows its block over the view until Enter writes it.
        if (key.key == Qt::Key_V) QTest::keyClick(window.get(), Qt::Key_Return);
      }
    }
    QCoreApplication::processEvents();
    ASSERT_EQ(FirstDifference(), "") << "step " << step << ": " << done;
  }
}

}  // namespace tessmoor
