// The map view's mark of the 3D camera: drawn only while the 3D window is open.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "graphics/GraphicsError.h"
#include "view/CameraMarker.h"
#include "view/MapView.h"
#include "view/ViewColours.h"
#include "view/ViewTestSupport.h"
#include "view/Zoom.h"

namespace tessmoor {

using namespace viewtest;

namespace {

std::vector<RGB555> Picture(Editing& edit, const CameraMarkerState& marker, int zoomLevel = DefaultZoomLevel) {
  ViewGeometry view = DesignView();
  view.zoomLevel = zoomLevel;
  RedrawView(edit.Doc(), edit.editor, view, nullptr, &marker);
  std::vector<RGB555> pixels;
  for (int y = 0; y < 294; ++y)
    for (int x = 0; x < 528; ++x) pixels.push_back(Pixel(x, y));
  return pixels;
}

// The middle of visible cell (u, v) in view pixels.
int CentreX(int u) { return MapAreaLeft + CellPitch * u + 1 + 32; }
int CentreY(int v) { return MapAreaTop + CellPitch * v + 1 + 32; }

TEST(CameraMarker, LeavesThePictureUnchangedWhileHiddenAndPointsTheLookingWay) {
  TakeGraphicsError();
  MakeSurface(528, 294);
  Editing edit;
  edit.editor.viewOrigin = {10, 10};
  const std::vector<RGB555> plain = Picture(edit, {});
  EXPECT_TRUE(Picture(edit, {false, {12, 11}, 0}) == plain);

  struct Look {
    float yaw;
    int dx, dy;  // where the stroke goes from the dot, in view pixels
  };
  // Yaw 0 looks down the map; a quarter turn right looks towards lower columns.
  const Look looks[] = {{0, 0, 20}, {float(M_PI) / 2, -20, 0}, {float(M_PI), 0, -20}, {-float(M_PI) / 2, 20, 0}};
  for (const Look& look : looks) {
    const std::vector<RGB555> marked = Picture(edit, {true, {12, 11}, look.yaw});
    const int x = CentreX(2), y = CentreY(1);
    EXPECT_NE(marked[size_t(y * 528 + x)], plain[size_t(y * 528 + x)]);
    const size_t tip = size_t((y + look.dy) * 528 + x + look.dx);
    const size_t away = size_t((y - look.dy) * 528 + x - look.dx);
    EXPECT_NE(marked[tip], plain[tip]) << "yaw " << look.yaw;
    EXPECT_EQ(marked[away], plain[away]) << "yaw " << look.yaw;
  }
  // Zoomed to 16-pixel cells, the mark sits in the middle of the cell's smaller picture.
  const std::vector<RGB555> zoomedPlain = Picture(edit, {false, {12, 11}, 0}, 3);
  const std::vector<RGB555> zoomed = Picture(edit, {true, {12, 11}, 0}, 3);
  const size_t centre = size_t((MapAreaTop + 17 + 1 + 8) * 528 + MapAreaLeft + 17 * 2 + 1 + 8);
  const size_t defaultCentre = size_t(CentreY(1) * 528 + CentreX(2));
  EXPECT_NE(zoomed[centre], zoomedPlain[centre]);
  EXPECT_EQ(zoomed[defaultCentre], zoomedPlain[defaultCentre]) << "not where a 64-pixel cell would be";
  // Scrolled out of sight: nothing drawn.
  EXPECT_TRUE(Picture(edit, {true, {40, 40}, 0}) == plain);
  DestroySurface();
}

}  // namespace

}  // namespace tessmoor
