#include "tools/tmgen/Symbols.h"

#include <cmath>

namespace tessmoor {

namespace {

enum Ink : uint8_t { Clear = 0, Outline, Brick, Mortar, Stone, StoneShade, Wave, Frame, Glass, InkCount };

std::array<PaletteColour, 256> SymbolPalette() {
  std::array<PaletteColour, 256> palette{};
  palette[Outline] = {40, 40, 40};  // still not black after dropping three bits
  palette[Brick] = {240, 104, 56};
  palette[Mortar] = {252, 240, 216};
  palette[Stone] = {248, 240, 208};
  palette[StoneShade] = {200, 176, 128};
  palette[Wave] = {88, 216, 255};
  palette[Frame] = {255, 255, 255};
  palette[Glass] = {104, 184, 255};
  return palette;
}

class Stencil {
 public:
  Stencil() : picture_{SymbolSize, SymbolSize, std::vector<uint8_t>(SymbolSize * SymbolSize, Clear), SymbolPalette()} {}

  void Plot(int x, int y, Ink ink) {
    if (x >= 0 && y >= 0 && x < SymbolSize && y < SymbolSize) picture_.indices[Index(x, y)] = ink;
  }
  void Fill(int x1, int y1, int x2, int y2, Ink ink) {
    for (int y = y1; y <= y2; ++y)
      for (int x = x1; x <= x2; ++x) Plot(x, y, ink);
  }
  // Rings every drawn shape with the outline ink on the black around it.
  IndexedPicture Outlined() const {
    IndexedPicture result = picture_;
    for (int y = 0; y < SymbolSize; ++y)
      for (int x = 0; x < SymbolSize; ++x)
        if (At(x, y) == Clear && TouchesInk(x, y)) result.indices[Index(x, y)] = Outline;
    return result;
  }

 private:
  static size_t Index(int x, int y) { return static_cast<size_t>(y * SymbolSize + x); }
  uint8_t At(int x, int y) const {
    if (x < 0 || y < 0 || x >= SymbolSize || y >= SymbolSize) return Clear;
    return picture_.indices[Index(x, y)];
  }
  bool TouchesInk(int x, int y) const {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (At(x + dx, y + dy) != Clear && At(x + dx, y + dy) != Outline) return true;
    return false;
  }

  IndexedPicture picture_;
};

IndexedPicture WallSymbol() {
  Stencil stencil;
  stencil.Fill(1, 2, 18, 16, Mortar);
  const int joints[3][3] = {{7, 13, -1}, {4, 10, 16}, {7, 13, -1}};
  for (int course = 0; course < 3; ++course) {
    const int top = 2 + course * 5;
    stencil.Fill(1, top, 18, top + 3, Brick);
    for (const int x : joints[course])
      if (x >= 0) stencil.Fill(x, top, x, top + 3, Mortar);
  }
  return stencil.Outlined();
}

IndexedPicture ColumnSymbol() {
  Stencil stencil;
  for (int y = 0; y < SymbolSize; ++y) {
    for (int x = 0; x < SymbolSize; ++x) {
      const float distance = std::hypot(static_cast<float>(x) - 9.5f, static_cast<float>(y) - 9.5f);
      if (distance <= 8.0f) stencil.Plot(x, y, distance > 6.6f || x + y > 24 ? StoneShade : Stone);
    }
  }
  return stencil.Outlined();
}

IndexedPicture WaterSymbol() {
  Stencil stencil;
  for (int wave = 0; wave < 3; ++wave) {
    for (int x = 2; x <= 17; ++x) {
      const int y = 4 + wave * 5 + static_cast<int>(std::lround(1.4 * std::sin(x * 3.14159 / 4.0)));
      stencil.Fill(x, y, x, y + 1, Wave);
    }
  }
  return stencil.Outlined();
}

// A window bar along x; the vertical one is the same bar transposed.
IndexedPicture WindowSymbol(bool vertical) {
  Stencil stencil;
  auto fill = [&](int along1, int across1, int along2, int across2, Ink ink) {
    if (vertical)
      stencil.Fill(across1, along1, across2, along2, ink);
    else
      stencil.Fill(along1, across1, along2, across2, ink);
  };
  fill(1, 7, 18, 12, Frame);
  fill(2, 8, 17, 11, Glass);
  fill(9, 8, 10, 11, Frame);
  return stencil.Outlined();
}

}  // namespace

std::vector<SymbolPicture> SymbolCatalogue() {
  return {{"TypeWall.pcx", WallSymbol()},
          {"TypeColumn.pcx", ColumnSymbol()},
          {"TypeWater.pcx", WaterSymbol()},
          {"TypeWindowHoriz.pcx", WindowSymbol(false)},
          {"TypeWindowVert.pcx", WindowSymbol(true)}};
}

bool WriteSymbols(const std::string& directory, std::string& error) {
  for (const SymbolPicture& symbol : SymbolCatalogue()) {
    if (!WritePcx(directory + symbol.fileName, symbol.picture)) {
      error = "cannot write " + directory + symbol.fileName;
      return false;
    }
  }
  return true;
}

}  // namespace tessmoor
