#pragma once
// How the compiler's world becomes the exchange formats' world.
//
// The engine's world is left-handed (X = 8192 - 128 * column runs against the
// editor's columns, so only a left-handed reading shows the map unmirrored from
// above) and its front faces wind clockwise: a floor is clockwise seen from
// above. glTF and OBJ are right-handed with counter-clockwise front faces. So Z is
// mirrored and every face's corner order reversed, which keeps both the shape
// and the side a face is seen from.

#include <array>

namespace tessmoor {

// 40 world units make a metre: a cell is 3.2 m square and the eye, 64 units above
// the floor, 1.6 m.
constexpr float MetresPerUnit = 0.025f;

using ExportPoint = std::array<float, 3>;

inline ExportPoint ToExportPoint(float x, float y, float z) {
  return {x * MetresPerUnit, y * MetresPerUnit, -z * MetresPerUnit};
}

}  // namespace tessmoor
