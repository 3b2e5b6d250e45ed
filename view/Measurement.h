#pragma once
// The size of a rectangle of cells as the tool bar shows it while a selection
// is dragged or a block is about to be placed.

#include <cstdint>
#include <string>

namespace tessmoor {

constexpr int32_t CellUnits = 128;  // world units per cell side
constexpr int32_t UnitsPerMetre = 40;

// "5 × 3 Zellen, 640 × 384 Einheiten (16,0 m × 9,6 m)" (UTF-8).
std::string MeasurementText(int32_t width, int32_t height);

}  // namespace tessmoor
