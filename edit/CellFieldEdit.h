#pragma once
// Editing many cells at once: which fields of a MapCell the user changed, the
// values typed for them, and whether the heights are offsets. Every field not
// named stays as each cell has it, so a room keeps its own textures while only
// its floor is raised.

#include <array>
#include <bitset>
#include <cstddef>

#include "document/MapDocument.h"
#include "edit/DocumentModel.h"
#include "edit/StepName.h"

namespace tessmoor {

inline constexpr StepName EditSelectionStepName = StepName::EditSelection;

// One entry per editable value; the arrays of the cell are one field per element.
enum class CellField : int32_t {
  Type,
  Opacity,
  WaterLevel,
  FloorHeight,
  CeilingHeight0,                            // ... + corner
  Texture0 = CeilingHeight0 + 4,             // ... + SurfaceKind
  TextureOffset0 = Texture0 + SurfaceCount,  // ... + SurfaceKind
};
inline constexpr int CellFieldCount = static_cast<int>(CellField::TextureOffset0) + SurfaceCount;

constexpr size_t FieldIndex(CellField field) { return static_cast<size_t>(field); }
constexpr CellField FieldAt(int index) { return static_cast<CellField>(index); }
constexpr CellField CeilingHeightField(int corner) {
  return FieldAt(static_cast<int>(CellField::CeilingHeight0) + corner);
}
constexpr CellField TextureField(SurfaceKind layer) {
  return FieldAt(static_cast<int>(CellField::Texture0) + static_cast<int>(layer));
}
constexpr CellField TextureOffsetField(SurfaceKind layer) {
  return FieldAt(static_cast<int>(CellField::TextureOffset0) + static_cast<int>(layer));
}
// The corner or surface layer a field of one of the cell's arrays stands for.
constexpr int ElementOf(CellField field) {
  if (field >= CellField::TextureOffset0) return static_cast<int>(field) - static_cast<int>(CellField::TextureOffset0);
  if (field >= CellField::Texture0) return static_cast<int>(field) - static_cast<int>(CellField::Texture0);
  if (field >= CellField::CeilingHeight0) return static_cast<int>(field) - static_cast<int>(CellField::CeilingHeight0);
  return 0;
}

// Every field, in the order of the cell record.
inline constexpr auto AllCellFields = [] {
  std::array<CellField, CellFieldCount> fields{};
  for (int i = 0; i < CellFieldCount; ++i) fields[static_cast<size_t>(i)] = FieldAt(i);
  return fields;
}();

// A set of fields, as std::bitset holds bits.
class CellFieldSet {
 public:
  bool test(CellField field) const { return bits_.test(FieldIndex(field)); }
  CellFieldSet& set(CellField field, bool value = true) {
    bits_.set(FieldIndex(field), value);
    return *this;
  }
  CellFieldSet& set() {
    bits_.set();
    return *this;
  }
  CellFieldSet& reset(CellField field) {
    bits_.reset(FieldIndex(field));
    return *this;
  }
  size_t count() const { return bits_.count(); }
  bool all() const { return bits_.all(); }
  bool any() const { return bits_.any(); }
  bool none() const { return bits_.none(); }
  bool operator==(const CellFieldSet&) const = default;

 private:
  std::bitset<CellFieldCount> bits_;
};

// Water level, floor and the four ceiling corners: the fields "relativ" affects.
bool IsHeightField(CellField field);

struct CellFieldEdit {
  CellFieldSet changed;
  MapCell values{};              // read only for the fields in `changed`
  bool relativeHeights = false;  // height values are added to each cell's own
};

// The edit applied to one cell.
void ApplyFieldEdit(const CellFieldEdit& edit, MapCell& cell);
// True when the field's stored bytes are the same in both cells.
bool SameField(const MapCell& a, const MapCell& b, CellField field);
// The fields on which every cell of `range` agrees with the first one.
CellFieldSet CommonFields(const MapDocument& document, CellRange range);
// The edit applied to every cell of `range`, as one step; nothing changed, no step.
bool EditCells(DocumentModel& model, CellRange range, const CellFieldEdit& edit);

}  // namespace tessmoor
