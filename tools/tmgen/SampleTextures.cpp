#include "tools/tmgen/SampleTextures.h"

#include "tools/tmgen/MapBuilder.h"

namespace tessmoor {

SampleTextures AddSampleTextures(MapDocument& d) {
  SampleTextures t{};
  t.brick = AddTexture(d, "Ziegel", AnimationType::Repeat, {"BRICK.PCX"});
  t.stone = AddTexture(d, "Stein", AnimationType::Repeat, {"STONE.PCX"});
  t.cobble = AddTexture(d, "Pflaster", AnimationType::Repeat, {"COBBLE.PCX"});
  t.moss = AddTexture(d, "Moosstein", AnimationType::Repeat, {"MOSS.PCX"});
  t.tiles = AddTexture(d, "Fliesen", AnimationType::Repeat, {"TILES.PCX"});
  t.marble = AddTexture(d, "Marmor", AnimationType::Repeat, {"MARBLE.PCX"});
  t.plaster = AddTexture(d, "Putz", AnimationType::Repeat, {"PLASTER.PCX"});
  t.wood = AddTexture(d, "Holzbohlen", AnimationType::Repeat, {"WOOD.PCX"});
  t.parquet = AddTexture(d, "Parkett", AnimationType::Repeat, {"FLOOR.PCX"});
  t.door = AddTexture(d, "T\xFCr", AnimationType::Repeat, {"DOOR.PCX"});  // "Tür" in Windows-1252
  t.ceiling = AddTexture(d, "Kassettendecke", AnimationType::Repeat, {"CEILING.PCX"});
  t.metal = AddTexture(d, "Metall", AnimationType::Repeat, {"METAL.PCX"});
  t.window = AddTexture(d, "Fenster", AnimationType::Repeat, {"WINDOW.PCX"});
  t.roof = AddTexture(d, "Dachziegel", AnimationType::Repeat, {"ROOF.PCX"});
  t.frieze = AddTexture(d, "Fries", AnimationType::Repeat, {"FRIEZE.PCX"});
  t.grass = AddTexture(d, "Gras", AnimationType::Repeat, {"GRASS.PCX"});
  t.sand = AddTexture(d, "Sand", AnimationType::Repeat, {"SAND.PCX"});
  // Stored in lower case, as a case-insensitive file system would have let it be.
  t.sky = AddTexture(d, "Himmel", AnimationType::Repeat, {"sky.pcx"});
  t.water = AddTexture(d, "Wasser", AnimationType::Repeat, {"WATER1.PCX", "WATER2.PCX", "WATER3.PCX", "WATER4.PCX"});
  t.lava = AddTexture(d, "Lava", AnimationType::PingPong, {"LAVA1.PCX", "LAVA2.PCX", "LAVA3.PCX"});
  return t;
}

}  // namespace tessmoor
