// Fill, copy and paste: whole 48-byte records moved column by column, since a
// grid column is contiguous in memory (cell (x, y) is element x*64 + y).

#include "edit/CellBlocks.h"

#include <algorithm>
#include <atomic>
#include <memory>

#include "edit/CellCommands.h"

namespace tessmoor {

namespace {

constexpr int32_t LastCell = GridSize - 1;

uint64_t NextClipboardGeneration() {
  static std::atomic<uint64_t> generation{0};
  return ++generation;
}

}  // namespace

// The selection's corners are kept in the grid by the tools, but these
// operations index the cell array with them, so they make sure once more.
CellRange SelectedCells(const Selection& selection) {
  CellRange range = Normalized(selection);
  range.x1 = std::clamp(range.x1, 0, LastCell);
  range.x2 = std::clamp(range.x2, 0, LastCell);
  range.y1 = std::clamp(range.y1, 0, LastCell);
  range.y2 = std::clamp(range.y2, 0, LastCell);
  return range;
}

void FillSelection(DocumentModel& model, const EditorState& editor) {
  FillCells(model, SelectedCells(editor.selection), CurrentSlot(model.Map()).cell);
}

void CopySelection(const MapDocument& document, EditorState& editor) {
  CellClipboard& clipboard = *editor.clipboard;
  const CellRange range = SelectedCells(editor.selection);
  clipboard.width = range.x2 - range.x1 + 1;
  clipboard.height = range.y2 - range.y1 + 1;
  clipboard.cells = CopyBlock(document, range);
  clipboard.generation = NextClipboardGeneration();
}

bool PasteClipboard(DocumentModel& model, EditorState& editor) {
  const CellClipboard& clipboard = *editor.clipboard;
  if (clipboard.IsEmpty()) return false;
  const CellRange selected = SelectedCells(editor.selection);
  // The part of the block beyond column or row 63 is dropped.
  const CellRange range{selected.x1, selected.y1,
                        std::min(selected.x1 + std::min(clipboard.width, GridSize) - 1, LastCell),
                        std::min(selected.y1 + std::min(clipboard.height, GridSize) - 1, LastCell)};
  const int height = range.y2 - range.y1 + 1;
  auto block = std::make_unique_for_overwrite<MapCell[]>(static_cast<size_t>(BlockCellCount(range)));
  for (int32_t i = 0; i <= range.x2 - range.x1; ++i) {
    std::copy_n(&clipboard.cells[static_cast<size_t>(i * clipboard.height)], height,
                &block[static_cast<size_t>(i * height)]);
  }
  editor.selection = {range.x1, range.y1, range.x2, range.y2};
  model.Execute(std::make_unique<CellBlockCommand>(PasteStepName, range, std::move(block)));
  return true;
}

}  // namespace tessmoor
