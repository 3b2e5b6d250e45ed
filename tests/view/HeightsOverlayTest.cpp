// What the map view draws over the cells: the heights (numbers where they fit,
// a colour ramp where not, a mark on folded ceilings), the start position and a
// dialog's preview. With everything off the picture is the plain one.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "graphics/GraphicsError.h"
#include "view/HeightText.h"
#include "view/MapView.h"
#include "view/PlanOverlays.h"
#include "view/ViewColours.h"
#include "view/ViewTestSupport.h"
#include "view/Zoom.h"

namespace tessmoor {

using namespace viewtest;

namespace {

constexpr int Width = 528, Height = 294;
constexpr RGB555 White = 0x7FFF, Cyan = 0x03FF, Orange = 0x7E00, Magenta = 0x7C1F;

std::vector<RGB555> Picture(Editing& edit, const PlanOverlays* overlays, int zoomLevel = DefaultZoomLevel) {
  ViewGeometry view = DesignView();
  view.zoomLevel = zoomLevel;
  RedrawView(edit.Doc(), edit.editor, view, nullptr, nullptr, overlays);
  return SurfacePicture();
}

// The pixels of visible cell (u, v)'s picture at the default zoom, row by row.
std::vector<RGB555> CellPixels(const std::vector<RGB555>& picture, int u, int v, int pitch = CellPitch) {
  std::vector<RGB555> pixels;
  for (int y = 0; y < pitch - 1; ++y)
    for (int x = 0; x < pitch - 1; ++x)
      pixels.push_back(picture[size_t((MapAreaTop + pitch * v + 1 + y) * Width + MapAreaLeft + pitch * u + 1 + x)]);
  return pixels;
}

std::set<RGB555> Colours(const std::vector<RGB555>& pixels) { return {pixels.begin(), pixels.end()}; }

// Five cells in a row from (1, 1): a plain cell, a water basin, a folded
// ceiling, a sloped but flat one, and the plain cell's twin.
void Arrange(Editing& edit) {
  edit.Cell(2, 1).type = static_cast<uint8_t>(CellType::WaterBasin);
  edit.Cell(2, 1).floorHeight = -32;
  edit.Cell(2, 1).waterLevel = -8;
  edit.Cell(3, 1).ceilingHeight[1] = 160;
  const float slope[4] = {128, 144, 144, 128};
  std::copy(slope, slope + 4, edit.Cell(4, 1).ceilingHeight);
  edit.Cell(1, 1).floorHeight = 12.5f;
  edit.Cell(5, 1).floorHeight = 12.5f;
  edit.Cell(6, 1).floorHeight = 13.5f;
}

TEST(HeightText, RoundsToOneDecimalAndRefusesWhatItCannotShow) {
  const struct {
    float height;
    const char* text;
  } rows[] = {{128, "128"},   {-32, "-32"},          {12.5f, "12.5"}, {12.25f, "12.3"}, {-0.04f, "0"},
              {-7.96f, "-8"}, {99999.9f, "99999.9"}, {1e9f, "?"},     {NAN, "?"},       {-INFINITY, "?"}};
  for (const auto& row : rows) {
    const HeightLabel label = FormatHeight(row.height);
    EXPECT_EQ(std::string(label.text, size_t(label.length)), row.text) << row.height;
  }
}

TEST(HeightsOverlay, DrawsOnlyInsideTheCellsItDescribes) {
  TakeGraphicsError();
  MakeSurface(Width, Height);
  Editing edit;
  Arrange(edit);
  edit.editor.viewOrigin = {0, 0};
  for (const int zoom : {DefaultZoomLevel, 2, 4}) {
    const std::vector<RGB555> plain = Picture(edit, nullptr, zoom);
    EXPECT_EQ(Picture(edit, &static_cast<const PlanOverlays&>(PlanOverlays{}), zoom), plain) << "everything off";
    for (const SurfaceKind layer : {SurfaceKind::Floor, SurfaceKind::Ceiling, SurfaceKind::Wall}) {
      edit.editor.currentLayer = layer;
      PlanOverlays overlays;
      overlays.heights = true;
      const std::vector<RGB555> shown = Picture(edit, &overlays, zoom);
      const std::vector<RGB555> base = Picture(edit, nullptr, zoom);
      const int pitch = CellPitchAt(zoom);
      // Grid lines, the palette and the frame stay as they are.
      for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
          const bool inCell = x > MapAreaLeft && y > MapAreaTop && (x - MapAreaLeft) % pitch != 0 &&
                              (y - MapAreaTop) % pitch != 0 && x < Width - 18 && y < Height - 18;
          if (!inCell) {
            ASSERT_EQ(shown[size_t(y * Width + x)], base[size_t(y * Width + x)]) << x << "," << y;
          }
        }
      }
    }
  }
}

TEST(HeightsOverlay, NumbersShowEachHeightAndMarkWaterAndFolds) {
  TakeGraphicsError();
  MakeSurface(Width, Height);
  Editing edit;
  Arrange(edit);
  PlanOverlays overlays;
  overlays.heights = true;

  edit.editor.currentLayer = SurfaceKind::Floor;
  std::vector<RGB555> shown = Picture(edit, &overlays);
  // Equal heights look alike, different ones do not.
  EXPECT_EQ(CellPixels(shown, 1, 1), CellPixels(shown, 5, 1));
  EXPECT_NE(CellPixels(shown, 1, 1), CellPixels(shown, 6, 1));
  EXPECT_TRUE(Colours(CellPixels(shown, 1, 1)).count(White));
  EXPECT_TRUE(Colours(CellPixels(shown, 2, 1)).count(Cyan)) << "the water level";
  EXPECT_FALSE(Colours(CellPixels(shown, 1, 1)).count(Cyan));

  edit.editor.currentLayer = SurfaceKind::Ceiling;
  shown = Picture(edit, &overlays);
  EXPECT_TRUE(Colours(CellPixels(shown, 3, 1)).count(Orange)) << "a folded ceiling";
  for (const int u : {1, 2, 4, 5}) EXPECT_FALSE(Colours(CellPixels(shown, u, 1)).count(Orange)) << u;
  EXPECT_NE(CellPixels(shown, 3, 1), CellPixels(shown, 1, 1)) << "160 in one corner";
  EXPECT_EQ(CellPixels(shown, 5, 1), CellPixels(shown, 1, 1)) << "floors differ, ceilings do not";

  // Twice the size at the largest zoom: the numbers grow with the cell.
  shown = Picture(edit, &overlays, LargestZoomLevel);
  EXPECT_TRUE(Colours(CellPixels(shown, 1, 1, CellPitchAt(LargestZoomLevel))).count(White));
}

TEST(HeightsOverlay, SmallCellsTakeTheirColourFromTheRampAcrossTheMap) {
  TakeGraphicsError();
  MakeSurface(Width, Height);
  Editing edit;
  Arrange(edit);
  PlanOverlays overlays;
  overlays.heights = true;
  const int zoom = 2, pitch = CellPitchAt(zoom);
  edit.editor.currentLayer = SurfaceKind::Floor;
  const HeightSpan span = HeightSpanOf(edit.Doc(), HeightSurface::Floor, overlays.preview);
  EXPECT_EQ(span.min, -32);
  EXPECT_EQ(span.max, 13.5f);
  std::vector<RGB555> shown = Picture(edit, &overlays, zoom);
  EXPECT_EQ(Colours(CellPixels(shown, 6, 1, pitch)), std::set<RGB555>{0x7C00}) << "the highest is red";
  EXPECT_EQ(Colours(CellPixels(shown, 0, 2, pitch)), std::set<RGB555>{HeightColour(0, span)});
  EXPECT_EQ(HeightColour(-32, span), 0x001F) << "the lowest is blue";
  EXPECT_TRUE(Colours(CellPixels(shown, 2, 1, pitch)).count(Cyan)) << "the basin's frame";

  edit.editor.currentLayer = SurfaceKind::Ceiling;
  shown = Picture(edit, &overlays, zoom);
  const std::set<RGB555> folded = Colours(CellPixels(shown, 3, 1, pitch));
  EXPECT_TRUE(folded.count(Orange));
  EXPECT_TRUE(folded.count(0x7C00)) << "the 160 corner is the highest";
}

TEST(StartMarker, MarksTheStartCellOnlyAndFollowsIt) {
  TakeGraphicsError();
  MakeSurface(Width, Height);
  Editing edit;
  PlanOverlays overlays;
  overlays.startPosition = true;
  for (const StartPosition start : {StartPosition{2, 1}, StartPosition{4, 2}, StartPosition{-5, 900}}) {
    edit.Doc().startPosition = start;
    const std::vector<RGB555> shown = Picture(edit, &overlays);
    const std::vector<RGB555> plain = Picture(edit, nullptr);
    for (int v = 0; v < 3; ++v) {
      for (int u = 0; u < 6; ++u) {
        const bool marked = u == start.x && v == start.y;
        EXPECT_EQ(Colours(CellPixels(shown, u, v)).count(Magenta), marked ? 1u : 0u) << u << "," << v;
        if (!marked) {
          EXPECT_EQ(CellPixels(shown, u, v), CellPixels(plain, u, v));
        }
      }
    }
  }
}

TEST(HeightsOverlay, APreviewShowsItsCellsAndItsSurfaceWhateverTheSwitch) {
  TakeGraphicsError();
  MakeSurface(Width, Height);
  Editing edit;
  edit.editor.currentLayer = SurfaceKind::Wall;
  PlanOverlays overlays;  // heights off
  std::shared_ptr<MapCell[]> cells(new MapCell[2]);
  cells[0] = edit.Cell(1, 1);
  cells[1] = edit.Cell(1, 2);
  cells[1].ceilingHeight[2] = 200;
  overlays.preview = {{1, 1, 1, 2}, HeightSurface::Ceiling, cells, 1};
  const std::vector<RGB555> shown = Picture(edit, &overlays);
  EXPECT_TRUE(Colours(CellPixels(shown, 1, 2)).count(Orange)) << "the preview's folded cell";
  EXPECT_EQ(CellPixels(shown, 1, 1), CellPixels(shown, 0, 1)) << "unchanged cells show the map's ceiling";
  EXPECT_EQ(edit.Cell(1, 2).ceilingHeight[2], 128) << "the map stays as it is";
}

}  // namespace

}  // namespace tessmoor
