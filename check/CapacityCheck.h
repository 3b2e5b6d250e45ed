#pragma once
// Whether the compile's tables can take the map.

#include "check/MapFinding.h"
#include "compiler/CellGeometry.h"

namespace tessmoor {

// An error for each table the compile would overflow, with the count it would
// need. `faces` is the face count of the same document.
void CheckCapacities(const MapDocument& document, const ColumnProfile& profile, const FaceCounts& faces,
                     MapFindings& findings);

}  // namespace tessmoor
