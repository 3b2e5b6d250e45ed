// name: Wasserbecken prüfen
// Checks that every water basin cell lies in a closed basin: each neighbour
// is a basin cell too, a wall or column, or a floor not below the water, so
// the water cannot run out. Throws with the first open cells, so that a
// pipeline running it without a window fails.
const open = [];
const holds = (water, x, y) => {
  const n = tessmoor.cell(x, y);
  return n.type === 1 || n.type === 2 || n.type === 3 || n.floorHeight >= water;
};
for (const cell of tessmoor.find({ type: 3 })) {
  for (const [dx, dy] of [[1, 0], [-1, 0], [0, 1], [0, -1]]) {
    const x = cell.x + dx, y = cell.y + dy;
    if (x < 0 || y < 0 || x >= tessmoor.width || y >= tessmoor.height || !holds(cell.waterLevel, x, y)) {
      open.push(`(${cell.x}, ${cell.y})`);
      break;
    }
  }
}
if (open.length > 0) throw new Error(`Offene Wasserbecken: ${open.slice(0, 10).join(", ")}`);
tessmoor.log("Alle Wasserbecken sind geschlossen");
