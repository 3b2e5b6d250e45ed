#pragma once
// What the map view can draw over the current layer besides the map itself: the
// heights, the start position, and the heights a dialog is about to write.

#include <array>
#include <cstdint>
#include <memory>

#include "document/MapDocument.h"

namespace tessmoor {

// Which heights the overlay shows: the floor's (one per cell) or the ceiling's
// (one per corner). Water cells show their water level with either.
enum class HeightSurface { Floor, Ceiling };

// The cells of `range` as a dialog would leave them, column by column (cell
// (x, y) at (x - x1) * height + (y - y1)), shown in place of the map's while it
// is open. The owner counts `revision` up on every change of the cells.
struct HeightPreview {
  CellRange range{0, 0, -1, -1};
  HeightSurface surface = HeightSurface::Ceiling;
  std::shared_ptr<const MapCell[]> cells;
  uint64_t revision = 0;
  bool Active() const { return cells != nullptr; }
};

struct PlanOverlays {
  bool heights = false;
  bool startPosition = false;
  HeightPreview preview;
};

// The surface whose heights the overlay shows on `layer`: the ceiling on the two
// ceiling layers, the floor on the others. A preview shows its own surface.
HeightSurface HeightSurfaceFor(SurfaceKind layer, const PlanOverlays& overlays);
// Whether any heights are drawn at all.
bool ShowsHeights(const PlanOverlays& overlays);

// The lowest and the highest height the overlay colours by (finite values only;
// min > max when there are none).
struct HeightSpan {
  float min = 0, max = -1;
  bool operator==(const HeightSpan&) const = default;
};
HeightSpan HeightSpanOf(const MapDocument& document, HeightSurface surface, const HeightPreview& preview);

// The colour ramp from the lowest height (blue) over cyan, green and yellow to
// the highest (red), in 256 steps; the middle colour when the range is a single
// height.
RGB555 HeightColour(float height, const HeightSpan& range);

// HeightColour for many heights of one range: the 256 colours worked out once.
class HeightColours {
 public:
  explicit HeightColours(const HeightSpan& range);
  RGB555 operator()(float height) const;

 private:
  HeightSpan range_;
  float stepsPerUnit_ = 0;
  std::array<RGB555, 256> colours_{};
};

// Whether the numbers fit in a cell at the zoom level; below that, colours
// from the ramp take their place.
bool HeightNumbersFitAt(int32_t zoomLevel);

}  // namespace tessmoor
