#pragma once
// The top-down map view: the layout of the palette strip, the map frame and the
// scrollable grid, and the full redraw into the render surface.

#include <cstdint>
#include <string>

#include "document/MapDocument.h"
#include "view/CameraMarker.h"
#include "view/PlanOverlays.h"

namespace tessmoor {

// view/ScaledPictures.h, which needs this header's geometry.
struct ScaledPictureCache;

// The view's size in pixels, the thickness of the two scroll bars over it and
// its zoom. The window that shows the view owns the zoom.
struct ViewGeometry {
  int32_t width = 0;                 // ViewPort width (W)
  int32_t height = 0;                // ViewPort height (H)
  int32_t verticalBarWidth = 16;     // vsW
  int32_t horizontalBarHeight = 16;  // hsH
  int32_t zoomLevel = 1;             // view/Zoom.h; 1 is the 64-pixel cell
  bool operator==(const ViewGeometry&) const = default;
};

// mapArea in view pixels, inclusive: (73, 2) .. (W - vsW - 3, H - hsH - 3).
ViewRect MapArea(const ViewGeometry& view);

// Where FormResize puts the scroll bars, in client coordinates of the main window.
struct ScrollBarLayout {
  int32_t horizontalLeft, horizontalTop, horizontalWidth;
  int32_t verticalLeft, verticalTop, verticalHeight;
  int32_t horizontalPageStep, verticalPageStep;  // may be 0 or less in a tiny window
};
// The page steps count cells of `cellPictureSize` pixels (64 at the default zoom).
ScrollBarLayout LayoutScrollBars(int32_t clientWidth, int32_t clientHeight, int32_t viewPortTop,
                                 int32_t verticalBarWidth, int32_t horizontalBarHeight, int32_t cellPictureSize = 64);

// Rebuilds the whole picture in the render surface and presents it once. Updates
// editor.lastVisibleColumn / lastVisibleRow. Draws nothing when no surface exists.
// A view too small for a map area gets its frame and a black inside, and the
// visible range is left empty (last < viewOrigin), so no click hits a cell.
// The graphics error code is left as it was found. A zoomed view draws its cells'
// pictures from `scaledPictures` (without it, cells without thumbnails and
// symbols); the camera's mark is drawn when given and shown, and so are the
// overlays that are switched on.
void RedrawView(const MapDocument& document, EditorState& editor, const ViewGeometry& view,
                const ScaledPictureCache* scaledPictures = nullptr, const CameraMarkerState* cameraMarker = nullptr,
                const PlanOverlays* overlays = nullptr);

// The 64 x 64 picture of one cell, top-left at (x, y) in clip coordinates.
void DrawCell(int32_t x, int32_t y, const MapCell& cell, const MapDocument& document, const EditorState& editor);

// The edges of a sunken frame, each two lines.
void DrawTopEdge(int32_t x1, int32_t x2, int32_t y);
void DrawBottomEdge(int32_t x1, int32_t x2, int32_t y);
void DrawLeftEdge(int32_t x, int32_t y1, int32_t y2);
void DrawRightEdge(int32_t x, int32_t y1, int32_t y2);

// Loads the five cell-kind symbols from TMEGfx/ below the program directory into
// editor.cellSymbols[1..5] (entry 0 becomes a black 32 x 32 image). Returns false
// when one or more could not be loaded; those stay empty.
bool LoadCellSymbols(EditorState& editor);

}  // namespace tessmoor
