#include "edit/TextureHousekeeping.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "edit/CellCommands.h"
#include "edit/CompositeCommand.h"
#include "edit/TextureCommands.h"
#include "textures/TextureReferences.h"
#include "textures/TextureTable.h"

namespace tessmoor {

namespace {

bool RefersTo(const MapCell& cell, uint16_t texture) {
  return std::find(std::begin(cell.texture), std::end(cell.texture), texture) != std::end(cell.texture);
}

// The smallest rectangle around every cell that refers to `texture`; the step
// then keeps only those cells. NoCells when none does.
CellRange ReferringCells(const MapDocument& document, uint16_t texture) {
  CellRange range{GridSize, GridSize, -1, -1};
  for (int x = 0; x < GridSize; ++x) {
    for (int y = 0; y < GridSize; ++y) {
      if (!RefersTo(document.Cell(x, y), texture)) continue;
      range = {std::min(range.x1, x), std::min(range.y1, y), std::max(range.x2, x), std::max(range.y2, y)};
    }
  }
  return range.x2 < 0 ? NoCells : range;
}

}  // namespace

bool ReplaceTexture(DocumentModel& model, int texture, uint16_t replacement) {
  const MapDocument& document = model.Map();
  if (!IsTextureInTable(document, texture) || replacement == texture) return false;
  if (replacement != NoTexture && !IsTextureInTable(document, replacement)) return false;
  const auto old = static_cast<uint16_t>(texture);
  const CellRange range = ReferringCells(document, old);
  if (range.x2 < range.x1) return false;
  std::unique_ptr<MapCell[]> block = CopyBlock(document, range);
  const int count = BlockCellCount(range);
  for (int i = 0; i < count; ++i) {
    for (uint16_t& reference : block[static_cast<size_t>(i)].texture) {
      if (reference == old) reference = replacement;
    }
  }
  model.Execute(std::make_unique<CellBlockCommand>(ReplaceTextureStepName, range, std::move(block)));
  return true;
}

int DeleteUnusedTextures(DocumentModel& model, const std::shared_ptr<CellClipboard>& clipboard) {
  std::vector<std::unique_ptr<EditCommand>> deletes;
  for (int texture = std::min(model.Map().textureCount, MaxTextures) - 1; texture >= 0; --texture) {
    if (IsTextureReferenced(model.Map(), static_cast<uint16_t>(texture))) continue;
    deletes.push_back(MakeDeleteTextureCommand(texture, clipboard));
  }
  const int count = static_cast<int>(deletes.size());
  if (count > 0) model.Execute(std::make_unique<CompositeCommand>(DeleteUnusedStepName, std::move(deletes)));
  return count;
}

}  // namespace tessmoor
