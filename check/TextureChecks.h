#pragma once
// The checks of the texture table against the cells that refer to it.

#include "check/MapFinding.h"

namespace tessmoor {

// Errors for references beyond the table, warnings for used textures without
// frames (at the first cell that uses them), hints for unused textures.
void CheckTextures(const MapDocument& document, MapFindings& findings);

}  // namespace tessmoor
