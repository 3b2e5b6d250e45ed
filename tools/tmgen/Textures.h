#pragma once
// The texture pictures shipped in GFX/: names, sizes and painters.

#include <string>
#include <vector>

#include "tools/tmgen/Raster.h"

namespace tessmoor {

struct TexturePicture {
  std::string fileName;  // 8.3, as it appears in GFX/
  int width;
  int height;
  Shader shader;
};

// Every picture of GFX/, the frames of the animated textures included, in a
// fixed order. Some have odd widths, so their PCX rows carry a pad byte.
std::vector<TexturePicture> TextureCatalogue();

// Paints, quantises and writes every catalogue picture into `directory`.
// False, with `error` naming the file, when one cannot be written.
bool WriteTextures(const std::string& directory, std::string& error);

}  // namespace tessmoor
