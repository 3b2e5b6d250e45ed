#include "view/Measurement.h"

namespace tessmoor {

namespace {

// Tenths of a metre are exact: a cell is 3.2 m, so no rounding is ever needed.
std::string Metres(int32_t units) {
  const int64_t tenths = static_cast<int64_t>(units) * 10 / UnitsPerMetre;
  return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + " m";
}

}  // namespace

std::string MeasurementText(int32_t width, int32_t height) {
  const int32_t unitsX = width * CellUnits, unitsY = height * CellUnits;
  return std::to_string(width) + " × " + std::to_string(height) + " Zellen, " + std::to_string(unitsX) + " × " +
         std::to_string(unitsY) + " Einheiten (" + Metres(unitsX) + " × " + Metres(unitsY) + ")";
}

}  // namespace tessmoor
