#pragma once
// The heights over the map view's cells: numbers where they fit, colours from a
// ramp where they do not, and a mark on every ceiling the compiler has to fold.

#include <cstdint>

#include "document/MapDocument.h"
#include "view/PlanOverlays.h"

namespace tessmoor {

// Draws over every visible cell, clipped to the map area the caller has set.
void DrawHeightsOverlay(const MapDocument& document, const EditorState& editor, int32_t zoomLevel,
                        const PlanOverlays& overlays);

// Draws the start cell's mark: a magenta frame with an arrow the way the player
// first looks (towards growing rows). Nothing when the cell is out of sight.
void DrawStartMarker(const MapDocument& document, const EditorState& editor, int32_t zoomLevel);

}  // namespace tessmoor
