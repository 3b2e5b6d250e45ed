#include "edit/CellSearch.h"

#include <algorithm>
#include <memory>

#include "edit/CellCommands.h"

namespace tessmoor {

namespace {

bool HasTexture(const MapCell& cell, const CellQuery& query) {
  if (query.textureLayer >= 0 && query.textureLayer < SurfaceCount) {
    return cell.texture[query.textureLayer] == *query.texture;
  }
  return std::find(std::begin(cell.texture), std::end(cell.texture), *query.texture) != std::end(cell.texture);
}

}  // namespace

bool Matches(const MapCell& cell, const CellQuery& query) {
  if (query.type && cell.type != *query.type) return false;
  if (query.texture && !HasTexture(cell, query)) return false;
  if (query.floor && !query.floor->Contains(cell.floorHeight)) return false;
  if (query.water && !query.water->Contains(cell.waterLevel)) return false;
  if (query.ceiling && std::none_of(std::begin(cell.ceilingHeight), std::end(cell.ceilingHeight),
                                    [&](float corner) { return query.ceiling->Contains(corner); })) {
    return false;
  }
  if (query.opacityLow && cell.opacity < *query.opacityLow) return false;
  if (query.opacityHigh && cell.opacity > *query.opacityHigh) return false;
  return true;
}

std::vector<GridPoint> FindCells(const MapDocument& document, const CellQuery& query) {
  std::vector<GridPoint> found;
  for (int y = 0; y < GridSize; ++y) {
    for (int x = 0; x < GridSize; ++x) {
      if (query.within && !Contains(*query.within, {x, y})) continue;
      if (Matches(document.Cell(x, y), query)) found.push_back({x, y});
    }
  }
  return found;
}

bool ReplaceInCells(DocumentModel& model, const std::vector<GridPoint>& cells, const CellFieldEdit& edit) {
  if (edit.changed.none()) return false;
  CellRange range{GridSize, GridSize, -1, -1};
  for (const GridPoint cell : cells) {
    if (!Contains({0, 0, GridSize - 1, GridSize - 1}, cell)) continue;
    range = {std::min(range.x1, cell.x), std::min(range.y1, cell.y), std::max(range.x2, cell.x),
             std::max(range.y2, cell.y)};
  }
  if (range.x2 < range.x1) return false;
  // One block around all matches; the cells between them go back as they are.
  std::unique_ptr<MapCell[]> block = CopyBlock(model.Map(), range);
  const int height = range.y2 - range.y1 + 1;
  std::vector<bool> done(static_cast<size_t>(BlockCellCount(range)), false);
  for (const GridPoint cell : cells) {
    if (!Contains(range, cell)) continue;
    const auto at = static_cast<size_t>((cell.x - range.x1) * height + (cell.y - range.y1));
    // A cell listed twice is still edited once, or a relative height would count twice.
    if (done[at]) continue;
    done[at] = true;
    ApplyFieldEdit(edit, block[at]);
  }
  model.Execute(std::make_unique<CellBlockCommand>(ReplaceCellsStepName, range, std::move(block)));
  return true;
}

}  // namespace tessmoor
