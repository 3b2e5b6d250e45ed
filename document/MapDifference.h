#pragma once
// How far a map is from another one, in what a designer recognises: cells and
// textures. The list of earlier versions shows it for each backup against the
// open map.

#include <optional>
#include <string>

#include "document/MapDocument.h"

namespace tessmoor {

struct MapDifference {
  int cells = 0;     // grid cells whose stored bytes differ
  int textures = 0;  // table positions whose texture differs or that only one map has
  bool operator==(const MapDifference&) const = default;
};

// Compares what the map file stores of the two; palette, file name and
// thumbnails do not count. A texture differs by its name, animation, frame
// count or the names of its frames.
MapDifference CompareMaps(const MapDocument& a, const MapDocument& b);

// `map` against the map file at `path`, read without its pictures; nothing when
// the file cannot be read as a map.
std::optional<MapDifference> CompareWithFile(const MapDocument& map, const std::string& path);

}  // namespace tessmoor
