#pragma once
// Where a pointer position in view pixels lands: a palette slot, a drawn grid
// cell, the map area.

#include <cstdint>
#include <optional>

#include "document/MapDocument.h"
#include "view/MapView.h"

namespace tessmoor {

// The first palette slot (0..3) whose rectangle holds the point, or -1.
int32_t HitPaletteSlot(const MapDocument& document, int32_t x, int32_t y);

// The grid cell under the point among the cells the latest redraw drew: a cell
// owns its picture (64 x 64 at the default zoom) and its left and top grid lines. Nothing when the
// point is on no drawn cell.
std::optional<GridPoint> HitGridCell(const EditorState& editor, const ViewGeometry& view, int32_t x, int32_t y);

bool IsInsideMapArea(const ViewGeometry& view, int32_t x, int32_t y);

// The cell the pointer is over, counted from the view origin in whole pitches
// with truncation toward zero; it may lie outside the grid.
GridPoint PointerCell(const EditorState& editor, const ViewGeometry& view, int32_t x, int32_t y);

bool IsOnGrid(const GridPoint& cell);

}  // namespace tessmoor
