// name: Textur ersetzen
// Replaces the texture named OLD by the one named NEW on every cell; made for
// running over every map of a folder without a window:
//   for map in Maps/*.tmm; do tmcompile --script textur-ersetzen.js "$map"; done
const OLD = "Stein";
const NEW = "Fels";
const textures = tessmoor.textures();
const from = textures.find((t) => t.name === OLD);
const to = textures.find((t) => t.name === NEW);
if (!from) {
  tessmoor.log(`Keine Textur „${OLD}“: nichts zu tun`);
} else if (!to) {
  tessmoor.renameTexture(from.index, NEW);
  tessmoor.log(`„${OLD}“ heißt jetzt „${NEW}“`);
} else {
  tessmoor.replaceTexture(from.index, to.index);
  tessmoor.log(`„${OLD}“ durch „${NEW}“ ersetzt`);
}
