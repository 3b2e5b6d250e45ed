#pragma once
// The eight ways a block of cells can lie: turned by quarter turns and mirrored.
// A turned block turns what has a direction inside its cells too: the ceiling
// corners move with their corners and a window pane across the cell turns with
// it, so that the compiled model of a turned block is the turned model.
//
// The compiler builds a window pane and a column up to the cell's first ceiling
// corner; under a sloped ceiling that corner's height moves with the corner, so
// such a pane follows the slope's turn as the corners do.

#include <cstdint>

#include "document/MapDocument.h"
#include "document/Stamp.h"

namespace tessmoor {

// Mirrored left-right first (when `mirrored`), then turned clockwise `turns` times.
struct Orientation {
  int32_t turns = 0;  // 0..3
  bool mirrored = false;

  // Each adds one step after what the orientation already does.
  Orientation TurnedClockwise() const;
  Orientation TurnedCounterClockwise() const;
  Orientation MirroredLeftRight() const;
  Orientation MirroredTopBottom() const;
  bool IsIdentity() const { return turns == 0 && !mirrored; }
  bool operator==(const Orientation&) const = default;
};

// Width and height of a block of this size after the orientation.
int32_t OrientedWidth(int32_t width, int32_t height, Orientation orientation);
int32_t OrientedHeight(int32_t width, int32_t height, Orientation orientation);

// One cell's own fields turned clockwise on the map, or mirrored left-right.
void TurnCellClockwise(MapCell& cell);
void MirrorCellLeftRight(MapCell& cell);

// The block as it lies after the orientation.
CellBlock Oriented(const CellBlock& block, Orientation orientation);

}  // namespace tessmoor
