#include "document/MapDifference.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "document/MapFile.h"

namespace tessmoor {

namespace {

// A length byte and the bytes it counts: what follows them is never saved.
bool SamePascal(const uint8_t* a, const uint8_t* b) { return a[0] == b[0] && std::memcmp(a + 1, b + 1, a[0]) == 0; }

bool SameTexture(const TextureEntry& a, const TextureEntry& b) {
  if (!SamePascal(a.name, b.name) || a.animationType != b.animationType || a.frameCount != b.frameCount) return false;
  const int frames = std::clamp(a.frameCount, 0, MaxFrames);
  for (int k = 0; k < frames; ++k) {
    if (!SamePascal(a.frames[size_t(k)].fileName, b.frames[size_t(k)].fileName)) return false;
  }
  return true;
}

int TableSize(const MapDocument& map) { return std::clamp(map.textureCount, 0, MaxTextures); }

}  // namespace

MapDifference CompareMaps(const MapDocument& a, const MapDocument& b) {
  MapDifference difference;
  for (size_t i = 0; i < a.cells.size(); ++i) {
    if (std::memcmp(&a.cells[i], &b.cells[i], sizeof(MapCell)) != 0) ++difference.cells;
  }
  const int shared = std::min(TableSize(a), TableSize(b));
  difference.textures = std::max(TableSize(a), TableSize(b)) - shared;
  for (int t = 0; t < shared; ++t) {
    if (!SameTexture(a.textures[size_t(t)], b.textures[size_t(t)])) ++difference.textures;
  }
  return difference;
}

std::optional<MapDifference> CompareWithFile(const MapDocument& map, const std::string& path) {
  try {
    auto other = std::make_unique<MapDocument>();
    ClearDocument(*other, true);
    if (!LoadMap(*other, path, MapLoadOptions{{}, false}).ok) return std::nullopt;
    return CompareMaps(map, *other);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace tessmoor
