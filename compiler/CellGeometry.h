#pragma once
// The geometry pass: turns every cell of the grid into textured quadrilaterals
// (floors, ceilings, wall sides, floor and ceiling steps, column sides, water
// surfaces, window panes) and hands them to the mesh builder.
//
// World coordinates: Y is height, a cell is 128 units square, grid corner (i, j)
// lies at X = 8192 - 128*i, Z = 128*j. Texture coordinates use the same units.

#include <functional>

#include "compiler/ColumnProfile.h"
#include "compiler/MeshBuilder.h"
#include "document/MapDocument.h"

// Called after each finished row with its number, 0..63.
using RowDoneCallback = std::function<void(int row)>;

// Runs the pass over rows 0..63, cells 0..63 within a row, into a freshly reset
// builder. Returns false as soon as a face does not fit; builder.Overflow() then
// names the table, and no further face or row is built.
bool CellGeometry(const MapDocument& document, const ColumnProfile& profile, MeshBuilder& builder,
                  const RowDoneCallback& onRowDone = {});
