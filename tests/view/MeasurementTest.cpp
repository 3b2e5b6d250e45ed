// The size text of the tool bar: cells, world units and metres with a decimal comma.

#include <gtest/gtest.h>

#include "texts/CoreTexts.h"

namespace tessmoor {
namespace {

TEST(Measurement, CellsUnitsAndMetres) {
  EXPECT_EQ(MeasurementText(5, 3), "5 × 3 Zellen, 640 × 384 Einheiten (16,0 m × 9,6 m)");
  EXPECT_EQ(MeasurementText(1, 64), "1 × 64 Zellen, 128 × 8192 Einheiten (3,2 m × 204,8 m)");
}
}  // namespace
}  // namespace tessmoor
