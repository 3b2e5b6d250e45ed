#pragma once
// Editing many cells at once: which fields of a MapCell the user changed, the
// values typed for them, and whether the heights are offsets. Every field not
// named stays as each cell has it, so a room keeps its own textures while only
// its floor is raised.

#include <bitset>

#include "document/MapDocument.h"
#include "edit/DocumentModel.h"

inline constexpr const char* EditSelectionStepName = "Auswahl bearbeiten";

// One entry per editable value; the arrays of the cell are one field per element.
enum CellField : int {
  FieldType,
  FieldOpacity,
  FieldWaterLevel,
  FieldFloorHeight,
  FieldCeilingHeight0,                                 // ... to FieldCeilingHeight0 + 3, by corner
  FieldTexture0 = FieldCeilingHeight0 + 4,             // ... + SurfaceKind
  FieldTextureOffset0 = FieldTexture0 + SurfaceCount,  // ... + SurfaceKind
  CellFieldCount = FieldTextureOffset0 + SurfaceCount,
};

using CellFieldSet = std::bitset<CellFieldCount>;

// Water level, floor and the four ceiling corners: the fields "relativ" affects.
bool IsHeightField(int field);

struct CellFieldEdit {
  CellFieldSet changed;
  MapCell values{};              // read only for the fields in `changed`
  bool relativeHeights = false;  // height values are added to each cell's own
};

// The edit applied to one cell.
void ApplyFieldEdit(const CellFieldEdit& edit, MapCell& cell);
// True when the field's stored bytes are the same in both cells.
bool SameField(const MapCell& a, const MapCell& b, int field);
// The fields on which every cell of `range` agrees with the first one.
CellFieldSet CommonFields(const MapDocument& document, CellRange range);
// The edit applied to every cell of `range`, as one step; nothing changed, no step.
bool EditCells(DocumentModel& model, CellRange range, const CellFieldEdit& edit);
