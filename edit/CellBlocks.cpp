// Fill, copy and paste: whole 48-byte records moved column by column, since a
// grid column is contiguous in memory (cell (x, y) is element x*64 + y).

#include "edit/CellBlocks.h"

#include <algorithm>
#include <memory>

#include "document/Stamp.h"
#include "edit/CellCommands.h"
#include "edit/ClipboardTransfer.h"

namespace tessmoor {

namespace {

constexpr int32_t LastCell = GridSize - 1;

std::vector<StampTexture> DescribeTable(const MapDocument& document) {
  std::vector<StampTexture> textures;
  const int count = std::clamp(document.textureCount, 0, MaxTextures);
  textures.reserve(static_cast<size_t>(count));
  for (int t = 0; t < count; ++t) textures.push_back(DescribeTexture(document.textures[static_cast<size_t>(t)]));
  return textures;
}

// The block's records as they are, references and all: its own map means by them what it meant.
PlacementResult PasteIntoItsMap(DocumentModel& model, const EditorState& editor) {
  const CellClipboard& clipboard = *editor.clipboard;
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
  model.Execute(std::make_unique<CellBlockCommand>(PasteStepName, range, std::move(block)));
  return {true, {}, range, 0};
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
  clipboard.textures = DescribeTable(document);
  clipboard.sourceMap = document.mapId;
  clipboard.generation = NextClipboardGeneration();
}

PlacementResult PasteAtSelection(DocumentModel& model, const EditorState& editor) {
  const CellClipboard& clipboard = *editor.clipboard;
  if (clipboard.IsEmpty()) return {};
  if (CopiedFrom(clipboard, model.Map())) return PasteIntoItsMap(model, editor);
  const CellRange selected = SelectedCells(editor.selection);
  return PasteIntoOtherMap(model, clipboard, {{selected.x1, selected.y1}, {}}, editor.programDirectory);
}

PlacementResult PasteClipboard(DocumentModel& model, EditorState& editor) {
  const PlacementResult result = PasteAtSelection(model, editor);
  if (result.ok) editor.selection = {result.range.x1, result.range.y1, result.range.x2, result.range.y2};
  return result;
}

}  // namespace tessmoor
