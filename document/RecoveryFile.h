#pragma once
// A recovery copy: what the editor keeps of an unsaved map so a crash loses at
// most the last second. One file: the 8 bytes "TMRECOV1", the original map's
// path as a 16-bit little-endian length and that many UTF-8 bytes ("" for an
// untitled map), then exactly the bytes a save of the map would write.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/MapDocument.h"
#include "document/MapFile.h"
#include "io/ByteSource.h"
#include "io/SaveFile.h"

namespace tessmoor {

inline constexpr char RecoveryMagic[8] = {'T', 'M', 'R', 'E', 'C', 'O', 'V', '1'};
inline constexpr const char* RecoveryExtension = ".tmr";

// The whole file in memory; a path longer than 65535 bytes is stored as untitled.
std::vector<uint8_t> RecoveryFileBytes(const std::vector<uint8_t>& mapBytes, const std::string& originalPath);

// Writes the copy atomically to `path`. False on any failure; an earlier copy
// at `path` then stays as it was.
bool WriteRecoveryFile(const std::string& path, const std::vector<uint8_t>& mapBytes, const std::string& originalPath,
                       FileOps& ops = RealFileOps());

// The original path stored in the copy at `path` ("" for an untitled map);
// nothing when the file is not a readable copy.
std::optional<std::string> RecoveryOriginalPath(const std::string& path);

struct RecoveryLoadResult {
  MapFileResult map;         // as the map reader reports it
  std::string originalPath;  // empty for an untitled map
};

// Fills a freshly reset document from the copy, thumbnails from GFX/ as an
// opened map gets them. Does not set fileName.
RecoveryLoadResult ReadRecoveryFile(MapDocument& document, ByteSource& source, const std::string& path,
                                    const MapLoadOptions& options);
RecoveryLoadResult LoadRecoveryFile(MapDocument& document, const std::string& path, const MapLoadOptions& options);

}  // namespace tessmoor
