#include "edit/CellFieldEdit.h"

#include <cstring>
#include <memory>

#include "edit/CellCommands.h"

namespace tessmoor {

namespace {

// Where a field lives in the cell's 48-byte record, so one rule copies,
// compares and offsets them all.
struct FieldPlace {
  size_t offset;
  size_t size;
};

FieldPlace PlaceOf(CellField field) {
  const size_t element = static_cast<size_t>(ElementOf(field));
  if (field == CellField::Type) return {offsetof(MapCell, type), sizeof(uint8_t)};
  if (field == CellField::Opacity) return {offsetof(MapCell, opacity), sizeof(uint8_t)};
  if (field == CellField::WaterLevel) return {offsetof(MapCell, waterLevel), sizeof(float)};
  if (field == CellField::FloorHeight) return {offsetof(MapCell, floorHeight), sizeof(float)};
  if (field < CellField::Texture0) return {offsetof(MapCell, ceilingHeight) + sizeof(float) * element, sizeof(float)};
  if (field < CellField::TextureOffset0) {
    return {offsetof(MapCell, texture) + sizeof(uint16_t) * element, sizeof(uint16_t)};
  }
  return {offsetof(MapCell, textureOffset) + sizeof(int16_t) * element, sizeof(int16_t)};
}

unsigned char* BytesOf(MapCell& cell, CellField field) {
  return reinterpret_cast<unsigned char*>(&cell) + PlaceOf(field).offset;
}

const unsigned char* BytesOf(const MapCell& cell, CellField field) {
  return reinterpret_cast<const unsigned char*>(&cell) + PlaceOf(field).offset;
}

// A sloped ceiling keeps its slope: each corner moves by the same offset.
void AddHeight(MapCell& cell, const MapCell& offsets, CellField field) {
  float height = 0;
  float offset = 0;
  std::memcpy(&height, BytesOf(cell, field), sizeof height);
  std::memcpy(&offset, BytesOf(offsets, field), sizeof offset);
  height += offset;
  std::memcpy(BytesOf(cell, field), &height, sizeof height);
}

bool OnGrid(CellRange range) {
  return range.x1 >= 0 && range.y1 >= 0 && range.x1 <= range.x2 && range.y1 <= range.y2 && range.x2 < GridSize &&
         range.y2 < GridSize;
}

}  // namespace

bool IsHeightField(CellField field) {
  return field == CellField::WaterLevel || field == CellField::FloorHeight ||
         (field >= CellField::CeilingHeight0 && field < CellField::Texture0);
}

void ApplyFieldEdit(const CellFieldEdit& edit, MapCell& cell) {
  for (CellField field : AllCellFields) {
    if (!edit.changed.test(field)) continue;
    if (edit.relativeHeights && IsHeightField(field)) {
      AddHeight(cell, edit.values, field);
    } else {
      std::memcpy(BytesOf(cell, field), BytesOf(edit.values, field), PlaceOf(field).size);
    }
  }
}

bool SameField(const MapCell& a, const MapCell& b, CellField field) {
  return std::memcmp(BytesOf(a, field), BytesOf(b, field), PlaceOf(field).size) == 0;
}

CellFieldSet CommonFields(const MapDocument& document, CellRange range) {
  CellFieldSet common;
  if (!OnGrid(range)) return common;
  common.set();
  const MapCell& first = document.Cell(range.x1, range.y1);
  for (int x = range.x1; x <= range.x2; ++x) {
    for (int y = range.y1; y <= range.y2; ++y) {
      for (CellField field : AllCellFields) {
        if (!SameField(first, document.Cell(x, y), field)) common.reset(field);
      }
    }
  }
  return common;
}

bool EditCells(DocumentModel& model, CellRange range, const CellFieldEdit& edit) {
  if (edit.changed.none() || !OnGrid(range)) return false;
  std::unique_ptr<MapCell[]> block = CopyBlock(model.Map(), range);
  const int count = BlockCellCount(range);
  for (int i = 0; i < count; ++i) ApplyFieldEdit(edit, block[static_cast<size_t>(i)]);
  model.Execute(std::make_unique<CellBlockCommand>(EditSelectionStepName, range, std::move(block)));
  return true;
}

}  // namespace tessmoor
