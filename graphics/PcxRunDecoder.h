#pragma once
// The run-length decoding of PCX pixel data, straight into RGB555 through a
// colour table made once per picture.

#include <cstdint>

#include "graphics/HiColorImage.h"
#include "graphics/PcxByteReader.h"

namespace tessmoor {

// Each entry holds its RGB555 colour eight times over, ready for an 8-pixel store.
using PcxColourTable = RGB555[256][8];

// Builds the table from 256 red, green, blue byte triples, dropping the low
// three bits of each component.
void MakePcxColourTable(const uint8_t* palette, PcxColourTable& table);

// Decodes width x height pixels into `out`. Runs may cross row ends; with
// `dropsPadByte` exactly one decoded byte after every row but the last is not a
// pixel. Stops as soon as the last pixel is stored, leaving the rest of the
// input (normally the palette) unread. False when the input ends first.
bool DecodePcxRuns(PcxByteReader& reader, const PcxColourTable& table, int32_t width, int32_t height, bool dropsPadByte,
                   RGB555* out);

}  // namespace tessmoor
