#pragma once
// Where a player stands at the start: the eye above the start cell's centre.

#include <optional>

#include "document/MapDocument.h"

struct WorldPoint {
  float x, y, z;
};

// Eye height above the floor when the ceiling leaves room for it.
constexpr float EyeHeight = 64.0f;

// The centre of the start cell in world units, at the floor plus EyeHeight or
// halfway up to the cell's lowest ceiling corner, whichever is lower. Nothing
// when the stored start cell lies outside the grid.
std::optional<WorldPoint> StartEyePosition(const MapDocument& document);
