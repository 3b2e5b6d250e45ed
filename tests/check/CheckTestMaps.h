#pragma once
// Small maps built in code for the map check's tests: a clean room that the
// check has nothing to say about, and helpers to spoil it one way at a time.

#include <memory>
#include <string>

#include "document/MapDocument.h"
#include "document/PascalString.h"

namespace tessmoor {

namespace check_test {

constexpr uint16_t FloorTexture = 0, CeilingTexture = 1, WallTexture = 2, StepTexture = 3;
constexpr int RoomLow = 10, RoomHigh = 20;  // the outline's walls; open cells inside

inline void NameTexture(MapDocument& map, int texture, const std::string& name) {
  TextureEntry& entry = map.textures[size_t(texture)];
  entry.index = texture;
  WritePascalString(entry.name, TextureNameCapacity, name);
  entry.frameCount = 1;
  WritePascalString(entry.frames[0].fileName, FrameNameCapacity, name + ".PCX");
}

inline void SetType(MapCell& cell, CellType type) { cell.type = static_cast<uint8_t>(type); }

// A walled room with a raised step in the middle, every texture used and framed,
// the start inside. The outline's corners carry no wall texture: they have no
// open side that could show it.
inline std::unique_ptr<MapDocument> CleanRoom() {
  auto map = std::make_unique<MapDocument>();
  EditorState editor;
  ResetDocument(*map, editor, true);
  map->textureCount = 4;
  for (const auto& [texture, name] : {std::pair{0, "Boden"}, {1, "Decke"}, {2, "Wand"}, {3, "Stufe"}})
    NameTexture(*map, texture, name);
  for (int x = RoomLow; x <= RoomHigh; ++x) {
    for (int y = RoomLow; y <= RoomHigh; ++y) {
      MapCell& cell = map->Cell(x, y);
      const bool outline = x == RoomLow || x == RoomHigh || y == RoomLow || y == RoomHigh;
      const bool corner = (x == RoomLow || x == RoomHigh) && (y == RoomLow || y == RoomHigh);
      if (outline) {
        SetType(cell, CellType::Wall);
        if (!corner) cell.texture[SurfaceKind::Wall] = WallTexture;
        continue;
      }
      cell.texture[SurfaceKind::Floor] = FloorTexture;
      cell.texture[SurfaceKind::Ceiling] = CeilingTexture;
    }
  }
  MapCell& step = map->Cell(15, 15);
  step.floorHeight = 16;
  step.texture[SurfaceKind::PedestalFloor] = StepTexture;
  map->startPosition = {12, 12};
  return map;
}

}  // namespace check_test

}  // namespace tessmoor
