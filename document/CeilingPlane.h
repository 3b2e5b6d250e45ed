#pragma once
// Whether a cell's ceiling lies in one plane. The geometry pass emits the
// ceiling as one four-cornered face; where the corners are not in a plane,
// that face is no longer flat and has to be split into two triangles.

#include "document/MapDocument.h"

namespace tessmoor {

// The four corners lie in one plane exactly when both diagonals have the same
// midpoint height, c0 + c2 == c1 + c3 (compared exactly, as the heights are stored).
inline bool CeilingIsPlanar(const MapCell& cell) {
  const float* c = cell.ceilingHeight;
  return c[0] + c[2] == c[1] + c[3];
}

}  // namespace tessmoor
