#include <array>

#include "graphics/GraphicsError.h"
#include "graphics/PcxLoader.h"
#include "view/MapView.h"

namespace tessmoor {

namespace {

// Indexed by CellType from Wall on; Nothing has no picture file.
constexpr std::array<const char*, CellTypeCount - 1> SymbolFiles = {
    "TypeWall.pcx", "TypeColumn.pcx", "TypeWater.pcx", "TypeWindowHoriz.pcx", "TypeWindowVert.pcx",
};
constexpr int32_t BlankSymbolSize = 32;

}  // namespace

bool LoadCellSymbols(EditorState& editor) {
  TakeGraphicsError();
  FreeImage(editor.cellSymbols[0]);
  AllocImage(BlankSymbolSize, BlankSymbolSize, editor.cellSymbols[0]);
  // One verdict for all five: the user hears once, however many are missing.
  for (size_t i = 0; i < SymbolFiles.size(); ++i) {
    HiColorImage& symbol = editor.cellSymbols[i + 1];
    FreeImage(symbol);
    LoadPcxImage(editor.programDirectory + "TMEGfx/" + SymbolFiles[i], symbol);
  }
  return TakeGraphicsError() == GraphicsErrorCode::geNone;
}

}  // namespace tessmoor
