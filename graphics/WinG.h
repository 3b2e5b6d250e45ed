#pragma once
// The WinG interface over plain memory. A WinG bitmap is a top-down RGB555 pixel
// buffer owned by this unit; a blit does not copy pixels anywhere itself but
// hands them to the presenter that the user interface installs, which shows
// them in its window. Without a presenter a blit succeeds and shows nothing,
// which is what tests and benchmarks want.

#include <cstdint>
#include <functional>

#include "graphics/HiColorImage.h"

namespace tessmoor {

// The 40-byte bitmap header followed by one colour entry: the bitmap
// description that WinG fills in and WinGCreateBitmap reads.
struct WinGBitmapInfoHeader {
  uint32_t size = 0;
  int32_t width = 0;
  int32_t height = 0;  // negative: top-down, the first row in memory is the top row
  uint16_t planes = 0;
  uint16_t bitCount = 0;
  uint32_t compression = 0;  // 0: uncompressed
  uint32_t sizeImage = 0;
  int32_t xPelsPerMeter = 0;
  int32_t yPelsPerMeter = 0;
  uint32_t clrUsed = 0;
  uint32_t clrImportant = 0;
};
struct WinGBitmapInfo {
  WinGBitmapInfoHeader header;
  uint32_t colours[1] = {0};
};
static_assert(sizeof(WinGBitmapInfoHeader) == 40);
static_assert(sizeof(WinGBitmapInfo) == 44);

// Opaque handles. A context holds at most one selected bitmap.
struct WinGContextObject;
struct WinGBitmapObject;
using WinGDC = WinGContextObject*;
using WinGBitmap = WinGBitmapObject*;

// Fills in the preferred format: top-down, 16 bits, uncompressed. Returns true.
bool WinGRecommendDIBFormat(WinGBitmapInfo* info);
// A new memory context with no bitmap selected; nullptr on failure.
WinGDC WinGCreateDC();
// A zero-filled bitmap as described by `info` (16 bits, uncompressed, top-down,
// positive area); `*bits` receives its pixels. nullptr for anything else.
WinGBitmap WinGCreateBitmap(WinGDC dc, const WinGBitmapInfo* info, void** bits);
// Copies width x height pixels of the bitmap selected into `source`, from
// (sourceX, sourceY), to `target` at (x, y). Non-zero on success.
int WinGBitBlt(void* target, int32_t x, int32_t y, int32_t width, int32_t height, WinGDC source, int32_t sourceX,
               int32_t sourceY);
// As WinGBitBlt, stretching the source block to the destination size.
int WinGStretchBlt(void* target, int32_t x, int32_t y, int32_t width, int32_t height, WinGDC source, int32_t sourceX,
                   int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight);

// The graphics-device counterparts the surface uses with WinG objects.
// Selects `bitmap` (nullptr: none) into `dc` and returns the one it replaces.
WinGBitmap WinGSelectBitmap(WinGDC dc, WinGBitmap bitmap);
// Deletes a bitmap that is not selected into any context. False otherwise.
bool WinGDeleteBitmap(WinGBitmap bitmap);
// Deletes a context; the bitmap selected into it stays alive. False for an unknown context.
bool WinGDeleteDC(WinGDC dc);

// What a blit asks the user interface to show: `width` x `height` source pixels
// starting at `pixels`, rows `rowPixels` apart, drawn at (destX, destY) in
// `targetDC` at destWidth x destHeight (larger than the source when stretched).
struct WinGPresentRequest {
  void* targetDC = nullptr;
  const RGB555* pixels = nullptr;
  int32_t width = 0, height = 0;
  int32_t destWidth = 0, destHeight = 0;
  int32_t destX = 0, destY = 0;
  int32_t rowPixels = 0;
};
// Returns false when the picture could not be shown; the blit then fails.
using WinGPresenter = std::function<bool(const WinGPresentRequest&)>;
// Installs the presenter (an empty function removes it).
void SetWinGPresenter(WinGPresenter presenter);

// Lets tests make the next and all later calls of one creation function fail.
enum class WinGFailure { None, CreateDC, CreateBitmap };
void SetWinGFailureForTesting(WinGFailure failure);
// Number of contexts and bitmaps alive, so tests can see that nothing leaks.
int32_t WinGLiveObjectCount();

}  // namespace tessmoor
