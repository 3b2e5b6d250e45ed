#pragma once
// Cuts a true-colour picture down to a 256-colour palette for PCX.

#include "tools/tmgen/PcxWriter.h"
#include "tools/tmgen/Raster.h"

namespace tessmoor {

// Median-cut palette of at most 256 colours, each pixel mapped to its nearest
// entry. No entry is black after the editor drops the low three bits of each
// component, because black is the transparent colour when a thumbnail is drawn.
IndexedPicture QuantizePicture(const RgbPicture& picture);

// The darkest colour a texture may contain: it still reads as non-black in RGB555.
constexpr uint8_t DarkestComponent = 8;

}  // namespace tessmoor
