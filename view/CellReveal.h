#pragma once
// Bringing a cell into the map view from elsewhere (a finding of the map check).

#include "document/MapDocument.h"
#include "view/MapView.h"

namespace tessmoor {

// The view origin at which `cell` is drawn whole: the current one when it
// already is, otherwise one that puts the cell in the middle of the map area,
// as far as the grid's end allows.
GridPoint OriginShowing(const EditorState& editor, const ViewGeometry& view, GridPoint cell);

}  // namespace tessmoor
