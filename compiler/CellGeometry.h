#pragma once
// The geometry pass: turns every cell of the grid into textured quadrilaterals
// (floors, ceilings, wall sides, floor and ceiling steps, column sides, water
// surfaces, window panes) and hands them to the mesh builder.
//
// World coordinates: Y is height, a cell is 128 units square, grid corner (i, j)
// lies at X = 8192 - 128*i, Z = 128*j. Texture coordinates use the same units.

#include <array>
#include <cstdint>
#include <functional>

#include "compiler/ColumnProfile.h"
#include "compiler/MeshBuilder.h"
#include "document/MapDocument.h"

namespace tessmoor {

// Called after each finished row with its number, 0..63.
using RowDoneCallback = std::function<void(int row)>;

// Runs the pass over rows 0..63, cells 0..63 within a row, into a freshly reset
// builder. Returns false as soon as a face does not fit; builder.Overflow() then
// names the table, and no further face or row is built.
bool CellGeometry(const MapDocument& document, const ColumnProfile& profile, MeshBuilder& builder,
                  const RowDoneCallback& onRowDone = {});

// What the pass makes, counted without building any table, so that a map beyond
// the capacities still gets its full numbers.
struct FaceCounts {
  int polygons = 0;
  int indices = 0;                                 // the corners of all faces
  std::array<uint16_t, GridCells> cellPolygons{};  // column-major like the map's cells
};

// Runs the pass over every cell into `counts` (reset first); it never stops early.
void CountFaces(const MapDocument& document, const ColumnProfile& profile, FaceCounts& counts);

// Whether the wall cell at (x, y) gets a side face towards at least one
// neighbour: one inside the grid, not a wall, with a floor. The face wears the
// wall's own wall texture, and without one it is left out.
bool WallFacesAnOpenFloor(const MapDocument& document, int x, int y);

}  // namespace tessmoor
