#include "view/PaintStroke.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "edit/CellCommands.h"
#include "view/HitTesting.h"

namespace tessmoor {

namespace {

size_t PaintedIndex(GridPoint cell) { return static_cast<size_t>(cell.y) * GridSize + static_cast<size_t>(cell.x); }

// Marks the new cells on the grid; false when none was new.
bool AddCells(PaintStroke& stroke, const std::vector<GridPoint>& cells) {
  bool added = false;
  for (const GridPoint& cell : cells) {
    if (!IsOnGrid(cell) || stroke.painted[PaintedIndex(cell)]) continue;
    stroke.painted[PaintedIndex(cell)] = true;
    CellRange& b = stroke.bounds;
    if (b.x1 > b.x2) {
      b = {cell.x, cell.y, cell.x, cell.y};
    } else {
      b = {std::min(b.x1, cell.x), std::min(b.y1, cell.y), std::max(b.x2, cell.x), std::max(b.y2, cell.y)};
    }
    added = true;
  }
  return added;
}

// The stroke's step is replaced by one over all its cells so far: the history
// keeps a single step for the stroke however long it runs.
void ExecuteStrokeStep(DocumentModel& model, PaintStroke& stroke) {
  if (stroke.undoCountAfterStep != 0 && model.History().UndoCount() == stroke.undoCountAfterStep) model.Undo();
  const CellRange range = stroke.bounds;
  std::unique_ptr<MapCell[]> block = CopyBlock(model.Map(), range);
  const int32_t height = range.y2 - range.y1 + 1;
  const MapCell& value = stroke.paint.cell;
  for (int32_t x = range.x1; x <= range.x2; ++x) {
    for (int32_t y = range.y1; y <= range.y2; ++y) {
      if (stroke.painted[PaintedIndex({x, y})]) block[(x - range.x1) * height + (y - range.y1)] = value;
    }
  }
  ExecuteSlotPaint(model, stroke.paint, std::make_unique<CellBlockCommand>(PaintStepName, range, std::move(block)));
  stroke.undoCountAfterStep = model.History().UndoCount();
}

}  // namespace

std::vector<GridPoint> CellsOnSegment(GridPoint from, GridPoint to) {
  const int32_t dx = std::abs(to.x - from.x), dy = -std::abs(to.y - from.y);
  const int32_t sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
  std::vector<GridPoint> cells;
  cells.reserve(static_cast<size_t>(std::max(dx, -dy)) + 1);
  GridPoint at = from;
  int32_t error = dx + dy;
  for (;;) {
    cells.push_back(at);
    if (at == to) break;
    const int32_t twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      at.x += sx;
    }
    if (twice <= dx) {
      error += dx;
      at.y += sy;
    }
  }
  return cells;
}

PlacementResult BeginStroke(DocumentModel& model, PaintStroke& stroke, GridPoint cell,
                            const std::string& programDirectory) {
  stroke = {};
  stroke.paint = PrepareSlotPaint(model, programDirectory);
  if (!stroke.paint.ok) return {false, stroke.paint.message, NoCells, 0};
  stroke.active = true;
  stroke.last = cell;
  if (AddCells(stroke, {cell})) ExecuteStrokeStep(model, stroke);
  return {true, {}, stroke.bounds, static_cast<int>(stroke.paint.addedTextures.size())};
}

void ContinueStroke(DocumentModel& model, PaintStroke& stroke, GridPoint cell) {
  if (!stroke.active || cell == stroke.last) return;
  const bool added = AddCells(stroke, CellsOnSegment(stroke.last, cell));
  stroke.last = cell;
  if (added) ExecuteStrokeStep(model, stroke);
}

}  // namespace tessmoor
