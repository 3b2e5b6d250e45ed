#pragma once
// The position field of the tool bar: the cell under the pointer and, while a
// selection of more than one cell is dragged or a block is about to be placed,
// the size of that rectangle. texts/ words it.

#include <cstdint>
#include <optional>

#include "document/MapDocument.h"

namespace tessmoor {

constexpr int32_t CellUnits = 128;  // world units per cell side
constexpr int32_t UnitsPerMetre = 40;

// What the field shows; without a cell it is emptied.
struct PositionLabel {
  std::optional<GridPoint> cell;
  int32_t width = 1;
  int32_t height = 1;
};

}  // namespace tessmoor
