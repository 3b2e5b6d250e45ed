#pragma once
// The texture table the shipped maps share: every picture of GFX/ under its
// German name, so the texture editor offers all of them in either map.

#include <cstdint>

#include "document/MapDocument.h"

namespace tessmoor {

// Table positions of the shared textures.
struct SampleTextures {
  uint16_t brick, stone, cobble, moss, tiles, marble, plaster, wood, parquet, door, ceiling, metal, window, roof,
      frieze, grass, sand, sky, water, lava;
};

// Appends the shared texture entries to an empty table and returns their positions.
SampleTextures AddSampleTextures(MapDocument& document);

}  // namespace tessmoor
