#pragma once
// Bringing a cell into the map view from elsewhere (a finding of the map check)
// or from the cell beside it (the arrow keys).

#include "document/MapDocument.h"
#include "view/MapView.h"

namespace tessmoor {

// The view origin at which `cell` is drawn whole: the current one when it
// already is, otherwise one that puts the cell in the middle of the map area,
// as far as the grid's end allows.
GridPoint OriginShowing(const EditorState& editor, const ViewGeometry& view, GridPoint cell);

// The view origin at which `cell` is drawn whole, moved as little as it takes:
// stepping from cell to cell with the keys scrolls the view by one cell, not by half of it.
GridPoint OriginFollowing(const EditorState& editor, const ViewGeometry& view, GridPoint cell);

}  // namespace tessmoor
