#pragma once
// The texture side of an export: what a material says about its texture, and
// the first frame picture of each used texture as PNG.

#include <cstdint>
#include <string>
#include <vector>

#include "document/MapDocument.h"
#include "export/ExportScene.h"
#include "io/CoreMessage.h"

namespace tessmoor {

// A texture as the exchange files describe it; texts in UTF-8.
struct TextureDescription {
  std::string name;
  AnimationType animationType = AnimationType::Repeat;
  std::vector<std::string> frameNames;
};

// Empty for an index beyond the map's texture table.
TextureDescription DescribeTexture(const MapDocument& document, uint16_t texture);

// A short ASCII name that is unique per material, for both formats:
// "textur3", and "textur3_deckkraft128" for a blended one.
std::string MaterialName(MaterialKey key);

struct TexturePng {
  uint16_t texture = 0;
  std::vector<uint8_t> png;  // empty: the texture has no frame to show
};

struct TexturePngs {
  std::vector<TexturePng> pictures;  // one per texture used by the scene, by index
  CoreMessage error;                 // the first picture that could not be loaded
  bool Ok() const { return IsEmpty(error); }

  // The PNG of `texture`, or nullptr when it has none.
  const TexturePng* Find(uint16_t texture) const;
};

// Loads the first frame picture of every texture the scene uses from the GFX/
// folder below `programDirectory` and encodes it as RGB PNG. A texture without
// frames (or beyond the table) gets no picture; a frame picture that cannot be
// read fails the whole set with "Fehler beim Laden von ...".
TexturePngs EncodeTexturePngs(const MapDocument& document, const ExportScene& scene,
                              const std::string& programDirectory);

// The picture as RGB PNG bytes (8 bits a channel, 5-bit components widened so
// white stays white); empty for an empty picture.
std::vector<uint8_t> EncodePng(const HiColorImage& picture);

}  // namespace tessmoor
