#include "graphics/WinG.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

namespace tessmoor {

struct WinGBitmapObject {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<RGB555> pixels;
  WinGContextObject* selectedInto = nullptr;
};

struct WinGContextObject {
  WinGBitmapObject* selected = nullptr;
};

namespace {

// Every object lives here, so a handle is checked before it is used and
// whatever a caller forgets to delete is still released at exit.
struct WinGState {
  std::vector<std::unique_ptr<WinGContextObject>> contexts;
  std::vector<std::unique_ptr<WinGBitmapObject>> bitmaps;
  WinGPresenter presenter;
  WinGFailure failure = WinGFailure::None;
};

WinGState& State() {
  static WinGState state;
  return state;
}

template <typename T>
auto FindObject(std::vector<std::unique_ptr<T>>& objects, const T* object) {
  return std::find_if(objects.begin(), objects.end(), [object](const auto& owned) { return owned.get() == object; });
}

bool IsContext(WinGDC dc) {
  auto& contexts = State().contexts;
  return dc && FindObject(contexts, dc) != contexts.end();
}

bool IsBitmap(WinGBitmap bitmap) {
  auto& bitmaps = State().bitmaps;
  return bitmap && FindObject(bitmaps, bitmap) != bitmaps.end();
}

bool IsSupportedFormat(const WinGBitmapInfoHeader& header) {
  // Only what the surface needs: top-down 16-bit RGB555 of a size an image may have.
  return header.bitCount == 16 && header.compression == 0 && header.width > 0 && header.height < 0 &&
         header.height != std::numeric_limits<int32_t>::min() && IsImageSizeAllowed(header.width, -header.height);
}

// The block must lie inside the bitmap selected into `source`.
const WinGBitmapObject* SourceBitmap(WinGDC source, int32_t x, int32_t y, int32_t width, int32_t height) {
  if (!IsContext(source) || !source->selected) return nullptr;
  const WinGBitmapObject* bitmap = source->selected;
  const bool inside = x >= 0 && y >= 0 && width >= 0 && height >= 0 && int64_t{x} + width <= bitmap->width &&
                      int64_t{y} + height <= bitmap->height;
  return inside ? bitmap : nullptr;
}

int Present(const WinGPresentRequest& request) {
  const WinGPresenter& presenter = State().presenter;
  if (!presenter) return 1;
  return presenter(request) ? 1 : 0;
}

WinGPresentRequest MakeRequest(void* target, int32_t x, int32_t y, int32_t width, int32_t height,
                               const WinGBitmapObject& bitmap, int32_t sourceX, int32_t sourceY, int32_t sourceWidth,
                               int32_t sourceHeight) {
  WinGPresentRequest request;
  request.targetDC = target;
  request.pixels = bitmap.pixels.data() + static_cast<size_t>(sourceY) * static_cast<size_t>(bitmap.width) +
                   static_cast<size_t>(sourceX);
  request.width = sourceWidth;
  request.height = sourceHeight;
  request.destWidth = width;
  request.destHeight = height;
  request.destX = x;
  request.destY = y;
  request.rowPixels = bitmap.width;
  return request;
}

}  // namespace

bool WinGRecommendDIBFormat(WinGBitmapInfo* info) {
  if (!info) return false;
  *info = WinGBitmapInfo{};
  info->header.size = sizeof(WinGBitmapInfoHeader);
  info->header.width = 1;
  info->header.height = -1;
  info->header.planes = 1;
  info->header.bitCount = 16;
  return true;
}

WinGDC WinGCreateDC() {
  WinGState& state = State();
  if (state.failure == WinGFailure::CreateDC) return nullptr;
  state.contexts.push_back(std::make_unique<WinGContextObject>());
  return state.contexts.back().get();
}

WinGBitmap WinGCreateBitmap(WinGDC dc, const WinGBitmapInfo* info, void** bits) {
  if (bits) *bits = nullptr;
  WinGState& state = State();
  if (state.failure == WinGFailure::CreateBitmap || !IsContext(dc) || !info || !bits ||
      !IsSupportedFormat(info->header))
    return nullptr;
  auto bitmap = std::make_unique<WinGBitmapObject>();
  bitmap->width = info->header.width;
  bitmap->height = -info->header.height;
  bitmap->pixels.assign(static_cast<size_t>(bitmap->width) * static_cast<size_t>(bitmap->height), 0);
  *bits = bitmap->pixels.data();
  state.bitmaps.push_back(std::move(bitmap));
  return state.bitmaps.back().get();
}

int WinGBitBlt(void* target, int32_t x, int32_t y, int32_t width, int32_t height, WinGDC source, int32_t sourceX,
               int32_t sourceY) {
  const WinGBitmapObject* bitmap = SourceBitmap(source, sourceX, sourceY, width, height);
  if (!bitmap) return 0;
  return Present(MakeRequest(target, x, y, width, height, *bitmap, sourceX, sourceY, width, height));
}

int WinGStretchBlt(void* target, int32_t x, int32_t y, int32_t width, int32_t height, WinGDC source, int32_t sourceX,
                   int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight) {
  const WinGBitmapObject* bitmap = SourceBitmap(source, sourceX, sourceY, sourceWidth, sourceHeight);
  if (!bitmap || width < 0 || height < 0) return 0;
  return Present(MakeRequest(target, x, y, width, height, *bitmap, sourceX, sourceY, sourceWidth, sourceHeight));
}

WinGBitmap WinGSelectBitmap(WinGDC dc, WinGBitmap bitmap) {
  if (!IsContext(dc) || (bitmap && !IsBitmap(bitmap))) return nullptr;
  if (bitmap && bitmap->selectedInto && bitmap->selectedInto != dc) return nullptr;
  WinGBitmap previous = dc->selected;
  if (previous) previous->selectedInto = nullptr;
  dc->selected = bitmap;
  if (bitmap) bitmap->selectedInto = dc;
  return previous;
}

bool WinGDeleteBitmap(WinGBitmap bitmap) {
  auto& bitmaps = State().bitmaps;
  auto found = FindObject(bitmaps, bitmap);
  // A selected bitmap is still in use by its context.
  if (!bitmap || found == bitmaps.end() || bitmap->selectedInto) return false;
  bitmaps.erase(found);
  return true;
}

bool WinGDeleteDC(WinGDC dc) {
  auto& contexts = State().contexts;
  auto found = FindObject(contexts, dc);
  if (!dc || found == contexts.end()) return false;
  if (dc->selected) dc->selected->selectedInto = nullptr;
  contexts.erase(found);
  return true;
}

void SetWinGPresenter(WinGPresenter presenter) { State().presenter = std::move(presenter); }

void SetWinGFailureForTesting(WinGFailure failure) { State().failure = failure; }

int32_t WinGLiveObjectCount() {
  const WinGState& state = State();
  return static_cast<int32_t>(state.contexts.size() + state.bitmaps.size());
}

}  // namespace tessmoor
