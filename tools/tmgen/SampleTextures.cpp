#include "tools/tmgen/SampleTextures.h"

#include "tools/tmgen/MapBuilder.h"

SampleTextures AddSampleTextures(MapDocument& d) {
  SampleTextures t{};
  t.brick = AddTexture(d, "Ziegel", Repeat, {"BRICK.PCX"});
  t.stone = AddTexture(d, "Stein", Repeat, {"STONE.PCX"});
  t.cobble = AddTexture(d, "Pflaster", Repeat, {"COBBLE.PCX"});
  t.moss = AddTexture(d, "Moosstein", Repeat, {"MOSS.PCX"});
  t.tiles = AddTexture(d, "Fliesen", Repeat, {"TILES.PCX"});
  t.marble = AddTexture(d, "Marmor", Repeat, {"MARBLE.PCX"});
  t.plaster = AddTexture(d, "Putz", Repeat, {"PLASTER.PCX"});
  t.wood = AddTexture(d, "Holzbohlen", Repeat, {"WOOD.PCX"});
  t.parquet = AddTexture(d, "Parkett", Repeat, {"FLOOR.PCX"});
  t.door = AddTexture(d, "T\xFCr", Repeat, {"DOOR.PCX"});  // "Tür" in Windows-1252
  t.ceiling = AddTexture(d, "Kassettendecke", Repeat, {"CEILING.PCX"});
  t.metal = AddTexture(d, "Metall", Repeat, {"METAL.PCX"});
  t.window = AddTexture(d, "Fenster", Repeat, {"WINDOW.PCX"});
  t.roof = AddTexture(d, "Dachziegel", Repeat, {"ROOF.PCX"});
  t.frieze = AddTexture(d, "Fries", Repeat, {"FRIEZE.PCX"});
  t.grass = AddTexture(d, "Gras", Repeat, {"GRASS.PCX"});
  t.sand = AddTexture(d, "Sand", Repeat, {"SAND.PCX"});
  // Stored in lower case, as a case-insensitive file system would have let it be.
  t.sky = AddTexture(d, "Himmel", Repeat, {"sky.pcx"});
  t.water = AddTexture(d, "Wasser", Repeat, {"WATER1.PCX", "WATER2.PCX", "WATER3.PCX", "WATER4.PCX"});
  t.lava = AddTexture(d, "Lava", PingPong, {"LAVA1.PCX", "LAVA2.PCX", "LAVA3.PCX"});
  return t;
}
