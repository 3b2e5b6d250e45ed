#pragma once
// Slopes in one step: a ramp of the floor or the ceiling over a cell range,
// and the smoothing of ceiling corners that neighbouring cells disagree on.
//
// Heights grow linearly from grid line to grid line. With n cells along the
// ramp's direction, grid line k (0 at the start edge, n at the end edge) lies
// at start + (end - start) * k / n, worked out in double and stored as float;
// line 0 holds the start height and line n the end height exactly.
// - A ceiling corner takes the height of the grid line it lies on, so every
//   corner on one line holds the same value and neighbours never step.
// - A floor holds one value per cell, so it becomes a stair: each cell takes
//   the height at its centre line, start + (end - start) * (2i + 1) / (2n) for
//   the i-th cell from the start edge (the mean of its two grid lines).

#include <memory>

#include "document/MapDocument.h"
#include "edit/DocumentModel.h"
#include "edit/StepName.h"

namespace tessmoor {

inline constexpr StepName RampStepName = StepName::Ramp;
inline constexpr StepName SmoothStepName = StepName::Smooth;

enum class RampSurface { Floor, Ceiling };
// Where the heights grow towards: Right runs from the range's left edge
// (column x1) to its right edge, Down from its top row (y1) to its bottom row.
enum class RampDirection { Right, Left, Down, Up };

struct RampSettings {
  RampSurface surface = RampSurface::Ceiling;
  RampDirection direction = RampDirection::Right;
  float start = 0.0f;
  float end = 0.0f;
};

// The height of grid line `line` of a ramp `cells` cells long.
float RampLineHeight(const RampSettings& ramp, int line, int cells);
// The range's cells with the ramp applied, column by column as CellBlockCommand
// takes them; the document is left as it is (the dialog previews from this).
std::unique_ptr<MapCell[]> RampBlock(const MapDocument& document, CellRange range, const RampSettings& ramp);
// The ramp over `range` (normalized, inside the grid), as one step.
void ApplyRamp(DocumentModel& model, CellRange range, const RampSettings& ramp);

// Every grid corner of `range` where the range's cells hold differing ceiling
// heights gets their mean (in double, stored as float), as one step. Cells
// outside the range are not looked at and keep their heights.
void SmoothCeilings(DocumentModel& model, CellRange range);

}  // namespace tessmoor
