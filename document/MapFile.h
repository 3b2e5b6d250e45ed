#pragma once
// The .tmm map file: a 16-byte header, the texture table without pictures, and
// the raw 4096-cell grid. The reader rebuilds every frame's thumbnail from the
// picture of the same name in GFX/ below the program directory.

#include <cstdint>
#include <string>
#include <vector>

#include "document/MapDocument.h"
#include "io/ByteSource.h"
#include "io/CoreMessage.h"
#include "io/SaveFile.h"

namespace tessmoor {

constexpr size_t MapHeaderSize = 16;
constexpr size_t MapGridBytes = sizeof(MapCell) * GridCells;  // 196,608

// ok, or the message to show. A map that could not be opened also carries the
// system's errno, for tools that print the system's reason.
struct MapFileResult {
  bool ok = false;
  CoreMessage message;
  int systemError = 0;
};

struct MapLoadOptions {
  std::string programDirectory;  // with a trailing '/'
  bool loadPictures = true;      // false: frames keep empty thumbnails (batch compiler)
};

// Writes the document atomically to `path`. On success clears `modified`; on
// failure the previous file and the document are unchanged.
MapFileResult SaveMap(MapDocument& document, const std::string& path, FileOps& ops = RealFileOps());

// The bytes SaveMap writes, in memory (recovery copies, comparisons).
std::vector<uint8_t> MapFileBytes(const MapDocument& document);

// Fills a freshly reset document from `path`. On failure the document is empty
// and untitled again (textures released). Does not set fileName. A directory or
// special file is no map (NotAMap); it is never waited on.
// Running out of memory fails the load like a damaged file, never as an abort.
MapFileResult LoadMap(MapDocument& document, const std::string& path, const MapLoadOptions& options);

// The reader over any byte source; `path` is only used in messages.
MapFileResult ReadMap(MapDocument& document, ByteSource& source, const std::string& path,
                      const MapLoadOptions& options);

// The complaint when compiling `mapPath` into `modelPath` would overwrite the map
// itself (through any spelling of the path, a link or a hard link); None when not.
CoreMessage ModelOverMapMessage(const std::string& mapPath, const std::string& modelPath);

}  // namespace tessmoor
