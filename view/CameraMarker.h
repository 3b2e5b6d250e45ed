#pragma once
// The map view's mark of the 3D view's camera: a dot on its cell and a stroke
// in its looking direction.

#include "document/MapDocument.h"

// Draws into the render surface over the grid, clipped to the map area the
// caller has set. Nothing when the camera's cell is scrolled out of sight.
void DrawCameraMarker(const EditorState& editor);
