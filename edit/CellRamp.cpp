// Ramps and smoothing: both build the new block of the range once and hand it
// to one CellBlockCommand, so the step costs one copy of the range.

#include "edit/CellRamp.h"

#include <algorithm>
#include <array>

#include "edit/CellCommands.h"

namespace tessmoor {

namespace {

int Width(CellRange range) { return range.x2 - range.x1 + 1; }
int Height(CellRange range) { return range.y2 - range.y1 + 1; }

bool AlongColumns(RampDirection direction) {
  return direction == RampDirection::Right || direction == RampDirection::Left;
}

int RampLength(CellRange range, RampDirection direction) {
  return AlongColumns(direction) ? Width(range) : Height(range);
}

// The ramp's line number of grid corner (gx, gy), 0 at the start edge.
int LineOf(CellRange range, RampDirection direction, int gx, int gy) {
  switch (direction) {
    case RampDirection::Right:
      return gx - range.x1;
    case RampDirection::Left:
      return range.x2 + 1 - gx;
    case RampDirection::Down:
      return gy - range.y1;
    case RampDirection::Up:
      return range.y2 + 1 - gy;
  }
  return 0;
}

// Corner c of a cell lies at grid point (x + dx[c], y + dy[c]).
constexpr std::array<int, 4> CornerDx{0, 1, 1, 0};
constexpr std::array<int, 4> CornerDy{0, 0, 1, 1};

float CentreHeight(const RampSettings& ramp, int cell, int cells) {
  const double start = ramp.start, rise = static_cast<double>(ramp.end) - start;
  return static_cast<float>(start + rise * (2.0 * cell + 1.0) / (2.0 * cells));
}

void RampCell(MapCell& cell, CellRange range, const RampSettings& ramp, int x, int y) {
  const int cells = RampLength(range, ramp.direction);
  if (ramp.surface == RampSurface::Floor) {
    // The cell's index from the start edge is the line of its nearer side.
    const int near = std::min(LineOf(range, ramp.direction, x, y), LineOf(range, ramp.direction, x + 1, y + 1));
    cell.floorHeight = CentreHeight(ramp, near, cells);
    return;
  }
  for (int c = 0; c < 4; ++c) {
    cell.ceilingHeight[c] =
        RampLineHeight(ramp, LineOf(range, ramp.direction, x + CornerDx[c], y + CornerDy[c]), cells);
  }
}

}  // namespace

float RampLineHeight(const RampSettings& ramp, int line, int cells) {
  if (line <= 0) return ramp.start;
  if (line >= cells) return ramp.end;
  const double start = ramp.start, rise = static_cast<double>(ramp.end) - start;
  return static_cast<float>(start + rise * line / cells);
}

std::unique_ptr<MapCell[]> RampBlock(const MapDocument& document, CellRange range, const RampSettings& ramp) {
  auto block = CopyBlock(document, range);
  const int height = Height(range);
  for (int x = range.x1; x <= range.x2; ++x) {
    for (int y = range.y1; y <= range.y2; ++y) {
      RampCell(block[static_cast<size_t>((x - range.x1) * height + (y - range.y1))], range, ramp, x, y);
    }
  }
  return block;
}

void ApplyRamp(DocumentModel& model, CellRange range, const RampSettings& ramp) {
  model.Execute(std::make_unique<CellBlockCommand>(RampStepName, range, RampBlock(model.Map(), range, ramp)));
}

namespace {

// The mean of the ceiling heights the range's cells hold at grid corner (gx, gy),
// written to all of them where they differ.
void SmoothCorner(MapCell* block, CellRange range, int gx, int gy) {
  const int height = Height(range);
  std::array<float*, 4> corners{};
  int count = 0;
  for (int c = 0; c < 4; ++c) {
    const int x = gx - CornerDx[c], y = gy - CornerDy[c];
    if (x < range.x1 || x > range.x2 || y < range.y1 || y > range.y2) continue;
    corners[static_cast<size_t>(count++)] =
        &block[static_cast<size_t>((x - range.x1) * height + (y - range.y1))].ceilingHeight[c];
  }
  bool differ = false;
  double sum = 0.0;
  for (int k = 0; k < count; ++k) {
    sum += *corners[static_cast<size_t>(k)];
    differ = differ || *corners[static_cast<size_t>(k)] != *corners[0];
  }
  if (!differ) return;
  const float mean = static_cast<float>(sum / count);
  for (int k = 0; k < count; ++k) *corners[static_cast<size_t>(k)] = mean;
}

}  // namespace

void SmoothCeilings(DocumentModel& model, CellRange range) {
  auto block = CopyBlock(model.Map(), range);
  for (int gx = range.x1; gx <= range.x2 + 1; ++gx) {
    for (int gy = range.y1; gy <= range.y2 + 1; ++gy) SmoothCorner(block.get(), range, gx, gy);
  }
  model.Execute(std::make_unique<CellBlockCommand>(SmoothStepName, range, std::move(block)));
}

}  // namespace tessmoor
