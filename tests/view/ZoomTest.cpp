// The map view at every zoom level: geometry, hit testing, scroll ranges, the
// scaled pictures, and the default level's picture staying exactly as it was.

#include <gtest/gtest.h>

#include <random>

#include "document/PascalString.h"
#include "graphics/GraphicsError.h"
#include "textures/TexturePictures.h"
#include "view/HitTesting.h"
#include "view/MapView.h"
#include "view/ScaledPictures.h"
#include "view/ViewColours.h"
#include "view/ViewTestSupport.h"

namespace tessmoor {

using namespace viewtest;

namespace {

struct LevelRow {
  int level, size, pitch;
  int visibleColumns;  // lastVisibleColumn from origin 0 in a 1000 x 800 view
  int visibleRows;
  int scrollMaxX, scrollMaxY;  // for that view's 909 x 779 map area
  int pageStepX, pageStepY;    // for a 1000 x 825 client area under a 25-pixel tool bar
};

// A 1000 x 800 view: a map area of 909 x 780 pixels, a clip of 908 x 779.
const LevelRow Levels[] = {
    {0, 128, 129, 8, 7, 57, 58, 6, 5},   {1, 64, 65, 14, 12, 63, 63, 13, 11}, {2, 32, 33, 28, 24, 37, 41, 27, 23},
    {3, 16, 17, 54, 46, 11, 19, 56, 48}, {4, 8, 9, 63, 63, 0, 0, 114, 98},
};

TEST(ZoomGeometryTest, EveryLevelFollowsItsPitch) {
  TakeGraphicsError();
  MakeSurface(1000, 800);
  ViewGeometry view{1000, 800, 16, 16};
  const ViewRect area = MapArea(view);
  std::mt19937 random(11);
  for (const LevelRow& row : Levels) {
    SCOPED_TRACE(row.level);
    EXPECT_EQ(CellPictureSizeAt(row.level), row.size);
    EXPECT_EQ(CellPitchAt(row.level), row.pitch);
    Editing edit;
    view.zoomLevel = row.level;
    RedrawView(edit.Doc(), edit.editor, view);
    EXPECT_EQ(edit.editor.lastVisibleColumn, row.visibleColumns);
    EXPECT_EQ(edit.editor.lastVisibleRow, row.visibleRows);
    EXPECT_EQ(ScrollMaximum(row.level, area.right - area.left + 1), row.scrollMaxX);
    EXPECT_EQ(ScrollMaximum(row.level, area.bottom - area.top + 1), row.scrollMaxY);
    const ScrollBarLayout bars = LayoutScrollBars(1000, 825, 25, 16, 16, row.size);
    EXPECT_EQ(bars.horizontalPageStep, row.pageStepX);
    EXPECT_EQ(bars.verticalPageStep, row.pageStepY);
    // Any pixel of a drawn cell's picture or of its left and top lines hits that cell.
    for (int i = 0; i < 200; ++i) {
      const int u = static_cast<int>(random() % static_cast<unsigned>(row.visibleColumns + 1));
      const int v = static_cast<int>(random() % static_cast<unsigned>(row.visibleRows + 1));
      const int dx = static_cast<int>(random() % static_cast<unsigned>(row.pitch));
      const int dy = static_cast<int>(random() % static_cast<unsigned>(row.pitch));
      const std::optional<GridPoint> hit =
          HitGridCell(edit.editor, view, MapAreaLeft + u * row.pitch + dx, MapAreaTop + v * row.pitch + dy);
      ASSERT_TRUE(hit.has_value()) << u << "," << v;
      EXPECT_EQ(*hit, (GridPoint{u, v}));
    }
  }
  DestroySurface();
}

TEST(ZoomGeometryTest, WholeGridLevelIsTheLargestThatFits) {
  struct Case {
    int width, height, level;
  } cases[] = {
      {528, 294, 4},    // design size: nothing fits, the smallest it is
      {668, 597, 4},    // a 577 x 577 map area: exactly the grid at 8
      {1180, 1109, 3},  // 1089 x 1089: the grid at 16
      {1179, 1109, 4},  // one pixel too narrow for 16
      {1180, 1108, 4},  // one pixel too low for 16
      {2204, 2133, 2},  // 2113 at 32
      {8348, 8277, 0},  // 8257 at 128
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WholeGridZoomLevel({c.width, c.height, 16, 16}), c.level) << c.width << "x" << c.height;
  }
}

// A map of every kind and two textures, for whole pictures.
struct Scene {
  Editing edit;
  ScaledPictureCache cache;

  Scene() {
    MapDocument& doc = edit.Doc();
    doc.textureCount = 2;
    for (int t = 0; t < 2; ++t) {
      doc.textures[static_cast<size_t>(t)].frameCount = 1;
      doc.textures[static_cast<size_t>(t)].frames[0].thumbnail =
          SolidImage(64, 64, static_cast<RGB555>(0x0421 * (t + 3)));
    }
    for (int kind = 0; kind < CellTypeCount; ++kind)
      edit.editor.cellSymbols[static_cast<size_t>(kind)] = SolidImage(32, 32, static_cast<RGB555>(0x1000 + kind));
    for (int x = 0; x < GridSize; ++x) {
      for (int y = 0; y < GridSize; ++y) {
        doc.Cell(x, y).type = static_cast<uint8_t>((x + 2 * y) % CellTypeCount);
        doc.Cell(x, y).texture[SurfaceKind::Wall] = static_cast<uint16_t>((x * y) % 3 == 0 ? NoTexture : (x + y) % 2);
      }
    }
    edit.editor.selection = {1, 1, 3, 2};
  }
  void Redraw(ViewGeometry view) { RedrawView(edit.Doc(), edit.editor, view, &cache); }
};

uint64_t PictureHash() {
  const RenderSurface& surface = Surface();
  uint64_t hash = 1469598103934665603ull;
  for (int i = 0; i < surface.width * surface.height; ++i)
    hash = (hash ^ surface.pixels[static_cast<size_t>(i)]) * 1099511628211ull;
  return hash;
}

TEST(ZoomPictureTest, DefaultLevelIsTheUnzoomedPictureWhateverTheCacheHolds) {
  TakeGraphicsError();
  MakeSurface(528, 294);
  Scene scene;
  scene.Redraw(DesignView());
  const uint64_t plain = PictureHash();
  for (int level = 0; level < ZoomLevelCount; ++level)
    PrepareScaledPictures(scene.cache, scene.edit.Doc(), scene.edit.editor, level);
  scene.Redraw(DesignView());
  EXPECT_EQ(PictureHash(), plain);
  // Pinned from the view as it was before zoom existed: the default level is untouched.
  EXPECT_EQ(plain, 16546987020158708722u);
  DestroySurface();
}

TEST(ZoomPictureTest, SmallestLevelDrawsTheWholeGridWithScaledPictures) {
  TakeGraphicsError();
  MakeSurface(700, 640);
  Scene scene;
  PrepareScaledPictures(scene.cache, scene.edit.Doc(), scene.edit.editor, SmallestZoomLevel);
  scene.Redraw({700, 640, 16, 16, SmallestZoomLevel});
  EXPECT_EQ(scene.edit.editor.lastVisibleColumn, 63);
  EXPECT_EQ(scene.edit.editor.lastVisibleRow, 63);
  for (int x : {0, 40, 63}) {
    for (int y : {0, 50, 63}) {
      SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
      const int left = MapAreaLeft + 9 * x, top = MapAreaTop + 9 * y;
      EXPECT_EQ(Pixel(left, top + 4), ColourGridWhite);
      EXPECT_EQ(Pixel(left + 9, top + 4), ColourGridWhite);
      const MapCell& cell = scene.edit.Cell(x, y);
      // The 32-pixel symbol became 4 pixels at the top left; the thumbnail shows beside it.
      EXPECT_EQ(Pixel(left + 2, top + 2), static_cast<RGB555>(0x1000 + cell.type));
      const RGB555 thumbnail = cell.texture[SurfaceKind::Wall] == NoTexture
                                   ? ColourBlack
                                   : static_cast<RGB555>(0x0421 * (cell.texture[SurfaceKind::Wall] + 3));
      EXPECT_EQ(Pixel(left + 7, top + 7), thumbnail);
    }
  }
  DestroySurface();
}

TEST(ZoomPictureTest, CombinedCellPicturesDrawWhatThumbnailAndSymbolDraw) {
  TakeGraphicsError();
  MakeSurface(900, 700);
  Scene scene;
  // A symbol wider than the thumbnail and holes in both show every case of the overlay.
  scene.edit.Doc().textures[1].frames[0].thumbnail = SolidImage(64, 16, 0x0123);
  scene.edit.editor.cellSymbols[2] = SolidImage(64, 64, 0x2222);
  for (int level : {2, 3, 4}) {
    SCOPED_TRACE(level);
    scene.edit.editor.viewOrigin = {level, 2 * level};
    PrepareScaledPictures(scene.cache, scene.edit.Doc(), scene.edit.editor, level);
    ASSERT_TRUE(HasCellPictures(scene.cache, level));
    scene.Redraw({900, 700, 16, 16, level});
    const uint64_t combined = PictureHash();
    scene.cache.levels[static_cast<size_t>(level)].cellPictures.clear();
    scene.Redraw({900, 700, 16, 16, level});
    EXPECT_EQ(PictureHash(), combined);
  }
  DestroySurface();
}

TEST(ScaledPicturesTest, LargestLevelReadsThePictureAndTheOthersAverageTheThumbnail) {
  ProgramDirectory program;
  program.AddPicture("WALL.PCX", 5);
  Editing edit;
  edit.editor.programDirectory = program.Dir();
  MapDocument& doc = edit.Doc();
  doc.textureCount = 2;
  for (int t = 0; t < 2; ++t) {
    TextureEntry& entry = doc.textures[static_cast<size_t>(t)];
    entry.frameCount = 1;
    WritePascalString(entry.frames[0].fileName, FrameNameCapacity, t == 0 ? "wall.pcx" : "GONE.PCX");
    // A thumbnail of another colour shows where a level took its picture from.
    entry.frames[0].thumbnail = SolidImage(64, 32, 0x0007);
  }
  ScaledPictureCache cache;
  SetGraphicsError(GraphicsErrorCode::geRead);
  for (int level = 0; level < ZoomLevelCount; ++level) PrepareScaledPictures(cache, doc, edit.editor, level);
  EXPECT_EQ(TakeGraphicsError(), GraphicsErrorCode::geRead);
  const HiColorImage* sharp = ScaledThumbnail(cache, 0, 0, 0);
  ASSERT_NE(sharp, nullptr);
  EXPECT_EQ(sharp->width, 128);
  EXPECT_EQ(sharp->height, 64);
  EXPECT_EQ(GetImagePixel(60, 30, *sharp), ColourOf(5));
  const HiColorImage* enlarged = ScaledThumbnail(cache, 0, 1, 0);
  ASSERT_NE(enlarged, nullptr);
  EXPECT_EQ(GetImagePixel(60, 30, *enlarged), 0x0007);
  const HiColorImage* small = ScaledThumbnail(cache, 3, 0, 0);
  ASSERT_NE(small, nullptr);
  EXPECT_EQ(small->width, 16);
  EXPECT_EQ(small->height, 8);
  EXPECT_EQ(ScaledThumbnail(cache, 2, 2, 0), nullptr);
  InvalidateScaledPictures(cache);
  EXPECT_EQ(ScaledThumbnail(cache, 3, 0, 0), nullptr);
}

}  // namespace

}  // namespace tessmoor
