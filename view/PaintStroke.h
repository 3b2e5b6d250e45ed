#pragma once
// A brush stroke: every cell the pointer passes with the button held is
// painted, and the whole stroke is one step of the history. The pointer skips
// cells when it moves fast, so each move paints the line of cells from the
// previous pointer cell to the new one.

#include <array>
#include <cstdint>
#include <vector>

#include "document/MapDocument.h"
#include "edit/DocumentModel.h"

namespace tessmoor {

// The cells of the line from `from` to `to` (both included), each a
// neighbour (also diagonally) of the one before: one cell per step along the
// longer axis, the nearest one across it.
std::vector<GridPoint> CellsOnSegment(GridPoint from, GridPoint to);

struct PaintStroke {
  bool active = false;
  GridPoint last;  // the pointer's cell at the last press or move
  CellRange bounds{0, 0, -1, -1};
  std::array<bool, GridSize * GridSize> painted{};
  size_t undoCountAfterStep = 0;  // where the stroke's step lies in the history
};

// The press: paints `cell` with the current slot's record as a new step.
void BeginStroke(DocumentModel& model, PaintStroke& stroke, GridPoint cell);
// A move with the button held: paints the line from the last cell to `cell`
// into the stroke's step. Cells off the grid are passed over.
void ContinueStroke(DocumentModel& model, PaintStroke& stroke, GridPoint cell);

}  // namespace tessmoor
