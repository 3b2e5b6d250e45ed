// Textures dragged out of a texture list onto the plan and onto the 3D view.
// The drags are real ones: QDrag::exec runs the window system's drag (xcb),
// and the pointer moves and lets go through mouse events sent while it runs,
// which the drag follows as it follows the pointer.

#include <QCursor>
#include <QDrag>
#include <QLabel>
#include <QTimer>
#include <cstring>

#include "editor/preview3d/Editor3DViewForm.h"
#include "editor/preview3d/PreviewView.h"
#include "editor/widgets/TextureDrag.h"
#include "gl/ColouredRoom.h"
#include "gui/MainWindowFixture.h"

namespace tessmoor {

namespace {

constexpr uint16_t Red = RoomFloor, Blue = RoomCeiling, Green = RoomWall, Yellow = 3;
const std::vector<ColouredPicture> Pictures = {
    {"RED.PCX", {255, 0, 0}}, {"BLUE.PCX", {0, 0, 255}}, {"GREEN.PCX", {0, 255, 0}}, {"YELLOW.PCX", {255, 255, 0}}};

// One point of the pointer's way: a widget and a point in it.
struct Stop {
  QWidget* widget;
  QPoint at;
};

// Drags `data` from `source` along `way` with the left button held and lets
// go at its last stop, as a person's hand does; what the drop target answered.
Qt::DropAction DragAlong(QWidget* source, QMimeData* data, const std::vector<Stop>& way,
                         const std::function<void()>& beforeRelease = {}) {
  auto* drag = new QDrag(source);
  drag->setMimeData(data);
  QTimer::singleShot(0, [way, beforeRelease] {
    for (const Stop& stop : way) {
      QMouseEvent move(QEvent::MouseMove, stop.at, stop.widget->mapToGlobal(stop.at), Qt::NoButton, Qt::LeftButton,
                       Qt::NoModifier);
      QApplication::sendEvent(stop.widget, &move);
      QCoreApplication::processEvents();
    }
    if (beforeRelease) beforeRelease();
    const Stop& last = way.back();
    QMouseEvent release(QEvent::MouseButtonRelease, last.at, last.widget->mapToGlobal(last.at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(last.widget, &release);
  });
  const Qt::DropAction result = drag->exec(Qt::CopyAction);
  // The drop's answer to its source goes through the X server; a round trip
  // (asking where the pointer is) brings it in before the next drag starts,
  // which that answer would otherwise cancel.
  QCursor::pos();
  QCoreApplication::processEvents();
  return result;
}

// Four coloured textures; a room at columns and rows 10..12 with a red floor,
// a blue ceiling and green walls around it; cell (10, 12) raised by 48 with a
// yellow step. The start is in (10, 11), facing the rising rows: the step just
// ahead, the wall of cell (10, 13) behind it.
class TextureDropTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    linkPictures = false;
    MainWindowFixture::SetUp();
    ASSERT_TRUE(QDir(programDirectory).mkdir("GFX"));
    ASSERT_TRUE(WriteColouredPictures(programDirectory + "GFX/", Pictures));
    Arrange([](MapDocument& document) {
      BuildColouredRoom(document, Pictures);
      document.Cell(10, 12).floorHeight = 48;
      document.Cell(10, 12).texture[SurfaceKind::PedestalFloor] = Yellow;
      document.startPosition = {10, 11};
    });
  }

  std::vector<MapCell> Cells() const { return {Document().cells.begin(), Document().cells.end()}; }

  // The cells as they were, with `surface` of `at` set to `texture`.
  static std::vector<MapCell> WithTexture(std::vector<MapCell> cells, GridPoint at, SurfaceKind surface,
                                          uint16_t texture) {
    cells[size_t(at.x * GridSize + at.y)].texture[surface] = texture;
    return cells;
  }

  static bool SameBytes(const std::vector<MapCell>& a, const std::vector<MapCell>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(MapCell)) == 0;
  }

  QLabel source;  // where the drags start, as the texture list would be
};

TEST_F(TextureDropTest, ADropOnACellSetsItsTextureOnTheCurrentLayerAsOneUndoStep) {
  ScrollTo(8, 8);
  Trigger("ViewCeiling");
  const std::vector<MapCell> before = Cells();
  const size_t steps = Model().History().UndoCount();
  // Over a palette slot first, where there is no cell, then onto visible cell (3, 2).
  const Qt::DropAction action =
      DragAlong(&source, MakeTextureDragData(Model(), Yellow), {{viewPort, SlotPoint(1)}, {viewPort, CellPoint(3, 2)}});
  EXPECT_EQ(action, Qt::CopyAction);
  EXPECT_EQ(Editor().hoverCell, (GridPoint{11, 10}));
  EXPECT_TRUE(SameBytes(Cells(), WithTexture(before, {11, 10}, SurfaceKind::Ceiling, Yellow)));
  EXPECT_EQ(Model().History().UndoCount(), steps + 1);
  Trigger("EditUndo");
  EXPECT_TRUE(SameBytes(Cells(), before));
}

TEST_F(TextureDropTest, DropsOffTheGridOrFromAnotherMapOrAcrossATableChangeChangeNothing) {
  ScrollTo(8, 8);
  const std::vector<MapCell> before = Cells();
  const size_t steps = Model().History().UndoCount();
  EXPECT_EQ(DragAlong(&source, MakeTextureDragData(Model(), Yellow), {{viewPort, SlotPoint(0)}}), Qt::IgnoreAction);

  // Another map with the very same table, as another tab holds it.
  DocumentModel other;
  other.Replace([](MapDocument& document) { BuildColouredRoom(document, Pictures); });
  EXPECT_EQ(DragAlong(&source, MakeTextureDragData(other, Yellow), {{viewPort, CellPoint(3, 2)}}), Qt::IgnoreAction);

  // The dragged texture is renamed while the drag goes on.
  EXPECT_EQ(DragAlong(&source, MakeTextureDragData(Model(), Yellow), {{viewPort, CellPoint(3, 2)}},
                      [this] { window->Session().Editing().RenameTexture(Yellow, "GELB"); }),
            Qt::IgnoreAction);
  EXPECT_TRUE(SameBytes(Cells(), before));
  EXPECT_EQ(Model().History().UndoCount(), steps + 1);  // the rename only

  // The same way with this map's texture as it is now does reach the cell.
  EXPECT_EQ(DragAlong(&source, MakeTextureDragData(Model(), Yellow), {{viewPort, CellPoint(3, 2)}}), Qt::CopyAction);
  EXPECT_TRUE(SameBytes(Cells(), WithTexture(before, {11, 10}, Editor().currentLayer, Yellow)));
}

// Each drop lands on the surface the pointer shows: found by its colour on the
// screen (in the middle of its run down the middle column, away from its
// edges), changed in its cell's field, and shown in its new colour at once.
TEST_F(TextureDropTest, ADropOnTheThreeDViewSetsTheTextureOfTheSurfaceUnderThePointer) {
  Trigger("View3D");
  auto* preview = window->findChild<TFrm3DView*>("Frm3DView");
  ASSERT_TRUE(preview && QTest::qWaitForWindowExposed(preview));
  PreviewView* view = &preview->View();
  const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 255, 0), qRgb(255, 255, 0)};
  const auto shows = [&colours](const QImage& frame, QPoint at, uint16_t texture) {
    const QRgb pixel = frame.pixel(at), colour = colours[texture];
    return std::abs(qRed(pixel) - qRed(colour)) + std::abs(qGreen(pixel) - qGreen(colour)) +
               std::abs(qBlue(pixel) - qBlue(colour)) <
           60;
  };
  const QImage first = view->grabFramebuffer();
  std::vector<int> rows[4];
  for (int y = 0; y < first.height(); ++y)
    for (uint16_t texture = 0; texture < 4; ++texture)
      if (shows(first, {first.width() / 2, y}, texture)) rows[texture].push_back(y);
  struct Drop {
    uint16_t shown, dropped;
    GridPoint cell;
    SurfaceKind surface;
  };
  const Drop drops[] = {
      {Yellow, Green, {10, 12}, SurfaceKind::PedestalFloor},
      {Red, Yellow, {10, 12}, SurfaceKind::Floor},
      {Blue, Red, {10, 12}, SurfaceKind::Ceiling},
      {Green, Blue, {10, 13}, SurfaceKind::Wall},
  };
  for (const Drop& drop : drops) {
    SCOPED_TRACE(int(drop.surface));
    ASSERT_FALSE(rows[drop.shown].empty());
    const QPoint at(first.width() / 2, rows[drop.shown][rows[drop.shown].size() / 2]);
    const std::vector<MapCell> before = Cells();
    const size_t steps = Model().History().UndoCount();
    EXPECT_EQ(DragAlong(&source, MakeTextureDragData(Model(), drop.dropped), {{view, at}}), Qt::CopyAction);
    EXPECT_TRUE(SameBytes(Cells(), WithTexture(before, drop.cell, drop.surface, drop.dropped)));
    EXPECT_EQ(Model().History().UndoCount(), steps + 1);
    EXPECT_TRUE(shows(view->grabFramebuffer(), at, drop.dropped));
  }
}

}  // namespace

}  // namespace tessmoor
