// Copy in one main window, paste in another, with the keys a person presses:
// through one clipboard shared as tabs share it, through the system clipboard
// as two processes share it, and from whatever another process put there.

#include <QClipboard>
#include <QMimeData>

#include "document/ClipboardPayload.h"
#include "document/PascalString.h"
#include "document/Stamp.h"
#include "gui/MainWindowFixture.h"

namespace tessmoor {
namespace {

void SetTexture(MapDocument& map, int t, const std::string& name, const std::string& frame) {
  TextureEntry& entry = map.textures[static_cast<size_t>(t)];
  entry = TextureEntry{};
  entry.index = t;
  WritePascalString(entry.name, TextureNameCapacity, name);
  entry.frameCount = 1;
  WritePascalString(entry.frames[0].fileName, FrameNameCapacity, frame);
}

std::string TextureName(const MapDocument& map, uint16_t texture) {
  return texture < map.textureCount ? DescribeTexture(map.textures[texture]).name : std::string("(keine)");
}

class CrossMapPasteGuiTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    // The source: Stein, Glas, Holz; cells (1, 1) and (2, 1) show Glas and Holz on the floor.
    Arrange([](MapDocument& map) {
      SetTexture(map, 0, "Stein", "STONE.PCX");
      SetTexture(map, 1, "Glas", "GLASS.PCX");
      SetTexture(map, 2, "Holz", "WOOD.PCX");
      map.textureCount = 3;
      map.Cell(1, 1).texture[SurfaceKind::Floor] = 1;
      map.Cell(1, 1).floorHeight = 11;
      map.Cell(2, 1).texture[SurfaceKind::Floor] = 2;
      map.Cell(2, 1).floorHeight = 21;
    });
    other = std::make_unique<TFrmMain>(&otherDialogs, programDirectory);
    other->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(other.get()));
    // The target holds Holz first: Holz is found there, Glas is appended.
    other->Model().Replace([](MapDocument& map) {
      SetTexture(map, 0, "Holz", "WOOD.PCX");
      map.textureCount = 1;
    });
  }
  void TearDown() override {
    other.reset();
    MainWindowFixture::TearDown();
  }

  // Selects cells as a drag over the window's view does and presses keys into its focused control.
  static void DragIn(TFrmMain& main, QPoint from, QPoint to) {
    QWidget* view = main.findChild<QWidget*>("ViewPort");
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    QTest::mouseMove(view, to);
    QTest::mouseRelease(view, Qt::LeftButton, {}, to);
  }
  static void Press(TFrmMain& main, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QApplication::setActiveWindow(&main);
    main.findChild<QWidget*>("ViewPort")->setFocus();
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    ASSERT_EQ(focused->window(), &main) << "the keys go to the window the person works in";
    QTest::keyClick(focused, key, modifiers);
  }

  void CopyTheTwoCells() {
    DragIn(*window, CellPoint(1, 1), CellPoint(2, 1));
    Press(*window, Qt::Key_C, Qt::ControlModifier);
  }

  // The block pasted at (4, 3) of the target: Glas then Holz, found by name, Glas appended as texture 1.
  void ExpectPastedIntoTheOther() {
    const MapDocument& map = other->Document();
    EXPECT_EQ(TextureName(map, map.Cell(4, 3).texture[SurfaceKind::Floor]), "Glas");
    EXPECT_EQ(TextureName(map, map.Cell(5, 3).texture[SurfaceKind::Floor]), "Holz");
    EXPECT_EQ(map.Cell(5, 3).texture[SurfaceKind::Floor], 0) << "Holz is the target's own";
    EXPECT_EQ(map.Cell(4, 3).floorHeight, 11);
    EXPECT_EQ(map.Cell(5, 3).floorHeight, 21);
    EXPECT_EQ(map.textureCount, 2);
    EXPECT_EQ(other->Model().History().StepCount(), 1u);
    Press(*other, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(map.textureCount, 1) << "one undo takes the paste and its texture";
    EXPECT_EQ(map.Cell(4, 3).texture[SurfaceKind::Floor], NoTexture);
  }

  // Puts bytes on the system clipboard as another editor process does.
  static void PutOnSystemClipboard(const std::vector<uint8_t>& bytes) {
    auto* data = new QMimeData;
    data->setData(ClipboardMimeType, QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
    QGuiApplication::clipboard()->setMimeData(data);
  }

  ScriptedDialogs otherDialogs;
  std::unique_ptr<TFrmMain> other;
};

TEST_F(CrossMapPasteGuiTest, ABlockCopiedInOneWindowPastesWithItsTexturesInAnotherThatSharesTheClipboard) {
  other->Editor().clipboard = Editor().clipboard;  // as the tabs of one window share it
  CopyTheTwoCells();
  QGuiApplication::clipboard()->clear();  // only the shared clipboard carries it here
  DragIn(*other, CellPoint(4, 3), CellPoint(4, 3));
  Press(*other, Qt::Key_V, Qt::ControlModifier);
  ExpectPastedIntoTheOther();
}

TEST_F(CrossMapPasteGuiTest, ABlockCopiedInOneWindowReachesAnotherWithItsOwnClipboardThroughTheSystemClipboard) {
  ASSERT_FALSE(other->findChild<QAction*>("EditPaste")->isEnabled());
  CopyTheTwoCells();
  EXPECT_TRUE(other->findChild<QAction*>("EditPaste")->isEnabled()) << "the other's paste key works at once";
  DragIn(*other, CellPoint(4, 3), CellPoint(4, 3));
  Press(*other, Qt::Key_Delete, Qt::ShiftModifier);
  ExpectPastedIntoTheOther();

  // Back in the window it came from, the block pastes its records as copied.
  DragIn(*window, CellPoint(5, 2), CellPoint(5, 2));
  Press(*window, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Document().Cell(5, 2).texture[SurfaceKind::Floor], 1);
  EXPECT_EQ(Document().Cell(6, 2).texture[SurfaceKind::Floor], 2);
  EXPECT_EQ(Document().textureCount, 3);
}

TEST_F(CrossMapPasteGuiTest, ABlockAnotherProcessPutOnTheSystemClipboardPastesAndDamagedBytesDoNothing) {
  CopyTheTwoCells();
  // Another process copied later: one cell with a texture this map lacks.
  Stamp block;
  block.block = {1, 1, {Document().Cell(0, 0)}};
  block.block.cells[0].texture[SurfaceKind::Floor] = 0;
  block.block.cells[0].floorHeight = 77;
  block.textures = {{"Moos", AnimationType::PingPong, {"MOSS1.PCX", "MOSS2.PCX"}}};
  const std::vector<uint8_t> bytes = ClipboardPayloadBytes({0x5EED, 3, block});
  PutOnSystemClipboard(bytes);
  DragIn(*window, CellPoint(4, 4), CellPoint(4, 4));
  Press(*window, Qt::Key_V, Qt::ControlModifier);
  const MapCell& pasted = Document().Cell(4, 4);
  EXPECT_EQ(pasted.floorHeight, 77);
  ASSERT_EQ(Document().textureCount, 4);
  EXPECT_EQ(DescribeTexture(Document().textures[3]), block.textures[0]);
  EXPECT_EQ(pasted.texture[SurfaceKind::Floor], 3);

  // Cut short, the bytes are no block: the paste takes the block the clipboard already holds.
  PutOnSystemClipboard(std::vector<uint8_t>(bytes.begin(), bytes.end() - 5));
  DragIn(*window, CellPoint(6, 4), CellPoint(6, 4));
  Press(*window, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Document().Cell(6, 4).floorHeight, 77);
  EXPECT_EQ(Document().textureCount, 4);
}

}  // namespace
}  // namespace tessmoor
