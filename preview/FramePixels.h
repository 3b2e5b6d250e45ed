#pragma once
// The full-resolution pictures the 3D view puts on its faces, as 8-bit RGBA
// rows (top row first), and which frame of a texture shows at an animation step.

#include <cstdint>
#include <string>
#include <vector>

#include "document/MapDocument.h"

namespace tessmoor {

struct RgbaPicture {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;  // 4 bytes a pixel
};

// Loads the frame's picture from GFX/ (matched ignoring ASCII case). False when it
// cannot be read; the graphics error code is left as it was found.
bool LoadFramePixels(const std::string& programDirectory, const std::string& frameName, RgbaPicture& picture);

// What a face shows when its picture is missing: a loud magenta and black board
// of 8 x 8 squares over `size` x `size` pixels.
RgbaPicture Checkerboard(int32_t size = 64);

// The stored name of the frame texture `texture` shows at animation step `tick`,
// or "" when there is no such texture or it has no frames.
std::string ShownFrameName(const MapDocument& document, uint16_t texture, int64_t tick);

}  // namespace tessmoor
