#pragma once
// The map view's mark of the 3D view's camera: a dot on its cell and a stroke
// in its looking direction.

#include <cstdint>

#include "document/MapDocument.h"

namespace tessmoor {

// Where the 3D view's camera stands. The window that shows the map view owns it
// and shows it only while the 3D window is open, so the map view's picture is
// otherwise unchanged.
struct CameraMarkerState {
  bool shown = false;
  GridPoint cell;
  float yaw = 0;  // radians; 0 looks towards growing rows, growing yaw turns towards lower columns
};

// Draws into the render surface over the grid, clipped to the map area the
// caller has set. Nothing when the camera's cell is scrolled out of sight.
void DrawCameraMarker(const EditorState& editor, int32_t zoomLevel, const CameraMarkerState& marker);

}  // namespace tessmoor
