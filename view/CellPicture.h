#pragma once
// DrawCell without its black background, for cells whose box is known to be
// black already (the grid right after the surface was cleared).

#include "document/MapDocument.h"

// The current layer's thumbnail and the kind's symbol, top-left at (x, y) in clip
// coordinates; black pixels of both let what lies beneath show.
void DrawCellOverlays(int32_t x, int32_t y, const MapCell& cell, const MapDocument& document,
                      const EditorState& editor);
