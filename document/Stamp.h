#pragma once
// A stamp: a block of cells kept apart from any map, with the texture entries
// its cells refer to, so that it can be placed into another map. Its file is a
// small versioned format of its own (one stamp per file).

#include <cstdint>
#include <string>
#include <vector>

#include "document/MapDocument.h"
#include "io/ByteSource.h"
#include "io/CoreMessage.h"
#include "io/SaveFile.h"

namespace tessmoor {

constexpr int StampNameCapacity = 255;  // bytes of UTF-8
constexpr uint16_t StampFileVersion = 1;
inline constexpr const char* StampFileExtension = ".tms";

// A block of cells; cell (i, j) is at i * height + j, as in the clipboard.
struct CellBlock {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<MapCell> cells;

  MapCell& At(int i, int j) { return cells[static_cast<size_t>(i * height + j)]; }
  const MapCell& At(int i, int j) const { return cells[static_cast<size_t>(i * height + j)]; }
  bool IsEmpty() const { return width <= 0 || height <= 0; }
};

// The block's texture references number the stamp's own `textures`, not a map's table.
struct Stamp {
  std::string name;  // UTF-8
  CellBlock block;
  std::vector<StampTexture> textures;
};

struct StampResult {
  bool ok = false;
  CoreMessage message;
};

// The cells of `range` (in order, inside the grid) with the textures they use,
// renumbered by first use. A reference to a texture the table does not hold
// becomes NoTexture: no other map could tell what it meant.
Stamp MakeStamp(const MapDocument& document, CellRange range, std::string name);
// The entry's name, animation and frame names (at most MaxFrames).
StampTexture DescribeTexture(const TextureEntry& entry);
// One cell that refers to `document`'s table, as an unnamed one-cell stamp.
Stamp CellStamp(const MapDocument& document, const MapCell& cell);

// The bytes SaveStamp writes.
std::vector<uint8_t> StampFileBytes(const Stamp& stamp);
// Writes atomically; on failure an older file at `path` stays as it was.
StampResult SaveStamp(const Stamp& stamp, const std::string& path, FileOps& ops = RealFileOps());
// Reads one stamp from any bytes; on failure `stamp` is empty and the message says why.
StampResult ReadStamp(Stamp& stamp, ByteSource& source);
StampResult LoadStamp(Stamp& stamp, const std::string& path);

}  // namespace tessmoor
