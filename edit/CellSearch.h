#pragma once
// Find and replace over the grid's cells. A query's conditions are combined
// with AND; a condition not switched on matches every cell. Replacing writes
// chosen fields into every match through the field rule of "Auswahl
// bearbeiten", as one undoable step.

#include <cstdint>
#include <optional>
#include <vector>

#include "document/MapDocument.h"
#include "edit/CellFieldEdit.h"
#include "edit/DocumentModel.h"
#include "edit/StepName.h"

namespace tessmoor {

inline constexpr StepName ReplaceCellsStepName = StepName::ReplaceCells;
constexpr int32_t AnyLayer = -1;

// Both ends belong to the range.
struct HeightRange {
  float low = 0;
  float high = 0;
  bool Contains(float value) const { return value >= low && value <= high; }
};

struct CellQuery {
  std::optional<uint8_t> type;      // CellType, raw
  std::optional<uint16_t> texture;  // a texture number, or NoTexture for "none"
  int32_t textureLayer = AnyLayer;  // a SurfaceKind, or AnyLayer
  std::optional<HeightRange> floor;
  std::optional<HeightRange> ceiling;  // any of the four corners
  std::optional<HeightRange> water;
  std::optional<uint8_t> opacityLow;
  std::optional<uint8_t> opacityHigh;
  std::optional<CellRange> within;  // in order; "nur in der Auswahl"
};

bool Matches(const MapCell& cell, const CellQuery& query);

// The matching cells, row by row, each row from left to right.
std::vector<GridPoint> FindCells(const MapDocument& document, const CellQuery& query);

// The edit written into every listed cell as one step. False, and no step, when
// the edit changes no field or no listed cell lies on the grid.
bool ReplaceInCells(DocumentModel& model, const std::vector<GridPoint>& cells, const CellFieldEdit& edit);

}  // namespace tessmoor
