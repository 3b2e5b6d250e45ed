#pragma once
// The places that refer to textures by table position: the five surfaces of every
// grid cell and of every palette slot's cell (and of copied cells on the clipboard).
// The renumbering of one cell is here; edit/ applies it to the whole document.

#include <cstdint>

#include "document/MapDocument.h"

namespace tessmoor {

bool IsTextureReferenced(const MapDocument& document, uint16_t texture);

// After `deleted` left the table: references above it move down by one, and
// references to `deleted` itself become `replacement`. NoTexture stays.
void RenumberReferences(MapCell& cell, uint16_t deleted, uint16_t replacement);

// The way back when `inserted` returns to the table: references at or above it
// move up by one. NoTexture stays.
void MakeRoomForReference(MapCell& cell, uint16_t inserted);

}  // namespace tessmoor
