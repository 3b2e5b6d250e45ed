#pragma once
// The one off-screen RGB555 surface of the program and the primitives that draw
// on it. The surface is unit-level state: there is exactly one.
//
// The clip rectangle is also the drawing origin: DrawLine, DrawRect, FillRect
// and BlitImage take coordinates relative to its top-left corner and never write
// outside it. ClearSurface ignores it.

#include <cstdint>

#include "graphics/HiColorImage.h"

namespace tessmoor {

struct RenderSurface {
  bool created = false;
  int32_t width = 0;  // always even
  int32_t height = 0;
  RGB555* pixels = nullptr;  // width x height, top row first, owned by the WinG bitmap
  void* TargetDC = nullptr;  // where PresentSurface copies to
  int32_t clipLeft = 0, clipTop = 0, clipRight = 0, clipBottom = 0;  // inclusive
  int32_t ClipWidth = 0;                                             // clipRight - clipLeft
  int32_t ClipHeight = 0;                                            // clipBottom - clipTop
};

// Read access for the view, tests and the presenter.
const RenderSurface& Surface();
// The view stores its present target here before every redraw.
void SetSurfaceTarget(void* targetDC);

// Creates the surface (width made even), all black, clip = whole surface.
// Sets geSurface on failure. The caller destroys an existing surface first.
void CreateSurface(uint16_t width, uint16_t height, void* targetDC);
// Releases the surface; harmless when none exists. The clip rectangle keeps its values.
void DestroySurface();
// Copies the surface to TargetDC at (0, 0), stretched by `scale` when it is not 1.
// False and geSurface when the copy fails.
bool PresentSurface(uint16_t scale);

void ClearSurface(RGB555 colour);
// ClearSurface for everything but the rectangle from (left, top) to (right,
// bottom) inclusive, in surface coordinates, which the caller is about to paint
// over in full; an empty or partly outside rectangle leaves nothing out.
void ClearSurfaceAround(RGB555 colour, int32_t left, int32_t top, int32_t right, int32_t bottom);
// Absolute surface coordinates, corners in any order; a rectangle smaller than
// 2 x 2 or one that leaves the surface sets geClip and keeps the old one.
void SetClipRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// Bresenham with both end points drawn (ties: x-major steps above 0, y-major at 0).
void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, RGB555 colour);
void DrawRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, RGB555 colour);
void FillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, RGB555 colour);
// Copies `image` with its top-left at (x, y); black source pixels are skipped.
void BlitImage(int32_t x, int32_t y, const HiColorImage& image);
// BlitImage for a part of the surface known to be black: the same pixels, but
// copied row by row without looking at them, which on a large view is half the
// memory traffic.
void BlitImageOverBlack(int32_t x, int32_t y, const HiColorImage& image);

}  // namespace tessmoor
