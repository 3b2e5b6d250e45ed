// Several maps in one window share the program's one render surface. Whatever
// a person does with the tabs (switch with the keys, open one more, fail to
// open one, close one), the window must show the current tab's map exactly as
// a full redraw of that tab composes it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "editor/main/EditorMainForm.h"
#include "editor/main/MapTabsWindow.h"
#include "editor/mapview/ViewPortWidget.h"
#include "graphics/RenderSurface.h"
#include "gui/MapTabsFixture.h"
#include "support/ScriptedDialogs.h"
#include "view/MapView.h"

namespace tessmoor {

namespace {

class MapTabsPicture : public MapTabsFixture {
 protected:
  void SetUp() override {
    MapTabsFixture::SetUp();
    for (const char* map : {"Sample.tmm", "Courtyard.tmm"})
      ASSERT_TRUE(QFile::copy(QString(TM_BIN_DIR) + "/Maps/" + map, programDirectory + "Maps/" + map));
    tabs->resize(900, 640);
    QCoreApplication::processEvents();
  }

  QWidget& View() const { return tabs->Current().MapWidget(); }

  // The current view's pixels as the window holds them.
  QImage OnScreen() {
    const QPoint at = View().mapTo(tabs.get(), QPoint(0, 0));
    return tabs->screen()
        ->grabWindow(tabs->winId(), at.x(), at.y(), View().width(), View().height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }

  // A full redraw of the current tab, composed but shown nowhere.
  QImage FullRedraw() {
    TFrmMain& tab = tabs->Current();
    SetSurfaceTarget(nullptr);
    const MapViewState& mapView = tab.Session().MapView();
    RedrawView(tab.Document(), tab.Editor(), tab.Geometry(), &mapView.scaledPictures, &mapView.cameraMarker,
               &mapView.overlays);
    const RenderSurface& surface = Surface();
    QImage picture(View().width(), View().height(), QImage::Format_RGB32);
    picture.fill(Qt::black);  // the odd column an even surface leaves out
    if (!surface.created) return picture;
    QPainter painter(&picture);
    painter.drawImage(0, 0,
                      QImage(reinterpret_cast<const uchar*>(surface.pixels), surface.width, surface.height,
                             surface.width * 2, QImage::Format_RGB555));
    return picture;
  }

  // The current view painted into a 24-bit picture of its own, as a print or
  // an export of the widget would: a paint into anything but the window
  // system's 32-bit image goes through the view's 32-bit copy of its picture.
  QImage Grabbed() {
    QImage picture(View().size(), QImage::Format_RGB888);
    View().render(&picture);
    return picture.convertToFormat(QImage::Format_RGB32);
  }

  // The first pixel where the window, and the view painted on its own, differ
  // from a full redraw of the current tab, or "".
  std::string FirstDifference() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    const std::string window = FirstDifference(OnScreen());
    return window.empty() ? FirstDifference(Grabbed()) : "window " + window;
  }

  std::string FirstDifference(const QImage& shown) {
    const QImage full = FullRedraw();
    if (shown.size() != full.size()) return "sizes differ";
    QRegion covered;  // the scroll bars lie over the view
    for (const QScrollBar* bar : tabs->Current().findChildren<QScrollBar*>())
      covered += QRect(View().mapFrom(tabs.get(), bar->mapTo(tabs.get(), QPoint(0, 0))), bar->size());
    for (int y = 0; y < full.height(); ++y) {
      if (std::memcmp(shown.constScanLine(y), full.constScanLine(y), size_t(full.width()) * 4) == 0) continue;
      for (int x = 0; x < full.width(); ++x)
        if (shown.pixel(x, y) != full.pixel(x, y) && !covered.contains(QPoint(x, y)))
          return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    }
    return "";
  }
};

}  // namespace

TEST_F(MapTabsPicture, TheWindowShowsTheCurrentTabsMapAfterEveryTabAction) {
  struct Step {
    const char* what;
    std::function<void()> act;
    int tabs;
    const char* current;  // the file name the current tab holds, where it matters
  };
  const Step steps[] = {
      {"open the sample", [&] { tabs->Current().OpenMapFile(MapPath("Sample.tmm")); }, 1, "Sample.tmm"},
      {"open the courtyard in a tab", [&] { tabs->OpenInNewTab(MapPath("Courtyard.tmm")); }, 2, "Courtyard.tmm"},
      {"Ctrl+Tab", [&] { Press(Qt::Key_Tab, Qt::ControlModifier); }, 2, "Sample.tmm"},
      {"Ctrl+Tab again", [&] { Press(Qt::Key_Tab, Qt::ControlModifier); }, 2, "Courtyard.tmm"},
      {"Ctrl+Shift+Tab", [&] { Press(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier); }, 2, "Sample.tmm"},
      {"a map that cannot be read", [&] { tabs->OpenInNewTab(MapPath("Missing.tmm")); }, 2, "Sample.tmm"},
      {"Ctrl+T", [&] { Press(Qt::Key_T, Qt::ControlModifier); }, 3, nullptr},
      {"Ctrl+W", [&] { Press(Qt::Key_W, Qt::ControlModifier); }, 2, nullptr},
      {"Ctrl+Tab after the close", [&] { Press(Qt::Key_Tab, Qt::ControlModifier); }, 2, nullptr},
      {"Ctrl+W on a map", [&] { Press(Qt::Key_W, Qt::ControlModifier); }, 1, nullptr},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    ASSERT_EQ(tabs->TabCount(), step.tabs);
    const std::string file = tabs->Current().Document().fileName;
    if (step.current) {
      EXPECT_EQ(file.substr(file.find_last_of('/') + 1), step.current);
    }
    EXPECT_EQ(FirstDifference(), "");
  }
}

TEST_F(MapTabsPicture, AHiddenTabKeepsNoCopyOfItsPictureAndShowsItExactlyAgain) {
  tabs->resize(1600, 1000);
  ASSERT_TRUE(tabs->Current().OpenMapFile(MapPath("Sample.tmm")));
  ASSERT_TRUE(tabs->OpenInNewTab(MapPath("Courtyard.tmm")));
  auto& sample = static_cast<ViewPortWidget&>(tabs->Tab(0).MapWidget());
  auto& courtyard = static_cast<ViewPortWidget&>(tabs->Tab(1).MapWidget());
  for (int round = 0; round < 2; ++round) {
    Press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(FirstDifference(), "");
    EXPECT_EQ(sample.ConvertedSize(), QSize(sample.width() & ~1, sample.height()));
    EXPECT_TRUE(courtyard.ConvertedSize().isEmpty());
    Press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(FirstDifference(), "");
    EXPECT_TRUE(sample.ConvertedSize().isEmpty());
  }
}

}  // namespace tessmoor
