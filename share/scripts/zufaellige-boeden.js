// name: Zufällige Bodenhöhen
// menu: &Zufällige Bodenhöhen
// Gives every open cell of the selection a floor up to half a unit above or
// below its own, as a cave floor looks; one run is one undo step.
const s = tessmoor.selection();
for (let x = s.x1; x <= s.x2; ++x) {
  for (let y = s.y1; y <= s.y2; ++y) {
    if (tessmoor.get(x, y, "type") !== 0) continue;
    const offset = Math.round((Math.random() - 0.5) * 10) / 10;
    tessmoor.set(x, y, "floorHeight", tessmoor.get(x, y, "floorHeight") + offset);
  }
}
