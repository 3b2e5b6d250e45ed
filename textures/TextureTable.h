#pragma once
// The texture table's rules that need no document to change: new and copied
// entries, names, and whether a position is in the table. Every change of the
// table itself is an undoable step of edit/TextureCommands.h.

#include <string>

#include "document/MapDocument.h"
#include "io/CoreMessage.h"

namespace tessmoor {

inline const CoreMessage TooManyTexturesMessage{CoreCode::TooManyTextures, {}};
inline const CoreMessage TextureInUseMessage{CoreCode::TextureInUse, {}};
inline constexpr const char* NewTextureName = "Neue Textur";

// ok, or the message to show (None when there is nothing worth telling, such as
// an operation on a texture that does not exist).
struct TextureResult {
  bool ok = true;
  CoreMessage message;
};

bool IsTextureInTable(const MapDocument& document, int texture);

// A copy with thumbnails of its own.
TextureEntry CopyTextureEntry(const TextureEntry& entry);
// `name` is Windows-1252 bytes; anything past 255 bytes is cut off. Empty and
// duplicate names are allowed.
void RenameTexture(TextureEntry& entry, const std::string& name);

// A fresh "Neue Textur" record for table position `position`: type Repeat, no frames.
TextureEntry NewTextureEntry(int position);

}  // namespace tessmoor
