#pragma once
// The room the 3D tests look into: textures of one solid colour each, and a
// 3 x 3 room at columns and rows 10..12 with the first texture on its floor,
// the second on its ceiling and the third on the walls around it.

#include <QString>
#include <vector>

#include "document/MapDocument.h"
#include "tools/tmgen/PcxWriter.h"

namespace tessmoor {

struct ColouredPicture {
  const char* file;
  PaletteColour colour;
};

constexpr uint16_t RoomFloor = 0, RoomCeiling = 1, RoomWall = 2;

// A 64 x 64 picture of its one colour for each, in `folder`; false when one cannot be written.
bool WriteColouredPictures(const QString& folder, const std::vector<ColouredPicture>& pictures);

// The pictures as the map's textures, in their order and named after their files, and the room.
void BuildColouredRoom(MapDocument& document, const std::vector<ColouredPicture>& pictures);

}  // namespace tessmoor
