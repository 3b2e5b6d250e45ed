// Feeds arbitrary bytes to the stamp reader. Whatever it gets, it must not read
// out of bounds; a stamp it accepts names only textures it carries, and writing
// it again gives exactly the bytes it was read from.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "document/Stamp.h"

using namespace tessmoor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Stamp stamp;
  MemorySource source(data, size);
  const StampResult result = ReadStamp(stamp, source);
  if (!result.ok) {
    if (result.message.code == CoreCode::None || !stamp.block.cells.empty()) std::abort();
    return 0;
  }
  for (const MapCell& cell : stamp.block.cells) {
    for (const uint16_t texture : cell.texture) {
      if (texture != NoTexture && texture >= stamp.textures.size()) std::abort();
    }
  }
  const std::vector<uint8_t> written = StampFileBytes(stamp);
  if (written.size() != size || !std::equal(written.begin(), written.end(), data)) std::abort();
  return 0;
}
