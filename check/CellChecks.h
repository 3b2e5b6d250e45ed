#pragma once
// The checks of single cells and of the start position.

#include "check/MapFinding.h"
#include "compiler/CellGeometry.h"

namespace tessmoor {

// An error when the player would start outside the grid or inside a wall.
void CheckStartPosition(const MapDocument& document, MapFindings& findings);

// Warnings for cells whose faces the compile leaves out although the player
// would see them, for impossible heights and for floors the player can see past.
void CheckCells(const MapDocument& document, MapFindings& findings);

}  // namespace tessmoor
