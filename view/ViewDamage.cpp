#include "view/ViewDamage.h"

#include <algorithm>
#include <cstring>

#include "view/ScaledPictures.h"
#include "view/ViewColours.h"
#include "view/Zoom.h"

namespace tessmoor {

namespace {

// The camera mark's stroke reaches at most this far beyond its cell at any zoom.
constexpr int32_t MarkerReach = 64;

// Adds `rect` (view pixels) cut to `bounds`; nothing when nothing is left.
void AddClipped(ViewRect rect, const ViewRect& bounds, std::vector<ViewRect>& parts) {
  rect.left = std::max(rect.left, bounds.left);
  rect.top = std::max(rect.top, bounds.top);
  rect.right = std::min(rect.right, bounds.right);
  rect.bottom = std::min(rect.bottom, bounds.bottom);
  if (rect.left <= rect.right && rect.top <= rect.bottom) parts.push_back(rect);
}

// The box of cell (x, y) with the grid lines around it, in view pixels.
ViewRect CellBox(const EditorState& editor, const ViewGeometry& view, const ViewRect& area, int32_t x, int32_t y) {
  const int32_t pitch = CellPitchAt(view.zoomLevel);
  const int32_t left = area.left + pitch * (x - editor.viewOrigin.x);
  const int32_t top = area.top + pitch * (y - editor.viewOrigin.y);
  return {left, top, left + pitch, top + pitch};
}

// The two red outlines of a selection are three pixels wide on every side.
void AddSelectionFrame(const Selection& selection, const EditorState& editor, const ViewGeometry& view,
                       const ViewRect& area, std::vector<ViewRect>& parts) {
  const CellRange range = Normalized(selection);
  const ViewRect first = CellBox(editor, view, area, range.x1, range.y1);
  const ViewRect last = CellBox(editor, view, area, range.x2, range.y2);
  const int32_t x1 = first.left, y1 = first.top, x2 = last.right, y2 = last.bottom;
  AddClipped({x1, y1, x2, y1 + 2}, area, parts);
  AddClipped({x1, y2 - 2, x2, y2}, area, parts);
  AddClipped({x1, y1, x1 + 2, y2}, area, parts);
  AddClipped({x2 - 2, y1, x2, y2}, area, parts);
}

void AddCameraMarker(const CameraMarkerState& marker, const EditorState& editor, const ViewGeometry& view,
                     const ViewRect& area, std::vector<ViewRect>& parts) {
  if (!marker.shown) return;
  const ViewRect box = CellBox(editor, view, area, marker.cell.x, marker.cell.y);
  AddClipped({box.left - MarkerReach, box.top - MarkerReach, box.right + MarkerReach, box.bottom + MarkerReach}, area,
             parts);
}

// The palette strip with the frames around its slots, wherever they lie.
ViewRect PaletteBox(const std::array<PaletteSlot, PaletteSlotCount>& slots, int32_t surfaceHeight) {
  ViewRect box{0, 0, PaletteStripRight, surfaceHeight - 1};
  for (const PaletteSlot& slot : slots) {
    box.left = std::min(box.left, slot.rect.left - 2);
    box.top = std::min(box.top, slot.rect.top - 2);
    box.right = std::max(box.right, slot.rect.right + 2);
    box.bottom = std::max(box.bottom, slot.rect.bottom + 2);
  }
  return box;
}

bool SamePalette(const std::array<PaletteSlot, PaletteSlotCount>& a,
                 const std::array<PaletteSlot, PaletteSlotCount>& b) {
  for (size_t i = 0; i < a.size(); ++i) {
    const ViewRect &ra = a[i].rect, &rb = b[i].rect;
    if (ra.left != rb.left || ra.top != rb.top || ra.right != rb.right || ra.bottom != rb.bottom) return false;
    if (std::memcmp(&a[i].cell, &b[i].cell, sizeof(MapCell)) != 0) return false;
    if (a[i].missing != b[i].missing) return false;
  }
  return true;
}

bool SameSelection(const Selection& a, const Selection& b) {
  return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
}

bool SameMarker(const CameraMarkerState& a, const CameraMarkerState& b) {
  if (a.shown != b.shown) return false;
  return !a.shown || (a.cell == b.cell && std::memcmp(&a.yaw, &b.yaw, sizeof a.yaw) == 0);
}

}  // namespace

ViewDamageTracker::ViewDamageTracker() = default;
ViewDamageTracker::~ViewDamageTracker() = default;

void ViewDamageTracker::Capture(const MapDocument& document, const EditorState& editor, const ViewGeometry& view,
                                const ScaledPictureCache* scaledPictures, const PlanOverlays& overlays,
                                int32_t surfaceWidth, int32_t surfaceHeight, Frame& frame) {
  frame.view = view;
  frame.surfaceWidth = surfaceWidth;
  frame.surfaceHeight = surfaceHeight;
  frame.viewOrigin = editor.viewOrigin;
  frame.currentLayer = editor.currentLayer;
  frame.scaledPictures = scaledPictures;
  frame.scaledRevision = scaledPictures ? scaledPictures->revision : 0;
  frame.textureCount = document.textureCount;
  for (size_t t = 0; t < frame.thumbnails.size(); ++t) {
    const TextureEntry& entry = document.textures[t];
    const HiColorImage* picture = entry.frameCount > 0 ? &entry.frames[0].thumbnail : nullptr;
    frame.thumbnails[t] = picture ? PictureKey{picture->pixels.get(), picture->width, picture->height} : PictureKey{};
  }
  for (size_t k = 0; k < frame.symbols.size(); ++k) {
    const HiColorImage& symbol = editor.cellSymbols[k];
    frame.symbols[k] = {symbol.pixels.get(), symbol.width, symbol.height};
  }
  frame.heights = overlays.heights;
  frame.startPosition = overlays.startPosition;
  frame.previewing = overlays.preview.Active();
  frame.previewRevision = overlays.preview.revision;
  if (ShowsHeights(overlays) && !HeightNumbersFitAt(view.zoomLevel))
    frame.heightSpan = HeightSpanOf(document, HeightSurfaceFor(editor.currentLayer, overlays), overlays.preview);
}

void ViewDamageTracker::AddCells(const MapDocument& document, const EditorState& editor,
                                 std::vector<ViewRect>& parts) const {
  const ViewRect area = MapArea(frame.view);
  const int32_t pitch = CellPitchAt(frame.view.zoomLevel);
  // Every cell whose box reaches into the map area, as the redraw draws them.
  const int32_t columns = (area.right - area.left) / std::max(pitch, 1) + 2;
  const int32_t rows = (area.bottom - area.top) / std::max(pitch, 1) + 2;
  const int32_t x0 = std::max(editor.viewOrigin.x, 0), x1 = std::min(editor.viewOrigin.x + columns, GridSize - 1);
  const int32_t y0 = std::max(editor.viewOrigin.y, 0), y1 = std::min(editor.viewOrigin.y + rows, GridSize - 1);
  for (int32_t x = x0; x <= x1; ++x) {
    // A grid column is contiguous: compare it whole first.
    const size_t first = static_cast<size_t>(x) * GridSize + static_cast<size_t>(y0);
    const size_t count = static_cast<size_t>(y1 - y0 + 1);
    if (std::memcmp(&document.cells[first], &(*cells)[first], count * sizeof(MapCell)) == 0) continue;
    for (int32_t y = y0; y <= y1; ++y) {
      const size_t i = static_cast<size_t>(x) * GridSize + static_cast<size_t>(y);
      if (std::memcmp(&document.cells[i], &(*cells)[i], sizeof(MapCell)) != 0)
        AddClipped(CellBox(editor, frame.view, area, x, y), area, parts);
    }
  }
}

ViewDamage ViewDamageTracker::Next(const MapDocument& document, const EditorState& editor, const ViewGeometry& view,
                                   const ScaledPictureCache* scaledPictures, const CameraMarkerState& marker,
                                   const PlanOverlays& overlays, int32_t surfaceWidth, int32_t surfaceHeight) {
  Frame current;
  Capture(document, editor, view, scaledPictures, overlays, surfaceWidth, surfaceHeight, current);
  ViewDamage damage;
  damage.whole = !known || !(current == frame);
  if (!damage.whole) {
    const ViewRect area = MapArea(view);
    AddCells(document, editor, damage.parts);
    if (!SameSelection(selection, editor.selection) || toolMode != editor.toolMode) {
      AddSelectionFrame(selection, editor, view, area, damage.parts);
      AddSelectionFrame(editor.selection, editor, view, area, damage.parts);
    }
    if (!SamePalette(paletteSlots, document.paletteSlots) || currentSlot != document.currentSlot ||
        toolMode != editor.toolMode) {
      AddClipped(PaletteBox(paletteSlots, surfaceHeight), {0, 0, surfaceWidth - 1, surfaceHeight - 1}, damage.parts);
      AddClipped(PaletteBox(document.paletteSlots, surfaceHeight), {0, 0, surfaceWidth - 1, surfaceHeight - 1},
                 damage.parts);
    }
    if (!SameMarker(cameraMarker, marker)) {
      AddCameraMarker(cameraMarker, editor, view, area, damage.parts);
      AddCameraMarker(marker, editor, view, area, damage.parts);
    }
    const StartPosition start = document.startPosition;
    if (overlays.startPosition && (start.x != startPosition.x || start.y != startPosition.y)) {
      for (const StartPosition cell : {startPosition, start}) {
        // A map file may hold any start; only one inside the grid has a mark.
        if (cell.x >= 0 && cell.x < GridSize && cell.y >= 0 && cell.y < GridSize)
          AddClipped(CellBox(editor, view, area, cell.x, cell.y), area, damage.parts);
      }
    }
  }
  frame = current;
  known = true;
  *cells = document.cells;
  selection = editor.selection;
  toolMode = editor.toolMode;
  currentSlot = document.currentSlot;
  paletteSlots = document.paletteSlots;
  cameraMarker = marker;
  startPosition = document.startPosition;
  return damage;
}

}  // namespace tessmoor
