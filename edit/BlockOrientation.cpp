#include "edit/BlockOrientation.h"

#include <utility>

namespace tessmoor {

namespace {

bool SwapsSides(Orientation orientation) { return orientation.turns % 2 != 0; }

CellBlock TurnedClockwise(const CellBlock& block) {
  CellBlock turned{block.height, block.width, std::vector<MapCell>(block.cells.size())};
  // Clockwise with rows growing downwards: (i, j) goes to (height - 1 - j, i).
  for (int i = 0; i < block.width; ++i) {
    for (int j = 0; j < block.height; ++j) {
      MapCell cell = block.At(i, j);
      TurnCellClockwise(cell);
      turned.At(block.height - 1 - j, i) = cell;
    }
  }
  return turned;
}

CellBlock MirroredLeftRight(const CellBlock& block) {
  CellBlock mirrored{block.width, block.height, std::vector<MapCell>(block.cells.size())};
  for (int i = 0; i < block.width; ++i) {
    for (int j = 0; j < block.height; ++j) {
      MapCell cell = block.At(i, j);
      MirrorCellLeftRight(cell);
      mirrored.At(block.width - 1 - i, j) = cell;
    }
  }
  return mirrored;
}

}  // namespace

Orientation Orientation::TurnedClockwise() const { return {(turns + 1) % 4, mirrored}; }
Orientation Orientation::TurnedCounterClockwise() const { return {(turns + 3) % 4, mirrored}; }
// A mirror after a turn is the mirror before the opposite turn.
Orientation Orientation::MirroredLeftRight() const { return {(4 - turns) % 4, !mirrored}; }
// Top-bottom is left-right followed by a half turn.
Orientation Orientation::MirroredTopBottom() const {
  const Orientation leftRight = MirroredLeftRight();
  return {(leftRight.turns + 2) % 4, leftRight.mirrored};
}

int32_t OrientedWidth(int32_t width, int32_t height, Orientation orientation) {
  return SwapsSides(orientation) ? height : width;
}

int32_t OrientedHeight(int32_t width, int32_t height, Orientation orientation) {
  return SwapsSides(orientation) ? width : height;
}

void TurnCellClockwise(MapCell& cell) {
  // Corners run (x,y), (x+1,y), (x+1,y+1), (x,y+1): a clockwise turn carries
  // each corner to the next one.
  const float last = cell.ceilingHeight[3];
  for (int k = 3; k > 0; --k) cell.ceilingHeight[k] = cell.ceilingHeight[k - 1];
  cell.ceilingHeight[0] = last;
  if (cell.type == static_cast<uint8_t>(CellType::WindowHorizontal)) {
    cell.type = static_cast<uint8_t>(CellType::WindowVertical);
  } else if (cell.type == static_cast<uint8_t>(CellType::WindowVertical)) {
    cell.type = static_cast<uint8_t>(CellType::WindowHorizontal);
  }
}

void MirrorCellLeftRight(MapCell& cell) {
  std::swap(cell.ceilingHeight[0], cell.ceilingHeight[1]);
  std::swap(cell.ceilingHeight[2], cell.ceilingHeight[3]);
}

CellBlock Oriented(const CellBlock& block, Orientation orientation) {
  CellBlock result = orientation.mirrored ? MirroredLeftRight(block) : block;
  for (int k = 0; k < orientation.turns % 4; ++k) result = TurnedClockwise(result);
  return result;
}

}  // namespace tessmoor
