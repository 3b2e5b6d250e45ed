#pragma once
// What the map view shows beyond the map and the editor state: its zoom, the
// cell pictures drawn at that zoom and the 3D camera's mark.

#include <cstdint>

#include "view/CameraMarker.h"
#include "view/PlanOverlays.h"
#include "view/ScaledPictures.h"
#include "view/Zoom.h"

namespace tessmoor {

struct MapViewState {
  int32_t zoomLevel = DefaultZoomLevel;
  ScaledPictureCache scaledPictures;
  CameraMarkerState cameraMarker;
  PlanOverlays overlays;
};

}  // namespace tessmoor
