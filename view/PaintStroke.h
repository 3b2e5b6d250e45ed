#pragma once
// A brush stroke: every cell the pointer passes with the button held is
// painted, and the whole stroke is one step of the history. The pointer skips
// cells when it moves fast, so each move paints the line of cells from the
// previous pointer cell to the new one.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/MapDocument.h"
#include "edit/DocumentModel.h"
#include "edit/SlotTemplates.h"

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
  // What every cell of the stroke gets, prepared once at the press: the
  // stroke's step brings the slot's missing textures along each time it is made anew.
  SlotPaint paint;
};

// The press: paints `cell` with the current slot as a new step, with the
// textures the slot brings (pictures from GFX/ below `programDirectory`). A
// slot that cannot paint starts no stroke; the message says why.
PlacementResult BeginStroke(DocumentModel& model, PaintStroke& stroke, GridPoint cell,
                            const std::string& programDirectory);
// A move with the button held: paints the line from the last cell to `cell`
// into the stroke's step. Cells off the grid are passed over.
void ContinueStroke(DocumentModel& model, PaintStroke& stroke, GridPoint cell);

}  // namespace tessmoor
