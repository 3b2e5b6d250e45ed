// The palette slots outlive the window: filled in one session, they are there in
// the next one over the same settings, their textures found by name and frames
// or brought along by the first paint; a slot never filled paints nothing.

#include <QLabel>
#include <functional>
#include <vector>

#include "document/MapFile.h"
#include "document/PascalString.h"
#include "gui/MainWindowFixture.h"

namespace tessmoor {
namespace {

void SetTexture(MapDocument& map, int number, const char* name, const char* frame) {
  TextureEntry& entry = map.textures[static_cast<size_t>(number)];
  entry = TextureEntry{};
  entry.index = number;
  WritePascalString(entry.name, TextureNameCapacity, name);
  entry.frameCount = 1;
  WritePascalString(entry.frames[0].fileName, FrameNameCapacity, frame);
}

std::string TextureName(const MapDocument& map, int number) {
  return ReadPascalString(map.textures[static_cast<size_t>(number)].name, TextureNameCapacity);
}

constexpr size_t Floor = static_cast<size_t>(SurfaceKind::Floor);

class SlotTemplatesGuiTest : public MainWindowFixture {
 protected:
  // Ends this session and starts the next over the same settings.
  void Restart() {
    window.reset();
    window = std::make_unique<TFrmMain>(&dialogs, programDirectory);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    viewPort = window->findChild<QWidget*>("ViewPort");
  }
};

TEST_F(SlotTemplatesGuiTest, SlotsSurviveARestartAndBringTheirTexturesIntoTheNextMap) {
  // First session: the template is picked up from a cell floored with "Stein".
  Arrange([](MapDocument& map) {
    map.textureCount = 2;
    SetTexture(map, 0, "Holz", "WOOD.PCX");
    SetTexture(map, 1, "Stein", "STONE.PCX");
    map.Cell(1, 1).type = 1;
    map.Cell(1, 1).opacity = 42;
    map.Cell(1, 1).texture[Floor] = 1;
  });
  Click(SlotPoint(0));
  Click(CellPoint(1, 1), Qt::LeftButton, Qt::ShiftModifier);
  const MapCell picked = Document().Cell(1, 1);

  // Second session, whose map has other textures only.
  Restart();
  Arrange([](MapDocument& map) {
    map.textureCount = 1;
    SetTexture(map, 0, "Sand", "SAND.PCX");
  });
  const PaletteSlot& slot = Document().paletteSlots[0];
  EXPECT_TRUE(slot.filled);
  EXPECT_NE(slot.missing, nullptr) << "the slot shows its texture as missing";
  EXPECT_EQ(slot.cell.texture[Floor], NoTexture) << "a missing texture is no number of this table";
  EXPECT_EQ(slot.cell.opacity, 42);

  Click(SlotPoint(0));
  Click(CellPoint(2, 2));
  ASSERT_EQ(Document().textureCount, 2) << "the first paint adds the texture";
  EXPECT_EQ(TextureName(Document(), 1), "Stein");
  EXPECT_EQ(Document().Cell(2, 2).texture[Floor], 1);
  EXPECT_EQ(Document().Cell(2, 2).opacity, picked.opacity);
  EXPECT_EQ(Document().Cell(2, 2).type, picked.type);

  Click(CellPoint(3, 2));
  EXPECT_EQ(Document().textureCount, 2) << "a second paint reuses the added texture";
  EXPECT_EQ(Document().Cell(3, 2).texture[Floor], 1);

  // Paint and texture are one step each time.
  ASSERT_TRUE(Model().Undo());
  ASSERT_TRUE(Model().Undo());
  EXPECT_EQ(Document().textureCount, 1);
  EXPECT_EQ(Document().Cell(2, 2).type, 0);

  // A map that has the texture, at another number, takes it by name and frames.
  Arrange([](MapDocument& map) {
    map.textureCount = 3;
    SetTexture(map, 0, "Sand", "SAND.PCX");
    SetTexture(map, 1, "Stein", "OTHER.PCX");
    SetTexture(map, 2, "Stein", "STONE.PCX");
  });
  EXPECT_EQ(Document().paletteSlots[0].missing, nullptr);
  EXPECT_EQ(Document().paletteSlots[0].cell.texture[Floor], 2);
}

// Every texture reference of the map numbers an entry of its table.
::testing::AssertionResult NoWrongIndex(const MapDocument& map) {
  for (int x = 0; x < GridSize; ++x) {
    for (int y = 0; y < GridSize; ++y) {
      for (const uint16_t texture : map.Cell(x, y).texture) {
        if (texture != NoTexture && texture >= map.textureCount)
          return ::testing::AssertionFailure() << "cell " << x << ", " << y << " refers to texture " << texture;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// How each painting tool is chosen and what one gesture of it paints.
struct PaintMode {
  const char* name;
  std::function<void(SlotTemplatesGuiTest&)> choose;
  std::vector<QPoint> gesture;  // press at the first point, moves, release at the last
  std::vector<GridPoint> painted;
};

TEST_F(SlotTemplatesGuiTest, EveryPaintingToolBringsTheSlotsMissingTextureInItsOneStep) {
  Arrange([](MapDocument& map) {
    map.textureCount = 2;
    SetTexture(map, 0, "Holz", "WOOD.PCX");
    SetTexture(map, 1, "Stein", "STONE.PCX");
    map.Cell(1, 1).type = 1;
    map.Cell(1, 1).opacity = 42;
    map.Cell(1, 1).texture[Floor] = 1;
  });
  Click(SlotPoint(0));
  Click(CellPoint(1, 1), Qt::LeftButton, Qt::ShiftModifier);
  Restart();

  const auto key = [](Qt::Key letter) {
    return
        [letter](SlotTemplatesGuiTest&) { QTest::keyClick(QApplication::focusWidget(), letter, Qt::ControlModifier); };
  };
  // Paint first: a click on the slot in the select mode is how it is chosen.
  const PaintMode modes[] = {
      {"Malen", [](SlotTemplatesGuiTest&) {}, {CellPoint(2, 2)}, {{2, 2}}},
      {"Pinsel", key(Qt::Key_B), {CellPoint(2, 2), CellPoint(5, 2)}, {{2, 2}, {3, 2}, {4, 2}, {5, 2}}},
      {"Rechteck", key(Qt::Key_R), {CellPoint(2, 2), CellPoint(3, 3)}, {{2, 2}, {3, 2}, {2, 3}, {3, 3}}},
  };
  for (const PaintMode& mode : modes) {
    SCOPED_TRACE(mode.name);
    Arrange([](MapDocument& map) {
      map.textureCount = 1;
      SetTexture(map, 0, "Sand", "SAND.PCX");
    });
    ASSERT_NE(Document().paletteSlots[0].missing, nullptr);
    const std::vector<uint8_t> before = MapFileBytes(Document());
    const MapCell beside = Document().Cell(1, 2);
    QApplication::setActiveWindow(window.get());
    mode.choose(*this);
    Click(SlotPoint(0));
    QTest::mousePress(viewPort, Qt::LeftButton, {}, mode.gesture.front());
    for (const QPoint& at : mode.gesture) QTest::mouseMove(viewPort, at);
    QTest::mouseRelease(viewPort, Qt::LeftButton, {}, mode.gesture.back());

    ASSERT_EQ(Document().textureCount, 2) << "the paint adds the texture";
    EXPECT_EQ(TextureName(Document(), 1), "Stein");
    EXPECT_TRUE(NoWrongIndex(Document()));
    for (const GridPoint& cell : mode.painted) {
      EXPECT_EQ(Document().Cell(cell.x, cell.y).texture[Floor], 1) << cell.x << ", " << cell.y;
      EXPECT_EQ(Document().Cell(cell.x, cell.y).opacity, 42) << cell.x << ", " << cell.y;
    }
    EXPECT_TRUE(SameCell(Document().Cell(1, 2), beside)) << "a cell beside the gesture";
    ASSERT_TRUE(Model().Undo());
    EXPECT_EQ(MapFileBytes(Document()), before) << "one undo takes back the paint and the texture";
  }
}

TEST_F(SlotTemplatesGuiTest, ASlotNeverFilledPaintsNothingAndSaysSo) {
  Click(SlotPoint(0));
  Click(CellPoint(1, 1), Qt::LeftButton, Qt::ShiftModifier);
  Restart();

  Click(SlotPoint(2));
  ASSERT_EQ(Editor().toolMode, ToolMode::Paint);
  const MapCell before = Document().Cell(4, 4);
  Click(CellPoint(4, 4));
  EXPECT_TRUE(SameCell(Document().Cell(4, 4), before));
  EXPECT_FALSE(Document().modified);
  EXPECT_FALSE(Model().History().CanUndo());
  auto* line = Control<QLabel>("LblToolMessage");
  ASSERT_NE(line, nullptr);
  EXPECT_TRUE(line->isVisible());
  EXPECT_EQ(line->text(), "Die Vorlage ist leer: Umschalt+Klick auf eine Zelle übernimmt sie.");

  // The filled slot still paints, and the line goes.
  Click(SlotPoint(0));
  Click(CellPoint(4, 4));
  EXPECT_TRUE(Document().modified);
  EXPECT_FALSE(line->isVisible());

  // The brush and the rectangle paint nothing with it either.
  for (const Qt::Key tool : {Qt::Key_B, Qt::Key_R}) {
    SCOPED_TRACE(tool == Qt::Key_B ? "Pinsel" : "Rechteck");
    const std::vector<uint8_t> map = MapFileBytes(Document());
    const size_t steps = Model().History().UndoCount();
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(QApplication::focusWidget(), tool, Qt::ControlModifier);
    Click(SlotPoint(2));
    QTest::mousePress(viewPort, Qt::LeftButton, {}, CellPoint(1, 5));
    QTest::mouseMove(viewPort, CellPoint(3, 5));
    QTest::mouseRelease(viewPort, Qt::LeftButton, {}, CellPoint(3, 5));
    EXPECT_EQ(MapFileBytes(Document()), map);
    EXPECT_EQ(Model().History().UndoCount(), steps);
    EXPECT_TRUE(line->isVisible());
    Click(SlotPoint(0));
    Click(CellPoint(4, 4));  // the filled slot takes the line away again
  }
}

}  // namespace
}  // namespace tessmoor
