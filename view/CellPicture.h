#pragma once
// DrawCell without its black background, for cells whose box is known to be
// black already (the grid right after the surface was cleared).

#include <array>

#include "document/MapDocument.h"
#include "view/ScaledPictures.h"

namespace tessmoor {

// The cell-kind symbols as the grid draws them, by kind. A symbol black all over
// (the one for cells of no kind) is left out: blitting it changes no pixel, and in
// a large view of mostly empty cells it costs as much as all the pictures.
struct GridSymbols {
  std::array<const HiColorImage*, CellTypeCount> byKind{};
};
GridSymbols SymbolsToDraw(const EditorState& editor);

// The current layer's thumbnail and the kind's symbol, top-left at (x, y) in clip
// coordinates; black pixels of both let what lies beneath show.
void DrawCellOverlays(int32_t x, int32_t y, const MapCell& cell, const MapDocument& document,
                      const EditorState& editor, const GridSymbols& symbols);

// DrawCell for a box at the default zoom whose pixels may be anything: each of
// its pixels is written once (the thumbnail copied, the rest black), then the
// symbol goes over it. The same picture as DrawCell's in about half the memory
// traffic. The box must lie inside the clip rectangle.
void DrawCellBox(int32_t x, int32_t y, const MapCell& cell, const MapDocument& document, const EditorState& editor,
                 const GridSymbols& symbols);
// Whether DrawCellBox copies a thumbnail for the cell rather than filling it black.
bool HasCopiedThumbnail(const MapCell& cell, const MapDocument& document, const EditorState& editor);

// A grid cell at a zoom level other than the default, its pictures taken from
// `pictures`: the black box unless `boxIsBlack`, the thumbnail, the symbol.
// Without a prepared level only the box is drawn.
void DrawZoomedCell(int32_t x, int32_t y, const MapCell& cell, const MapDocument& document, const EditorState& editor,
                    int32_t zoomLevel, const ScaledPictureCache* pictures, bool boxIsBlack);

}  // namespace tessmoor
