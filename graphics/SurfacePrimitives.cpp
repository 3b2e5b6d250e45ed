#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "graphics/PixelFill.h"
#include "graphics/RenderSurface.h"

namespace tessmoor {

// The primitives write straight into the surface's pixels: one clip test per
// call where the shape allows it, whole spans and rows after that.

namespace {

RGB555* PixelAt(const RenderSurface& surface, int64_t x, int64_t y) { return surface.pixels + y * surface.width + x; }

bool IsInsideClip(const RenderSurface& surface, int64_t x, int64_t y) {
  return x >= surface.clipLeft && x <= surface.clipRight && y >= surface.clipTop && y <= surface.clipBottom;
}

// Writes the non-black pixels of `source` over `dest`. Eight pixels at a time are
// merged with a mask rather than a branch per pixel: thumbnails are full of both.
void CopyOpaquePixels(RGB555* dest, const RGB555* source, size_t count) {
  typedef uint16_t PixelVector __attribute__((vector_size(16)));
  size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    PixelVector from, to;
    std::memcpy(&from, source + i, sizeof from);
    std::memcpy(&to, dest + i, sizeof to);
    const PixelVector transparent = reinterpret_cast<PixelVector>(from == 0);
    to = (to & transparent) | (from & ~transparent);
    std::memcpy(dest + i, &to, sizeof to);
  }
  for (; i < count; ++i) {
    if (source[i] != 0) dest[i] = source[i];
  }
}

void PlotIfInside(const RenderSurface& surface, int64_t x, int64_t y, int64_t offset, RGB555 colour) {
  if (IsInsideClip(surface, x, y)) surface.pixels[offset] = colour;
}

void DrawHorizontalSpan(const RenderSurface& surface, int64_t x1, int64_t x2, int64_t y, RGB555 colour) {
  if (y < surface.clipTop || y > surface.clipBottom) return;
  x1 = std::max<int64_t>(x1, surface.clipLeft);
  x2 = std::min<int64_t>(x2, surface.clipRight);
  if (x1 <= x2) FillPixels(PixelAt(surface, x1, y), static_cast<size_t>(x2 - x1 + 1), colour);
}

void DrawVerticalSpan(const RenderSurface& surface, int64_t x, int64_t y1, int64_t y2, RGB555 colour) {
  if (x < surface.clipLeft || x > surface.clipRight) return;
  y1 = std::max<int64_t>(y1, surface.clipTop);
  y2 = std::min<int64_t>(y2, surface.clipBottom);
  if (y1 > y2) return;
  // Offsets rather than a pointer: stepping a pointer past the last row is not allowed.
  const size_t last = static_cast<size_t>(y2 * surface.width + x);
  for (size_t offset = static_cast<size_t>(y1 * surface.width + x); offset <= last; offset += surface.width)
    surface.pixels[offset] = colour;
}

}  // namespace

void ClearSurface(RGB555 colour) {
  const RenderSurface& surface = Surface();
  if (!surface.created) return;
  FillPixels(surface.pixels, static_cast<size_t>(surface.width) * static_cast<size_t>(surface.height), colour);
}

void ClearSurfaceAround(RGB555 colour, int32_t left, int32_t top, int32_t right, int32_t bottom) {
  const RenderSurface& surface = Surface();
  if (!surface.created) return;
  if (left > right || top > bottom || left < 0 || top < 0 || right >= surface.width || bottom >= surface.height) {
    ClearSurface(colour);
    return;
  }
  const size_t width = static_cast<size_t>(surface.width);
  // The rows above, then each row's parts left and right of the rectangle (the
  // right part of one row and the left part of the next are one run), then below.
  FillPixels(surface.pixels, width * static_cast<size_t>(top) + static_cast<size_t>(left), colour);
  for (int64_t y = top; y <= bottom; ++y) {
    RGB555* after = PixelAt(surface, right + 1, y);
    const size_t gap = width - static_cast<size_t>(right - left + 1);
    FillPixels(after, y < bottom ? gap : width - static_cast<size_t>(right + 1), colour);
  }
  FillPixels(PixelAt(surface, 0, bottom + 1), width * static_cast<size_t>(surface.height - 1 - bottom), colour);
}

void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, RGB555 colour) {
  const RenderSurface& surface = Surface();
  if (!surface.created) return;
  // 64-bit positions: callers' coordinates plus the clip origin must not wrap.
  int64_t ax1 = int64_t{x1} + surface.clipLeft, ay1 = int64_t{y1} + surface.clipTop;
  int64_t ax2 = int64_t{x2} + surface.clipLeft, ay2 = int64_t{y2} + surface.clipTop;
  if (ax1 > ax2) {
    std::swap(ax1, ax2);
    std::swap(ay1, ay2);
  }
  // One extra column: a line whose end points coincide also sets the point to its right.
  if (ax2 + 1 < surface.clipLeft || ax1 > surface.clipRight || std::max(ay1, ay2) < surface.clipTop ||
      std::min(ay1, ay2) > surface.clipBottom)
    return;

  // Grid lines and frames are all horizontal or vertical: those are filled as
  // spans, which sets exactly the pixels the stepping below would.
  if (ay1 == ay2) {
    DrawHorizontalSpan(surface, ax1, ax1 == ax2 ? ax1 + 1 : ax2, ay1, colour);
    return;
  }
  if (ax1 == ax2) {
    DrawVerticalSpan(surface, ax1, std::min(ay1, ay2), std::max(ay1, ay2), colour);
    return;
  }

  const int64_t dx = ax2 - ax1, dy = std::abs(ay2 - ay1);
  const int64_t yStep = ay1 > ay2 ? -1 : 1;
  const int64_t rowStep = yStep * surface.width;
  const int64_t yLimit = yStep > 0 ? surface.clipBottom : surface.clipTop;
  int64_t x = ax1, y = ay1;
  // Walk a pixel offset along with the position; it is used only where the
  // position lies inside the clip rectangle, hence inside the surface.
  int64_t offset = y * surface.width + x;
  if (dx >= dy) {
    const int64_t n = dx == 0 ? 1 : dx;
    int64_t e = -dx;
    for (int64_t i = 0; i <= n && x <= surface.clipRight && (y - yLimit) * yStep <= 0; ++i) {
      PlotIfInside(surface, x, y, offset, colour);
      e += 2 * dy;
      if (e > 0) {
        y += yStep;
        offset += rowStep;
        e -= 2 * dx;
      }
      ++x;
      ++offset;
    }
  } else {
    int64_t e = -dy;
    for (int64_t i = 0; i <= dy && x <= surface.clipRight && (y - yLimit) * yStep <= 0; ++i) {
      PlotIfInside(surface, x, y, offset, colour);
      e += 2 * dx;
      if (e >= 0) {
        ++x;
        ++offset;
        e -= 2 * dy;
      }
      y += yStep;
      offset += rowStep;
    }
  }
}

void DrawRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, RGB555 colour) {
  DrawLine(x1, y1, x2, y1, colour);
  DrawLine(x1, y1, x1, y2, colour);
  DrawLine(x1, y2, x2, y2, colour);
  DrawLine(x2, y1, x2, y2, colour);
}

void FillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, RGB555 colour) {
  const RenderSurface& surface = Surface();
  if (!surface.created) return;
  int64_t ax1 = int64_t{x1} + surface.clipLeft, ay1 = int64_t{y1} + surface.clipTop;
  int64_t ax2 = int64_t{x2} + surface.clipLeft, ay2 = int64_t{y2} + surface.clipTop;
  if (ax1 > ax2) std::swap(ax1, ax2);
  if (ay1 > ay2) std::swap(ay1, ay2);
  if (ax1 > surface.clipRight || ax2 < surface.clipLeft || ay1 > surface.clipBottom || ay2 < surface.clipTop) return;
  ax1 = std::max<int64_t>(ax1, surface.clipLeft);
  ax2 = std::min<int64_t>(ax2, surface.clipRight);
  ay1 = std::max<int64_t>(ay1, surface.clipTop);
  ay2 = std::min<int64_t>(ay2, surface.clipBottom);
  const size_t count = static_cast<size_t>(ax2 - ax1 + 1);
  for (int64_t y = ay1; y <= ay2; ++y) FillPixels(PixelAt(surface, ax1, y), count, colour);
}

namespace {

// The clipped copy shared by both blits; `copyRow` writes one row of pixels.
template <typename CopyRow>
void ClippedBlit(int32_t x, int32_t y, const HiColorImage& image, CopyRow copyRow) {
  const RenderSurface& surface = Surface();
  if (!surface.created || image.IsEmpty() || image.width <= 0 || image.height <= 0) return;
  const int64_t left = surface.clipLeft, top = surface.clipTop;
  const int64_t right = surface.clipRight, bottom = surface.clipBottom;
  const int64_t ax = int64_t{x} + left, ay = int64_t{y} + top;
  const int64_t w = image.width, h = image.height;
  // An image starting exactly on the right or bottom clip edge is left out as a whole.
  if (ax >= right || ax + w <= left || ay >= bottom || ay + h <= top) return;

  const int64_t cutLeft = ax < left ? left - ax : 0;
  const int64_t cutTop = ay < top ? top - ay : 0;
  const int64_t cutRight = ax + w > right ? ax + w - right - 1 : 0;
  const int64_t cutBottom = ay + h > bottom ? ay + h - bottom - 1 : 0;
  const size_t columns = static_cast<size_t>(w - cutLeft - cutRight);
  const int64_t rows = h - cutTop - cutBottom;

  const int64_t destX = std::max(ax, left), destY = std::max(ay, top);
  for (int64_t row = 0; row < rows; ++row) {
    copyRow(PixelAt(surface, destX, destY + row), image.pixels.get() + (cutTop + row) * w + cutLeft, columns);
  }
}

}  // namespace

void BlitImage(int32_t x, int32_t y, const HiColorImage& image) { ClippedBlit(x, y, image, CopyOpaquePixels); }

void BlitImageOverBlack(int32_t x, int32_t y, const HiColorImage& image) {
  // Over black a skipped pixel and a copied one are the same: both stay black.
  ClippedBlit(x, y, image, [](RGB555* dest, const RGB555* source, size_t count) {
    // A whole thumbnail row is the common case; its fixed size lets the copy inline.
    if (count == 64) {
      std::memcpy(dest, source, 64 * sizeof(RGB555));
    } else {
      std::memcpy(dest, source, count * sizeof(RGB555));
    }
  });
}

}  // namespace tessmoor
