#pragma once
// Which cell a ray from the eye meets first, and which of the cell's surfaces,
// found through the model's per-cell polygon ranges: a wall face belongs to the
// wall cell that built it, a step to the cell whose pedestal texture it wears.

#include "compiler/MeshBuilder.h"
#include "preview/PreviewMath.h"

namespace tessmoor {

struct CellPick {
  bool hit = false;
  GridPoint cell{-1, -1};
  // The texture layer of `cell` that the face wears: water and window panes
  // and column sides wear the wall's, as the compile builds them.
  SurfaceKind surface = SurfaceKind::Floor;
  float distance = 0;  // along the ray, in units of `direction`
};

// The nearest face in front of `origin` along `direction`, from either side.
CellPick PickCell(const MeshBuilder& builder, Vec3 origin, Vec3 direction);

}  // namespace tessmoor
