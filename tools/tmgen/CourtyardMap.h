#pragma once
// The second shipped map: a cloister around an open courtyard with a fountain.
// Its lean-to roof slopes down towards the courtyard on all four sides, so the
// ceiling corners differ in both directions and meet at the corners of the walk.

#include "document/MapDocument.h"

namespace tessmoor {

constexpr const char* CourtyardMapName = "Courtyard.tmm";

// Fills an empty document (after ResetDocument with released textures).
void BuildCourtyardMap(MapDocument& document);

}  // namespace tessmoor
