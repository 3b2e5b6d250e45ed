#pragma once
// The checks of single cells and of the start position.

#include "check/MapFinding.h"
#include "compiler/CellGeometry.h"

namespace tessmoor {

// An error when the player would start outside the grid or inside a wall.
void CheckStartPosition(const MapDocument& document, MapFindings& findings);

// Warnings for cells whose faces the compile leaves out although the cell asks
// for them, for impossible heights and for floors the player can see past.
// `faces` is the face count of the same document.
void CheckCells(const MapDocument& document, const FaceCounts& faces, MapFindings& findings);

}  // namespace tessmoor
