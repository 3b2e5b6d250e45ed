#include "view/HeightsOverlay.h"

#include <algorithm>

#include "document/CeilingPlane.h"
#include "graphics/RenderSurface.h"
#include "view/HeightText.h"
#include "view/ViewColours.h"
#include "view/Zoom.h"

namespace tessmoor {

namespace {

constexpr RGB555 HeightWhite = 0x7FFF;
constexpr RGB555 WaterCyan = 0x03FF;
constexpr RGB555 FoldOrange = 0x7E00;
// Magenta: the heights ramp never reaches it, so the mark stands out on any cell.
constexpr RGB555 StartMagenta = 0x7C1F;

bool IsWater(const MapCell& cell) { return cell.type == static_cast<uint8_t>(CellType::WaterBasin); }

// A cell's picture in clip coordinates: its top-left pixel and its side.
struct CellBox {
  int32_t left, top, size;
};

CellBox BoxOf(const EditorState& editor, int32_t zoomLevel, int32_t x, int32_t y) {
  const int32_t pitch = CellPitchAt(zoomLevel);
  return {pitch * (x - editor.viewOrigin.x) + 1, pitch * (y - editor.viewOrigin.y) + 1, CellPictureSizeAt(zoomLevel)};
}

// The cell whose heights the overlay shows: the preview's inside its range.
const MapCell& ShownCell(const MapDocument& document, const HeightPreview& preview, int32_t x, int32_t y) {
  if (!preview.Active() || !Contains(preview.range, {x, y})) return document.Cell(x, y);
  const int32_t height = preview.range.y2 - preview.range.y1 + 1;
  return preview.cells[static_cast<size_t>((x - preview.range.x1) * height + (y - preview.range.y1))];
}

// Where a corner's label goes: each in the quarter of the cell nearest its corner.
void DrawCornerLabels(const CellBox& box, const MapCell& cell, int32_t scale) {
  const int32_t inset = scale;
  for (int corner = 0; corner < 4; ++corner) {
    const HeightSprite& label = HeightSpriteFor(cell.ceilingHeight[corner], scale, HeightWhite);
    const bool right = corner == 1 || corner == 2, bottom = corner == 2 || corner == 3;
    DrawHeightSprite(box.left + (right ? box.size - inset - label.width : inset),
                     box.top + (bottom ? box.size - inset - label.height : inset), label);
  }
}

void DrawCentredLabel(const CellBox& box, float height, int32_t scale, int32_t shiftRows, RGB555 colour) {
  const HeightSprite& label = HeightSpriteFor(height, scale, colour);
  DrawHeightSprite(box.left + (box.size - label.width) / 2,
                   box.top + (box.size - label.height) / 2 + shiftRows * label.height / 2, label);
}

// The fold runs from the cell's top-right corner to its bottom-left one; written
// pixel by pixel, as a line primitive costs more than the whole label.
void DrawFold(const CellBox& box) {
  const RenderSurface& surface = Surface();
  for (int32_t i = 0; i < box.size; ++i) {
    const int32_t x = surface.clipLeft + box.left + box.size - 1 - i, y = surface.clipTop + box.top + i;
    if (x < surface.clipLeft || x > surface.clipRight || y < surface.clipTop || y > surface.clipBottom) continue;
    surface.pixels[static_cast<size_t>(y) * static_cast<size_t>(surface.width) + static_cast<size_t>(x)] = FoldOrange;
  }
}

void DrawNumbers(const CellBox& box, const MapCell& cell, HeightSurface surface, int32_t scale) {
  const bool water = IsWater(cell);
  if (surface == HeightSurface::Floor) {
    DrawCentredLabel(box, cell.floorHeight, scale, water ? -1 : 0, HeightWhite);
    if (water) DrawCentredLabel(box, cell.waterLevel, scale, 1, WaterCyan);
    return;
  }
  if (!CeilingIsPlanar(cell)) DrawFold(box);
  DrawCornerLabels(box, cell, scale);
  if (water) DrawCentredLabel(box, cell.waterLevel, scale, 0, WaterCyan);
}

void DrawColours(const CellBox& box, const MapCell& cell, HeightSurface surface, const HeightColours& colour) {
  const int32_t l = box.left, t = box.top, r = box.left + box.size - 1, b = box.top + box.size - 1;
  if (surface == HeightSurface::Floor) {
    FillRect(l, t, r, b, colour(cell.floorHeight));
  } else {
    const int32_t half = box.size / 2;
    FillRect(l, t, l + half - 1, t + half - 1, colour(cell.ceilingHeight[0]));
    FillRect(l + half, t, r, t + half - 1, colour(cell.ceilingHeight[1]));
    FillRect(l + half, t + half, r, b, colour(cell.ceilingHeight[2]));
    FillRect(l, t + half, l + half - 1, b, colour(cell.ceilingHeight[3]));
    if (!CeilingIsPlanar(cell)) DrawFold(box);
  }
  if (IsWater(cell)) {
    const int32_t quarter = box.size / 4;
    FillRect(l + quarter, t + quarter, r - quarter, b - quarter, colour(cell.waterLevel));
    DrawRect(l + quarter, t + quarter, r - quarter, b - quarter, WaterCyan);
  }
}

}  // namespace

void DrawHeightsOverlay(const MapDocument& document, const EditorState& editor, int32_t zoomLevel,
                        const PlanOverlays& overlays) {
  if (!ShowsHeights(overlays)) return;
  const HeightSurface surface = HeightSurfaceFor(editor.currentLayer, overlays);
  const bool numbers = HeightNumbersFitAt(zoomLevel);
  const int32_t scale = CellPictureSizeAt(zoomLevel) / CellPictureSize;
  const HeightColours colours(numbers ? HeightSpan{} : HeightSpanOf(document, surface, overlays.preview));
  const int32_t x0 = std::max(editor.viewOrigin.x, 0), x1 = std::min(editor.lastVisibleColumn, GridSize - 1);
  const int32_t y0 = std::max(editor.viewOrigin.y, 0), y1 = std::min(editor.lastVisibleRow, GridSize - 1);
  for (int32_t x = x0; x <= x1; ++x) {
    for (int32_t y = y0; y <= y1; ++y) {
      const CellBox box = BoxOf(editor, zoomLevel, x, y);
      const MapCell& cell = ShownCell(document, overlays.preview, x, y);
      if (numbers) {
        DrawNumbers(box, cell, surface, scale);
      } else {
        DrawColours(box, cell, surface, colours);
      }
    }
  }
}

void DrawStartMarker(const MapDocument& document, const EditorState& editor, int32_t zoomLevel) {
  const StartPosition start = document.startPosition;
  if (start.x < 0 || start.x >= GridSize || start.y < 0 || start.y >= GridSize) return;
  if (start.x < editor.viewOrigin.x || start.x > editor.lastVisibleColumn) return;
  if (start.y < editor.viewOrigin.y || start.y > editor.lastVisibleRow) return;
  const CellBox box = BoxOf(editor, zoomLevel, start.x, start.y);
  const int32_t l = box.left, t = box.top, r = box.left + box.size - 1, b = box.top + box.size - 1;
  if (box.size < 16) {
    FillRect(l + 1, t + 1, r - 1, b - 1, StartMagenta);
    return;
  }
  const int32_t inset = box.size / 16;
  for (int32_t i = 0; i < 2; ++i) DrawRect(l + inset + i, t + inset + i, r - inset - i, b - inset - i, StartMagenta);
  // The arrow points the way the player looks at the start.
  const int32_t cx = l + box.size / 2, head = box.size / 6;
  const int32_t tail = t + box.size / 4, tip = b - box.size / 4;
  for (int32_t d = -1; d <= 1; ++d) {
    DrawLine(cx + d, tail, cx + d, tip, StartMagenta);
    DrawLine(cx - head, tip - head + d, cx, tip + d, StartMagenta);
    DrawLine(cx + head, tip - head + d, cx, tip + d, StartMagenta);
  }
}

}  // namespace tessmoor
