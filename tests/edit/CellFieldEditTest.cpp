// Editing a block of cells field by field: only the named fields change, heights
// may be offsets, and the whole edit is one step that undo takes back byte for byte.

#include <gtest/gtest.h>

#include <cstring>

#include "edit/CellCommands.h"
#include "edit/CellFieldEdit.h"

namespace tessmoor {

namespace {

constexpr CellRange Block{10, 20, 13, 22};  // 4 x 3

// Every cell different in every field, so a field written where it should not
// be, or missed where it should, shows.
void FillVaried(DocumentModel& model) {
  for (int x = 8; x < 16; ++x) {
    for (int y = 18; y < 25; ++y) {
      MapCell cell{};
      const int n = x * 64 + y;
      cell.type = static_cast<uint8_t>(n % CellTypeCount);
      cell.opacity = static_cast<uint8_t>(n);
      cell.floorHeight = static_cast<float>(n % 17);
      for (int c = 0; c < 4; ++c) cell.ceilingHeight[c] = static_cast<float>(200 + n % 13 + 8 * c);
      cell.waterLevel = static_cast<float>(n % 11) + 0.5f;
      for (int s = 0; s < SurfaceCount; ++s) {
        cell.texture[s] = static_cast<uint16_t>((n + s) % 7);
        cell.textureOffset[s] = static_cast<int16_t>(n - s);
      }
      SetCell(model, {x, y}, cell, PaintStepName);
    }
  }
}

bool InBlock(int x, int y) { return x >= Block.x1 && x <= Block.x2 && y >= Block.y1 && y <= Block.y2; }

MapCell EditValues() {
  MapCell values{};
  values.type = 3;
  values.opacity = 77;
  values.floorHeight = 16;
  values.waterLevel = -24;
  for (int c = 0; c < 4; ++c) values.ceilingHeight[c] = static_cast<float>(300 + c);
  for (int s = 0; s < SurfaceCount; ++s) {
    values.texture[s] = static_cast<uint16_t>(40 + s);
    values.textureOffset[s] = static_cast<int16_t>(-5 - s);
  }
  return values;
}

TEST(CellFieldEdit, EachFieldAloneChangesOnlyThatFieldOfTheBlockAsOneStep) {
  for (CellField field : AllCellFields) {
    SCOPED_TRACE(FieldIndex(field));
    DocumentModel model;
    FillVaried(model);
    const auto before = model.Map().cells;
    const size_t steps = model.History().StepCount();

    CellFieldEdit edit;
    edit.changed.set(field);
    edit.values = EditValues();
    ASSERT_TRUE(EditCells(model, Block, edit));
    EXPECT_EQ(model.History().StepCount(), steps + 1);
    EXPECT_EQ(model.History().UndoName(), EditSelectionStepName);

    for (int x = 0; x < GridSize; ++x) {
      for (int y = 0; y < GridSize; ++y) {
        const MapCell& was = before[static_cast<size_t>(x * GridSize + y)];
        const MapCell& now = model.Map().Cell(x, y);
        for (CellField other : AllCellFields) {
          const bool shouldChange = InBlock(x, y) && other == field;
          EXPECT_EQ(SameField(now, shouldChange ? edit.values : was, other), true)
              << "cell " << x << ": " << y << " field " << FieldIndex(other);
        }
        EXPECT_EQ(now.reserved, was.reserved);
      }
    }
    model.Undo();
    EXPECT_EQ(std::memcmp(model.Map().cells.data(), before.data(), sizeof before), 0);
  }
}

TEST(CellFieldEdit, RelativeHeightsAreOffsetsAndKeepTheSlope) {
  DocumentModel model;
  FillVaried(model);
  const auto before = model.Map().cells;
  CellFieldEdit edit;
  edit.relativeHeights = true;
  for (CellField field : AllCellFields) {
    if (IsHeightField(field)) edit.changed.set(field);
  }
  edit.changed.set(TextureField(SurfaceKind::Wall));  // not a height: written as given
  edit.values.floorHeight = 16;
  edit.values.waterLevel = -8;
  for (float& corner : edit.values.ceilingHeight) corner = 16;
  edit.values.texture[SurfaceKind::Wall] = 5;
  ASSERT_TRUE(EditCells(model, Block, edit));

  for (int x = Block.x1; x <= Block.x2; ++x) {
    for (int y = Block.y1; y <= Block.y2; ++y) {
      const MapCell& was = before[static_cast<size_t>(x * GridSize + y)];
      const MapCell& now = model.Map().Cell(x, y);
      EXPECT_EQ(now.floorHeight, was.floorHeight + 16);
      EXPECT_EQ(now.waterLevel, was.waterLevel - 8);
      for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(now.ceilingHeight[c], was.ceilingHeight[c] + 16);
        EXPECT_EQ(now.ceilingHeight[c] - now.ceilingHeight[0], was.ceilingHeight[c] - was.ceilingHeight[0]);
      }
      EXPECT_EQ(now.texture[SurfaceKind::Wall], 5);
      EXPECT_EQ(now.texture[SurfaceKind::Floor], was.texture[SurfaceKind::Floor]);
    }
  }
}

TEST(CellFieldEdit, CommonFieldsAndEditsThatChangeNothing) {
  DocumentModel model;
  FillVaried(model);
  MapCell same = model.Map().Cell(10, 20);
  same.floorHeight = 99;
  SetCell(model, {11, 20}, same, PaintStepName);
  // Two cells that differ only in the floor agree on every other field.
  CellFieldSet common = CommonFields(model.Map(), {10, 20, 11, 20});
  EXPECT_FALSE(common.test(CellField::FloorHeight));
  EXPECT_EQ(common.count(), static_cast<size_t>(CellFieldCount - 1));
  EXPECT_TRUE(CommonFields(model.Map(), {10, 20, 10, 20}).all());
  EXPECT_TRUE(CommonFields(model.Map(), {60, 0, 70, 3}).none()) << "off the grid";

  const size_t steps = model.History().StepCount();
  EXPECT_FALSE(EditCells(model, Block, CellFieldEdit{})) << "no field changed";
  CellFieldEdit edit;
  edit.changed.set(CellField::Type);
  EXPECT_FALSE(EditCells(model, {62, 0, 64, 1}, edit)) << "a range past the edge";
  EXPECT_EQ(model.History().StepCount(), steps);
}

}  // namespace

}  // namespace tessmoor
