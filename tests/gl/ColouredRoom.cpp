#include "gl/ColouredRoom.h"

#include "document/PascalString.h"

namespace tessmoor {

bool WriteColouredPictures(const QString& folder, const std::vector<ColouredPicture>& pictures) {
  for (const ColouredPicture& made : pictures) {
    IndexedPicture picture;
    picture.width = picture.height = 64;
    picture.indices.assign(64 * 64, 1);
    picture.palette[1] = made.colour;
    if (!WritePcx((folder + made.file).toStdString(), picture)) return false;
  }
  return true;
}

void BuildColouredRoom(MapDocument& document, const std::vector<ColouredPicture>& pictures) {
  document.textureCount = static_cast<int>(pictures.size());
  for (size_t i = 0; i < pictures.size(); ++i) {
    TextureEntry& entry = document.textures[i];
    entry.index = static_cast<int32_t>(i);
    entry.frameCount = 1;
    WritePascalString(entry.name, TextureNameCapacity, pictures[i].file);
    WritePascalString(entry.frames[0].fileName, FrameNameCapacity, pictures[i].file);
  }
  for (int x = 9; x <= 13; ++x) {
    for (int y = 9; y <= 13; ++y) {
      MapCell& cell = document.Cell(x, y);
      const bool inside = x >= 10 && x <= 12 && y >= 10 && y <= 12;
      cell.type = static_cast<uint8_t>(inside ? CellType::Nothing : CellType::Wall);
      cell.texture[SurfaceKind::Floor] = RoomFloor;
      cell.texture[SurfaceKind::Ceiling] = RoomCeiling;
      cell.texture[SurfaceKind::Wall] = RoomWall;
    }
  }
}

}  // namespace tessmoor
