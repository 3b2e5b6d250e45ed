#pragma once
// The arrow keys in the map view. An arrow moves a one-cell selection to the
// neighbouring cell; a larger selection gives way to the cell beside its moving
// corner (x2, y2). With Shift the arrow moves only that corner, so the
// selection grows or shrinks while its anchor stays. The grid's edge holds the
// cell, the view scrolls just far enough to show it, and the properties window
// is bound to it as a click on it would.

#include "view/EditingTools.h"

namespace tessmoor {

struct CellStep {
  int32_t dx = 0;  // -1, 0 or 1
  int32_t dy = 0;
  bool grow = false;  // Shift: only the moving corner goes
};

ToolResponse MoveSelectionByKey(const EditorState& editor, const ViewGeometry& view, CellStep step);

}  // namespace tessmoor
