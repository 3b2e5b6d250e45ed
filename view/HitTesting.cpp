#include "view/HitTesting.h"

#include "view/ViewColours.h"
#include "view/Zoom.h"

namespace tessmoor {

int32_t HitPaletteSlot(const MapDocument& document, int32_t x, int32_t y) {
  for (int32_t i = 0; i < PaletteSlotCount; ++i) {
    const ViewRect& r = document.paletteSlots[static_cast<size_t>(i)].rect;
    if (x >= r.left && x <= r.right && y >= r.top && y <= r.bottom) return i;
  }
  return -1;
}

std::optional<GridPoint> HitGridCell(const EditorState& editor, const ViewGeometry& view, int32_t x, int32_t y) {
  // Left of or above the map area, truncating division would fold the point
  // onto column or row 0; those pixels belong to no cell.
  if (x < MapAreaLeft || y < MapAreaTop) return std::nullopt;
  const GridPoint cell = PointerCell(editor, view, x, y);
  if (cell.x > editor.lastVisibleColumn || cell.y > editor.lastVisibleRow) return std::nullopt;
  if (!IsOnGrid(cell)) return std::nullopt;
  return cell;
}

bool IsInsideMapArea(const ViewGeometry& view, int32_t x, int32_t y) {
  const ViewRect area = MapArea(view);
  return x >= area.left && x <= area.right && y >= area.top && y <= area.bottom;
}

GridPoint PointerCell(const EditorState& editor, const ViewGeometry& view, int32_t x, int32_t y) {
  const int32_t pitch = CellPitchAt(view.zoomLevel);
  return {editor.viewOrigin.x + (x - MapAreaLeft) / pitch, editor.viewOrigin.y + (y - MapAreaTop) / pitch};
}

bool IsOnGrid(const GridPoint& cell) { return cell.x >= 0 && cell.x < GridSize && cell.y >= 0 && cell.y < GridSize; }

}  // namespace tessmoor
