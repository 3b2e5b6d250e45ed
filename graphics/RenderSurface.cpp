#include "graphics/RenderSurface.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "graphics/GraphicsError.h"
#include "graphics/WinG.h"

namespace tessmoor {

namespace {

RenderSurface surface;
WinGDC surfaceDC = nullptr;
WinGBitmap surfaceBitmap = nullptr;
WinGBitmap previousBitmap = nullptr;
WinGBitmapInfo bitmapInfo;

// Releases a surface that still exists when the program ends. Constructed after
// the WinG unit's own state, so it runs while WinG is still there.
struct SurfaceReleaser {
  ~SurfaceReleaser() { DestroySurface(); }
};

}  // namespace

const RenderSurface& Surface() { return surface; }

void SetSurfaceTarget(void* targetDC) { surface.TargetDC = targetDC; }

void CreateSurface(uint16_t width, uint16_t height, void* targetDC) {
  // A surface that is still there would otherwise leak its WinG objects.
  DestroySurface();
  const int32_t evenWidth = width & ~1;
  // Below 2 x 2 no clip rectangle fits, and primitives would run with the stale
  // rectangle of an earlier, larger surface.
  if (evenWidth < 2 || height < 2) {
    SetGraphicsError(GraphicsErrorCode::geSurface);
    return;
  }
  bitmapInfo = WinGBitmapInfo{};
  WinGRecommendDIBFormat(&bitmapInfo);
  bitmapInfo.header.compression = 0;
  bitmapInfo.header.bitCount = 16;
  bitmapInfo.header.width = evenWidth;
  bitmapInfo.header.height = -int32_t{height};

  WinGDC dc = WinGCreateDC();
  if (!dc) {
    SetGraphicsError(GraphicsErrorCode::geSurface);
    return;
  }
  static SurfaceReleaser releaser;
  void* bits = nullptr;
  WinGBitmap bitmap = WinGCreateBitmap(dc, &bitmapInfo, &bits);
  if (!bitmap) {
    WinGDeleteDC(dc);
    SetGraphicsError(GraphicsErrorCode::geSurface);
    return;
  }
  surfaceDC = dc;
  surfaceBitmap = bitmap;
  previousBitmap = WinGSelectBitmap(dc, bitmap);
  surface.pixels = static_cast<RGB555*>(bits);
  std::memset(surface.pixels, 0, static_cast<size_t>(evenWidth) * height * sizeof(RGB555));
  surface.TargetDC = targetDC;
  surface.width = evenWidth;
  surface.height = height;
  surface.created = true;
  SetClipRect(0, 0, evenWidth - 1, height - 1);
}

void DestroySurface() {
  if (!surface.created) return;
  WinGSelectBitmap(surfaceDC, previousBitmap);
  WinGDeleteBitmap(surfaceBitmap);
  WinGDeleteDC(surfaceDC);
  surfaceDC = nullptr;
  surfaceBitmap = nullptr;
  previousBitmap = nullptr;
  surface.created = false;
  surface.width = 0;
  surface.height = 0;
  surface.pixels = nullptr;
  surface.TargetDC = nullptr;
}

bool PresentSurface(uint16_t scale) {
  int copied = 0;
  if (surface.created && scale == 1) {
    copied = WinGBitBlt(surface.TargetDC, 0, 0, surface.width, surface.height, surfaceDC, 0, 0);
  } else if (surface.created) {
    const int64_t destWidth = int64_t{scale} * surface.width, destHeight = int64_t{scale} * surface.height;
    // A stretch beyond 32-bit sizes cannot be described to the presenter.
    if (destWidth <= std::numeric_limits<int32_t>::max() && destHeight <= std::numeric_limits<int32_t>::max())
      copied = WinGStretchBlt(surface.TargetDC, 0, 0, static_cast<int32_t>(destWidth), static_cast<int32_t>(destHeight),
                              surfaceDC, 0, 0, surface.width, surface.height);
  }
  if (!copied) SetGraphicsError(GraphicsErrorCode::geSurface);
  return copied != 0;
}

void SetClipRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  const bool tooSmall = int64_t{x2} - x1 < 1 || int64_t{y2} - y1 < 1;
  const bool outside = x1 < 0 || x2 > surface.width - 1 || y1 < 0 || y2 > surface.height - 1;
  if (tooSmall || outside) {
    SetGraphicsError(GraphicsErrorCode::geClip);
    return;
  }
  surface.clipLeft = x1;
  surface.clipTop = y1;
  surface.clipRight = x2;
  surface.clipBottom = y2;
  surface.ClipWidth = x2 - x1;
  surface.ClipHeight = y2 - y1;
}

}  // namespace tessmoor
