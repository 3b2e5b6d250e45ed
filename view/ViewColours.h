#pragma once
// The few colours of the map view, as RGB555 values (red in the high five bits).

#include "graphics/HiColorImage.h"

namespace tessmoor {

constexpr RGB555 ColourBlack = 0x0000;      // background, cell background, inner dark frame line
constexpr RGB555 ColourDarkGrey = 0x3DEF;   // (15, 15, 15): outer top and left frame lines
constexpr RGB555 ColourLightGrey = 0x5EF7;  // (23, 23, 23): palette strip, corner square
constexpr RGB555 ColourWhite = 0x7FFF;      // (31, 31, 31): outer bottom and right frame lines
constexpr RGB555 ColourGridWhite = 0xFFFF;  // every bit set, bit 15 included: the grid lines
constexpr RGB555 ColourRed = 0x7C00;        // selection and active palette slot

// The grid's geometry in view pixels: mapArea starts at (73, 2), and a cell is
// 64 pixels of picture plus one pixel of grid line.
constexpr int32_t MapAreaLeft = 73;
constexpr int32_t MapAreaTop = 2;
constexpr int32_t CellPitch = 65;
constexpr int32_t CellPictureSize = 64;
constexpr int32_t PaletteStripRight = 71;
constexpr int32_t MapFrameLeft = 72;

}  // namespace tessmoor
