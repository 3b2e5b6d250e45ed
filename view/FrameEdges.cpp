#include "graphics/RenderSurface.h"
#include "view/MapView.h"
#include "view/ViewColours.h"

namespace tessmoor {

// A sunken frame: light falls from the top left, so the top and left edges are
// dark outside and black inside, the bottom and right ones white outside and
// light grey inside. The outer line always goes first.

void DrawTopEdge(int32_t x1, int32_t x2, int32_t y) {
  DrawLine(x1, y, x2, y, ColourDarkGrey);
  DrawLine(x1 + 1, y + 1, x2 - 1, y + 1, ColourBlack);
}

void DrawBottomEdge(int32_t x1, int32_t x2, int32_t y) {
  DrawLine(x1 + 1, y, x2 - 1, y, ColourLightGrey);
  DrawLine(x1, y + 1, x2, y + 1, ColourWhite);
}

void DrawLeftEdge(int32_t x, int32_t y1, int32_t y2) {
  DrawLine(x, y1, x, y2, ColourDarkGrey);
  DrawLine(x + 1, y1 + 1, x + 1, y2 - 1, ColourBlack);
}

void DrawRightEdge(int32_t x, int32_t y1, int32_t y2) {
  DrawLine(x + 1, y1, x + 1, y2, ColourWhite);
  DrawLine(x, y1 + 1, x, y2 - 1, ColourLightGrey);
}

}  // namespace tessmoor
