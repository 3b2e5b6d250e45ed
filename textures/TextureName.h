#pragma once
// A texture's name as the table stores it (a length byte and Windows-1252
// bytes), read in one place for every list, message, check and exporter.

#include <string>

#include "document/MapDocument.h"

namespace tessmoor {

// The stored bytes of the name, Windows-1252, at most 255 of them.
std::string TextureNameBytes(const TextureEntry& entry);
// The name as UTF-8 text; every stored byte becomes a character.
std::string TextureNameText(const TextureEntry& entry);
// A frame's stored file name as UTF-8 text.
std::string FrameNameText(const TextureFrame& frame);

}  // namespace tessmoor
