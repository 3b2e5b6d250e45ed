#pragma once
// The outline of the map view's selection in the 3D view: the selected block's
// border drawn on each border cell's floor.

#include <vector>

#include "document/MapDocument.h"
#include "preview/PreviewMath.h"

namespace tessmoor {

// Pairs of line ends, a hair above the floors so the lines are not hidden in them.
void SelectionOutline(const MapDocument& document, const CellRange& range, std::vector<Vec3>& lines);

}  // namespace tessmoor
