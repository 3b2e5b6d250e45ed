#include "view/PlanOverlays.h"

#include <algorithm>
#include <cmath>

#include "view/ViewColours.h"
#include "view/Zoom.h"

namespace tessmoor {

namespace {

struct RampStop {
  float red, green, blue;  // 0..31
};
constexpr RampStop Ramp[] = {{0, 0, 31}, {0, 31, 31}, {0, 31, 0}, {31, 31, 0}, {31, 0, 0}};
constexpr int RampSegments = static_cast<int>(std::size(Ramp)) - 1;

RGB555 Pack(float red, float green, float blue) {
  const auto channel = [](float value) { return static_cast<RGB555>(std::clamp(std::lround(value), 0L, 31L)); };
  return static_cast<RGB555>(channel(red) << 10 | channel(green) << 5 | channel(blue));
}

bool IsWater(const MapCell& cell) { return cell.type == static_cast<uint8_t>(CellType::WaterBasin); }

void Widen(HeightSpan& range, float height) {
  if (!std::isfinite(height)) return;
  if (range.min > range.max) {
    range.min = range.max = height;
    return;
  }
  range.min = std::min(range.min, height);
  range.max = std::max(range.max, height);
}

}  // namespace

HeightSurface HeightSurfaceFor(SurfaceKind layer, const PlanOverlays& overlays) {
  if (overlays.preview.Active()) return overlays.preview.surface;
  const bool ceiling = layer == SurfaceKind::Ceiling || layer == SurfaceKind::PedestalCeiling;
  return ceiling ? HeightSurface::Ceiling : HeightSurface::Floor;
}

bool ShowsHeights(const PlanOverlays& overlays) { return overlays.heights || overlays.preview.Active(); }

HeightSpan HeightSpanOf(const MapDocument& document, HeightSurface surface, const HeightPreview& preview) {
  HeightSpan range;
  const int32_t previewHeight = preview.range.y2 - preview.range.y1 + 1;
  for (int32_t x = 0; x < GridSize; ++x) {
    for (int32_t y = 0; y < GridSize; ++y) {
      const MapCell& cell =
          preview.Active() && Contains(preview.range, {x, y})
              ? preview.cells[static_cast<size_t>((x - preview.range.x1) * previewHeight + (y - preview.range.y1))]
              : document.Cell(x, y);
      if (surface == HeightSurface::Floor) {
        Widen(range, cell.floorHeight);
      } else {
        for (const float corner : cell.ceilingHeight) Widen(range, corner);
      }
      if (IsWater(cell)) Widen(range, cell.waterLevel);
    }
  }
  return range;
}

// Step 0 is the lowest height, step 255 the highest.
RGB555 StepColour(int step) {
  const float position = static_cast<float>(step) / 255.0f * static_cast<float>(RampSegments);
  const int segment = std::min(static_cast<int>(position), RampSegments - 1);
  const float f = position - static_cast<float>(segment);
  const RampStop& a = Ramp[segment];
  const RampStop& b = Ramp[segment + 1];
  return Pack(a.red + (b.red - a.red) * f, a.green + (b.green - a.green) * f, a.blue + (b.blue - a.blue) * f);
}

int Step(float height, const HeightSpan& range, float stepsPerUnit) {
  if (!(range.max > range.min) || !std::isfinite(height)) return 128;
  return static_cast<int>(std::lround(std::clamp((height - range.min) * stepsPerUnit, 0.0f, 255.0f)));
}

float StepsPerUnit(const HeightSpan& range) { return range.max > range.min ? 255.0f / (range.max - range.min) : 0.0f; }

RGB555 HeightColour(float height, const HeightSpan& range) {
  return StepColour(Step(height, range, StepsPerUnit(range)));
}

HeightColours::HeightColours(const HeightSpan& range) : range_(range), stepsPerUnit_(StepsPerUnit(range)) {
  for (int step = 0; step < 256; ++step) colours_[static_cast<size_t>(step)] = StepColour(step);
}

RGB555 HeightColours::operator()(float height) const {
  return colours_[static_cast<size_t>(Step(height, range_, stepsPerUnit_))];
}

bool HeightNumbersFitAt(int32_t zoomLevel) { return CellPictureSizeAt(zoomLevel) >= CellPictureSize; }

}  // namespace tessmoor
