// Fill, copy and paste: whole 48-byte records moved column by column, since a
// grid column is contiguous in memory (cell (x, y) is element x*64 + y).

#include <algorithm>
#include <memory>

#include "view/EditingTools.h"

namespace {

constexpr int32_t LastCell = GridSize - 1;

// The selection in order and inside the grid. Its corners are kept in the grid
// by the tools, but these operations index the cell array with them, so they
// make sure once more.
CellRange SelectedCells(const Selection& selection) {
  CellRange range = Normalized(selection);
  range.x1 = std::clamp(range.x1, 0, LastCell);
  range.x2 = std::clamp(range.x2, 0, LastCell);
  range.y1 = std::clamp(range.y1, 0, LastCell);
  range.y2 = std::clamp(range.y2, 0, LastCell);
  return range;
}

const PaletteSlot& CurrentSlot(const MapDocument& document) {
  return document.paletteSlots[static_cast<size_t>(std::clamp(document.currentSlot, 0, PaletteSlotCount - 1))];
}

}  // namespace

void FillSelection(MapDocument& document, const EditorState& editor) {
  const CellRange range = SelectedCells(editor.selection);
  const MapCell source = CurrentSlot(document).cell;
  for (int32_t x = range.x1; x <= range.x2; ++x) {
    std::fill_n(&document.Cell(x, range.y1), range.y2 - range.y1 + 1, source);
  }
  document.modified = true;
}

void CopySelection(const MapDocument& document, EditorState& editor) {
  CellClipboard& clipboard = editor.clipboard;
  clipboard.cells.reset();
  const CellRange range = SelectedCells(editor.selection);
  clipboard.width = range.x2 - range.x1 + 1;
  clipboard.height = range.y2 - range.y1 + 1;
  clipboard.cells = std::make_unique_for_overwrite<MapCell[]>(static_cast<size_t>(clipboard.width * clipboard.height));
  for (int32_t i = 0; i < clipboard.width; ++i) {
    std::copy_n(&document.Cell(range.x1 + i, range.y1), clipboard.height, &clipboard.cells[i * clipboard.height]);
  }
}

bool PasteClipboard(MapDocument& document, EditorState& editor) {
  const CellClipboard& clipboard = editor.clipboard;
  if (clipboard.IsEmpty()) return false;
  const CellRange range = SelectedCells(editor.selection);
  const int32_t ax = range.x1;
  const int32_t ay = range.y1;
  // The part of the block beyond column or row 63 is dropped.
  const int32_t ex = std::min(ax + std::min(clipboard.width, GridSize) - 1, LastCell);
  const int32_t ey = std::min(ay + std::min(clipboard.height, GridSize) - 1, LastCell);
  for (int32_t x = ax; x <= ex; ++x) {
    std::copy_n(&clipboard.cells[(x - ax) * clipboard.height], ey - ay + 1, &document.Cell(x, ay));
  }
  document.modified = true;
  editor.selection = {ax, ay, ex, ey};
  return true;
}
