#include "view/MapView.h"

#include <algorithm>

#include "edit/DocumentChange.h"
#include "graphics/GraphicsError.h"
#include "graphics/RenderSurface.h"
#include "view/CameraMarker.h"
#include "view/CellPicture.h"
#include "view/HeightsOverlay.h"
#include "view/ViewColours.h"
#include "view/Zoom.h"

namespace tessmoor {

namespace {

// The clip rectangle is refused when it is too small or leaves the surface; the
// old one then stays in force, so nothing may be drawn that relies on the new one.
// Expects the error code to be clear, and leaves it clear.
bool TrySetClipRect(const ViewRect& rect) {
  // SetClipRect would quietly swap reversed corners, and a view too narrow for the
  // map area yields exactly such a rectangle, left of where the grid belongs.
  if (rect.right - rect.left < 1 || rect.bottom - rect.top < 1) return false;
  SetClipRect(rect.left, rect.top, rect.right, rect.bottom);
  return TakeGraphicsError() == GraphicsErrorCode::geNone;
}

void DrawSunkenFrame(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  DrawTopEdge(left, right, top);
  DrawBottomEdge(left, right, bottom);
  DrawLeftEdge(left, top, bottom);
  DrawRightEdge(right, top, bottom);
}

void DrawPaletteSlots(const MapDocument& document, const EditorState& editor) {
  for (int32_t i = 0; i < PaletteSlotCount; ++i) {
    const PaletteSlot& slot = document.paletteSlots[static_cast<size_t>(i)];
    const ViewRect& r = slot.rect;
    DrawCell(r.left, r.top, slot.cell, document, editor);
    if (slot.missing) {
      // The table lacks a texture of the slot: the first paint brings it.
      DrawLine(r.left, r.top, r.right, r.bottom, ColourRed);
      DrawLine(r.left, r.bottom, r.right, r.top, ColourRed);
    }
    DrawSunkenFrame(r.left - 2, r.top - 2, r.right + 2, r.bottom + 2);
    if (i != document.currentSlot) continue;
    DrawRect(r.left, r.top, r.right, r.bottom, ColourRed);
    if (PaintsFromSlot(editor.toolMode)) DrawRect(r.left + 2, r.top + 2, r.right - 2, r.bottom - 2, ColourRed);
  }
}

void DrawMapFrame(int32_t sw, int32_t sh) {
  DrawTopEdge(MapFrameLeft, sw - 1, 0);
  DrawBottomEdge(MapFrameLeft, sw - 1, sh - 2);
  DrawLeftEdge(MapFrameLeft, 0, sh - 1);
  DrawRightEdge(sw - 2, 0, sh - 1);
}

// Everything outside the map area, drawn with the whole surface as clip rectangle.
void DrawSurroundings(const MapDocument& document, const EditorState& editor, const ViewGeometry& view) {
  const int32_t sw = Surface().width;
  const int32_t sh = Surface().height;
  FillRect(0, 0, PaletteStripRight, sh - 1, ColourLightGrey);
  DrawPaletteSlots(document, editor);
  FillRect(sw - 1 - view.verticalBarWidth - 1, sh - 1 - view.horizontalBarHeight - 1, sw - 1, sh - 1, ColourLightGrey);
  DrawMapFrame(sw, sh);
}

// Every cell at least partly inside the clip rectangle, plus one more column
// and row that the clip cuts away.
void UpdateVisibleRange(EditorState& editor, int32_t zoomLevel) {
  const int32_t pitch = CellPitchAt(zoomLevel);
  editor.lastVisibleColumn = std::min(editor.viewOrigin.x + Surface().ClipWidth / pitch + 1, GridSize - 1);
  editor.lastVisibleRow = std::min(editor.viewOrigin.y + Surface().ClipHeight / pitch + 1, GridSize - 1);
}

// With no map area there are no drawn cells, so none can be hit either.
void ClearVisibleRange(EditorState& editor) {
  editor.lastVisibleColumn = editor.viewOrigin.x - 1;
  editor.lastVisibleRow = editor.viewOrigin.y - 1;
}

bool IsGridCell(int32_t x, int32_t y) { return x >= 0 && x < GridSize && y >= 0 && y < GridSize; }

// True when nothing drawn since the clear reaches into the map area. Grid lines
// never touch a cell's inside either, so every cell picture is still black there
// and DrawCell's black fill can be left out: on a large screen that fill alone
// writes as many pixels as the clear. Only the frame's right and bottom edges
// and the corner square could reach in, with scroll bars of no thickness or a
// view geometry that does not match the surface.
bool MapAreaStillBlack(const ViewRect& area, const ViewGeometry& view) {
  const int32_t sw = Surface().width;
  const int32_t sh = Surface().height;
  const bool clearOfFrame = area.right < sw - 2 && area.bottom < sh - 2;
  const bool clearOfCorner =
      area.bottom < sh - 1 - view.horizontalBarHeight - 1 || area.right < sw - 1 - view.verticalBarWidth - 1;
  return clearOfFrame && clearOfCorner;
}

// The grid cells at the default zoom whose boxes and lines lie wholly inside the
// map area, inclusive; empty (x1 > x2) when there are none. `area` is the map
// area in surface coordinates.
CellRange WholeCells(const EditorState& editor, const ViewRect& area) {
  const int32_t columns = (area.right - area.left) / CellPitch;
  const int32_t rows = (area.bottom - area.top) / CellPitch;
  return {std::max(editor.viewOrigin.x, 0), std::max(editor.viewOrigin.y, 0),
          std::min(editor.viewOrigin.x + columns - 1, GridSize - 1),
          std::min(editor.viewOrigin.y + rows - 1, GridSize - 1)};
}

bool IsEmpty(const CellRange& range) { return range.x1 > range.x2 || range.y1 > range.y2; }

// Those cells with their lines, in surface coordinates.
ViewRect WholeCellsRect(const EditorState& editor, const ViewRect& area, const CellRange& cells) {
  return {area.left + CellPitch * (cells.x1 - editor.viewOrigin.x),
          area.top + CellPitch * (cells.y1 - editor.viewOrigin.y),
          area.left + CellPitch * (cells.x2 + 1 - editor.viewOrigin.x),
          area.top + CellPitch * (cells.y2 + 1 - editor.viewOrigin.y)};
}

// `uncleared` are the cells the clear left out: they are drawn in full.
void DrawGrid(const MapDocument& document, const EditorState& editor, bool cellsAreBlack, const CellRange& uncleared) {
  const GridSymbols symbols = SymbolsToDraw(editor);
  for (int32_t y = editor.viewOrigin.y; y <= editor.lastVisibleRow; ++y) {
    const int32_t top = CellPitch * (y - editor.viewOrigin.y);
    for (int32_t x = editor.viewOrigin.x; x <= editor.lastVisibleColumn; ++x) {
      if (!IsGridCell(x, y)) continue;
      const int32_t left = CellPitch * (x - editor.viewOrigin.x);
      DrawRect(left, top, left + CellPitch, top + CellPitch, ColourGridWhite);
      if (Contains(uncleared, {x, y})) {
        DrawCellBox(left + 1, top + 1, document.Cell(x, y), document, editor, symbols);
      } else {
        if (!cellsAreBlack) FillRect(left + 1, top + 1, left + CellPitch - 1, top + CellPitch - 1, ColourBlack);
        DrawCellOverlays(left + 1, top + 1, document.Cell(x, y), document, editor, symbols);
      }
    }
  }
}

// The same picture as DrawGrid's at another pitch, but the grid goes in whole
// lines: at 8 pixels a cell's own four lines would cost more than its pictures.
// Lines never touch a picture, so drawing them first changes no pixel.
void DrawZoomedGrid(const MapDocument& document, const EditorState& editor, int32_t zoomLevel,
                    const ScaledPictureCache* pictures, bool cellsAreBlack) {
  const int32_t pitch = CellPitchAt(zoomLevel);
  const int32_t x0 = std::max(editor.viewOrigin.x, 0), x1 = std::min(editor.lastVisibleColumn, GridSize - 1);
  const int32_t y0 = std::max(editor.viewOrigin.y, 0), y1 = std::min(editor.lastVisibleRow, GridSize - 1);
  if (x0 > x1 || y0 > y1) return;
  const int32_t left = pitch * (x0 - editor.viewOrigin.x), right = pitch * (x1 + 1 - editor.viewOrigin.x);
  const int32_t top = pitch * (y0 - editor.viewOrigin.y), bottom = pitch * (y1 + 1 - editor.viewOrigin.y);
  for (int32_t y = top; y <= bottom; y += pitch) DrawLine(left, y, right, y, ColourGridWhite);
  for (int32_t x = left; x <= right; x += pitch) DrawLine(x, top, x, bottom, ColourGridWhite);
  for (int32_t y = y0; y <= y1; ++y) {
    const int32_t cellTop = pitch * (y - editor.viewOrigin.y) + 1;
    for (int32_t x = x0; x <= x1; ++x) {
      DrawZoomedCell(pitch * (x - editor.viewOrigin.x) + 1, cellTop, document.Cell(x, y), document, editor, zoomLevel,
                     pictures, cellsAreBlack);
    }
  }
}

// On the grid lines around the selected cells; doubled while selecting, so the
// user sees which of selection and palette slot the next click works on.
void DrawSelection(const EditorState& editor, int32_t zoomLevel) {
  const CellRange range = Normalized(editor.selection);
  const int32_t pitch = CellPitchAt(zoomLevel);
  const int32_t x1 = pitch * (range.x1 - editor.viewOrigin.x);
  const int32_t y1 = pitch * (range.y1 - editor.viewOrigin.y);
  const int32_t x2 = pitch * (range.x2 + 1 - editor.viewOrigin.x);
  const int32_t y2 = pitch * (range.y2 + 1 - editor.viewOrigin.y);
  DrawRect(x1, y1, x2, y2, ColourRed);
  if (editor.toolMode == ToolMode::Select) DrawRect(x1 + 2, y1 + 2, x2 - 2, y2 - 2, ColourRed);
}

// Whether most of `cells` show a thumbnail. Only then does leaving them out of the
// clear pay: the clear of a large surface streams past the caches, while a cell
// filled black on its own costs each of its memory lines a read as well.
bool MostlyPictures(const MapDocument& document, const EditorState& editor, const CellRange& cells) {
  int64_t pictures = 0, all = 0;
  for (int32_t x = cells.x1; x <= cells.x2; ++x) {
    for (int32_t y = cells.y1; y <= cells.y2; ++y) {
      pictures += HasCopiedThumbnail(document.Cell(x, y), document, editor) ? 1 : 0;
      ++all;
    }
  }
  return 2 * pictures >= all;
}

// The cells whose pixels the grid drawing writes in full, so the clear can leave
// them out: in a view full of pictures the clear alone writes as much as all the
// cells. None unless the map area can take its clip rectangle, is still black
// after the surroundings, and shows the default zoom, mostly pictures.
CellRange CellsDrawnInFull(const MapDocument& document, const EditorState& editor, const ViewGeometry& view) {
  const RenderSurface& surface = Surface();
  const ViewRect area = MapArea(view);
  const bool areaFits = area.left >= 0 && area.top >= 0 && area.right < surface.width && area.bottom < surface.height &&
                        area.right - area.left >= 1 && area.bottom - area.top >= 1;
  if (!areaFits || !MapAreaStillBlack(area, view) || ClampZoomLevel(view.zoomLevel) != DefaultZoomLevel) return NoCells;
  const CellRange cells = WholeCells(editor, area);
  return !IsEmpty(cells) && MostlyPictures(document, editor, cells) ? cells : NoCells;
}

void ComposeView(const MapDocument& document, EditorState& editor, const ViewGeometry& view,
                 const ScaledPictureCache* scaledPictures, const CameraMarkerState* cameraMarker,
                 const PlanOverlays* overlays) {
  const CellRange uncleared = CellsDrawnInFull(document, editor, view);
  if (IsEmpty(uncleared)) {
    ClearSurface(ColourBlack);
  } else {
    const ViewRect rect = WholeCellsRect(editor, MapArea(view), uncleared);
    ClearSurfaceAround(ColourBlack, rect.left, rect.top, rect.right, rect.bottom);
  }
  const RenderSurface& surface = Surface();
  if (!TrySetClipRect({0, 0, surface.width - 1, surface.height - 1})) {
    // The old clip rectangle may belong to a larger, earlier surface.
    ClearVisibleRange(editor);
    return;
  }
  DrawSurroundings(document, editor, view);
  const ViewRect area = MapArea(view);
  if (!TrySetClipRect(area)) {
    // Too small for a map area: the frame stands, the inside stays black.
    ClearVisibleRange(editor);
    return;
  }
  UpdateVisibleRange(editor, view.zoomLevel);
  if (ClampZoomLevel(view.zoomLevel) == DefaultZoomLevel) {
    DrawGrid(document, editor, MapAreaStillBlack(area, view), uncleared);
  } else {
    DrawZoomedGrid(document, editor, view.zoomLevel, scaledPictures, MapAreaStillBlack(area, view));
  }
  if (overlays != nullptr) DrawHeightsOverlay(document, editor, view.zoomLevel, *overlays);
  DrawSelection(editor, view.zoomLevel);
  if (overlays != nullptr && overlays->startPosition) DrawStartMarker(document, editor, view.zoomLevel);
  if (cameraMarker != nullptr && cameraMarker->shown) DrawCameraMarker(editor, view.zoomLevel, *cameraMarker);
}

}  // namespace

void RedrawView(const MapDocument& document, EditorState& editor, const ViewGeometry& view,
                const ScaledPictureCache* scaledPictures, const CameraMarkerState* cameraMarker,
                const PlanOverlays* overlays) {
  if (!Surface().created) return;
  // A redraw can happen in the middle of someone else's group of graphics
  // operations; it must neither hide their error nor leave one of its own.
  const GraphicsErrorCode pending = TakeGraphicsError();
  ComposeView(document, editor, view, scaledPictures, cameraMarker, overlays);
  PresentSurface(1);
  TakeGraphicsError();  // a failed present only leaves the window unchanged until the next one
  if (pending != GraphicsErrorCode::geNone) SetGraphicsError(pending);
}

}  // namespace tessmoor
