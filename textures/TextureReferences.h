#pragma once
// The places that refer to textures by table position: the five surfaces of every
// grid cell and of every palette slot's cell (and of copied cells on the clipboard).

#include <cstdint>

#include "document/MapDocument.h"

bool IsTextureReferenced(const MapDocument& document, uint16_t texture);

// After `deleted` left the table: references above it move down by one, and
// references to `deleted` itself become `replacement`. NoTexture stays.
void RenumberReferences(MapCell& cell, uint16_t deleted, uint16_t replacement);
void RenumberReferences(MapDocument& document, uint16_t deleted);
void RenumberReferences(CellClipboard& clipboard, uint16_t deleted);

// The way back when `inserted` returns to the table: references at or above it
// move up by one. NoTexture stays.
void MakeRoomForReference(MapCell& cell, uint16_t inserted);
void MakeRoomForReference(MapDocument& document, uint16_t inserted);
void MakeRoomForReference(CellClipboard& clipboard, uint16_t inserted);
