#pragma once
// Where a player's eye is in the model: the same place for the 3D view's start
// pose, its walk mode and any exporter that wants the player's view.

#include "document/MapDocument.h"
#include "preview/PreviewMath.h"

namespace tessmoor {

// The world position of the centre of cell (x, y) at height 0.
Vec3 CellCentre(int x, int y);

// The cell whose square holds the world point (its height ignored); it may lie
// outside the grid.
GridPoint CellAt(Vec3 point);

// How far above its floor an eye stands in `cell`: 64 units, or half the way up
// to the lowest ceiling corner when that is lower.
float StandingEyeHeight(const MapCell& cell);

// The eye at the start position: the centre of the start cell at its standing
// eye height. A start position outside the grid (a damaged file) is moved to the
// nearest cell.
Vec3 StartEyePosition(const MapDocument& document);
// The same for any cell.
Vec3 EyePositionIn(const MapDocument& document, GridPoint cell);

}  // namespace tessmoor
