#pragma once
// The five cell-kind pictograms of TMEGfx/, drawn over a cell's thumbnail at its
// top-left corner. Black is transparent there, so everything outside the
// pictogram is black and the pictogram itself has a dark (not black) outline
// that keeps it legible on any texture.

#include <string>
#include <vector>

#include "tools/tmgen/PcxWriter.h"

namespace tessmoor {

constexpr int SymbolSize = 20;

struct SymbolPicture {
  std::string fileName;
  IndexedPicture picture;
};

std::vector<SymbolPicture> SymbolCatalogue();

// Writes every symbol into `directory`. False, with `error` naming the file, when
// one cannot be written.
bool WriteSymbols(const std::string& directory, std::string& error);

}  // namespace tessmoor
