// name: Zellen zählen
// Counts the cells by kind and by floor texture, and writes the counts to the log.
const kinds = ["leer", "Wand", "Säule", "Wasserbecken", "Fenster waagerecht", "Fenster senkrecht"];
const byKind = {};
const byTexture = {};
const names = tessmoor.textures().map((t) => t.name);
for (const cell of tessmoor.cells()) {
  const kind = kinds[cell.type] ?? `Art ${cell.type}`;
  byKind[kind] = (byKind[kind] ?? 0) + 1;
  const texture = cell.floorTexture < 0 ? "(keine)" : names[cell.floorTexture] ?? `Nr. ${cell.floorTexture}`;
  byTexture[texture] = (byTexture[texture] ?? 0) + 1;
}
for (const [kind, count] of Object.entries(byKind)) tessmoor.log(`${kind}: ${count}`);
for (const [texture, count] of Object.entries(byTexture)) tessmoor.log(`Boden ${texture}: ${count}`);
