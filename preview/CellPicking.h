#pragma once
// Which cell a ray from the eye meets first, found through the model's per-cell
// polygon ranges: a wall face belongs to the wall cell that built it.

#include "compiler/MeshBuilder.h"
#include "preview/PreviewMath.h"

namespace tessmoor {

struct CellPick {
  bool hit = false;
  GridPoint cell{-1, -1};
  float distance = 0;  // along the ray, in units of `direction`
};

// The nearest face in front of `origin` along `direction`, from either side.
CellPick PickCell(const MeshBuilder& builder, Vec3 origin, Vec3 direction);

}  // namespace tessmoor
