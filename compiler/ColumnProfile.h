#pragma once
// The twelve-sided circle that the sides of a column cell follow.

#include <array>

namespace tessmoor {

// One point of the circle, relative to the cell's (Xhi, Zlo) corner, with the
// texture U at that point.
struct ProfilePoint {
  float px, pz, pu;
};

constexpr int ColumnSides = 12;
// The last point closes the circle; it is not point 0 again (see BuildColumnProfile).
using ColumnProfile = std::array<ProfilePoint, ColumnSides + 1>;

// 64/pi in single precision: the circumference is 128, the U span of one cell face.
constexpr float ColumnRadius = 20.3718318939209f;

// The thirteen points, with the angle and U stepped in single precision exactly
// as the engine's maps have always been built, so point 12 lands a hair away
// from point 0 (Z 63.999985 instead of 64, U 0.0000095 instead of 0).
ColumnProfile BuildColumnProfile(float radius = ColumnRadius);

}  // namespace tessmoor
