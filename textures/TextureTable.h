#pragma once
// Operations on the map's texture table: adding, renaming and deleting textures
// and setting their animation. Each reports what went wrong as a message to show;
// none of them shows anything itself or touches the document's modified flag.

#include <string>

#include "document/MapDocument.h"

inline constexpr const char* TooManyTexturesMessage = "Die Anzahl der Texturen ist auf 256 begrenzt.";
inline constexpr const char* TextureInUseMessage = "Die Textur wird noch benutzt. Sie kann nicht gelöscht werden.";
inline constexpr const char* NewTextureName = "Neue Textur";

// ok, or the message to show (empty when there is nothing worth telling, such as
// an operation on a texture that does not exist).
struct TextureResult {
  bool ok = true;
  std::string message;
};

bool IsTextureInTable(const MapDocument& document, int texture);

// A copy with thumbnails of its own.
TextureEntry CopyTextureEntry(const TextureEntry& entry);
void RenameTexture(TextureEntry& entry, const std::string& name);

// Appends "Neue Textur" (type Repeat, no frames) at position textureCount.
// Refused with a message when the table is full.
TextureResult AddTexture(MapDocument& document);

// `name` is Windows-1252 bytes; anything past 255 bytes is cut off. Empty and
// duplicate names are allowed.
TextureResult RenameTexture(MapDocument& document, int texture, const std::string& name);

TextureResult SetAnimationType(MapDocument& document, int texture, AnimationType type);

// Removes the texture when no grid cell and no palette slot refers to it. Every
// higher reference moves down by one so it keeps naming the same texture, later
// entries move up and every entry's index is its position again. A clipboard
// passed in is renumbered the same way; its references to the deleted texture
// become NoTexture, so a later paste cannot pick up whichever texture took its place.
TextureResult DeleteTexture(MapDocument& document, int texture, CellClipboard* clipboard = nullptr);
