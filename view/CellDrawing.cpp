#include <algorithm>

#include "graphics/RenderSurface.h"
#include "view/CellPicture.h"
#include "view/MapView.h"
#include "view/ScaledPictures.h"
#include "view/ViewColours.h"

namespace tessmoor {

namespace {

// The thumbnail a cell shows on the current layer, or null. A loaded map may
// carry any 16-bit index or layer value, so both are checked before indexing.
const HiColorImage* LayerThumbnail(const MapCell& cell, const MapDocument& document, SurfaceKind layer) {
  if (static_cast<int>(layer) < 0 || static_cast<int>(layer) >= SurfaceCount) return nullptr;
  const uint16_t index = cell.texture[layer];
  if (index == NoTexture || index >= MaxTextures || index >= document.textureCount) return nullptr;
  const TextureEntry& entry = document.textures[index];
  if (entry.frameCount <= 0) return nullptr;
  return &entry.frames[0].thumbnail;
}

// The texture index the cell shows on the current layer, or -1; checked as above.
int32_t LayerTexture(const MapCell& cell, const MapDocument& document, SurfaceKind layer) {
  if (static_cast<int>(layer) < 0 || static_cast<int>(layer) >= SurfaceCount) return -1;
  const uint16_t index = cell.texture[layer];
  if (index == NoTexture || index >= MaxTextures || index >= document.textureCount) return -1;
  return document.textures[index].frameCount > 0 ? index : -1;
}

// A type value beyond the six kinds (possible in a loaded file) has no symbol.
const HiColorImage* KindSymbol(const MapCell& cell, const EditorState& editor) {
  if (cell.type >= CellTypeCount) return nullptr;
  return &editor.cellSymbols[cell.type];
}

bool IsBlack(const HiColorImage& image) {
  const size_t count = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
  return std::all_of(image.pixels.get(), image.pixels.get() + count, [](RGB555 pixel) { return pixel == 0; });
}

const HiColorImage* SymbolOf(const MapCell& cell, const GridSymbols& symbols) {
  return cell.type < CellTypeCount ? symbols.byKind[cell.type] : nullptr;
}

// The cell's thumbnail when it fits its box and can be copied in whole, or null.
// One that reaches beyond the box (no loaded picture makes one) must be blitted.
const HiColorImage* CopiedThumbnail(const MapCell& cell, const MapDocument& document, const EditorState& editor) {
  const HiColorImage* thumbnail = LayerThumbnail(cell, document, editor.currentLayer);
  const bool fits = thumbnail && !thumbnail->IsEmpty() && thumbnail->width > 0 && thumbnail->height > 0 &&
                    thumbnail->width <= CellPictureSize && thumbnail->height <= CellPictureSize;
  return fits ? thumbnail : nullptr;
}

// The thumbnail over a black box, then `symbol` (none: no symbol).
void DrawOverlays(int32_t x, int32_t y, const MapCell& cell, const MapDocument& document, const EditorState& editor,
                  const HiColorImage* symbol) {
  // The box is black and the thumbnail the first thing drawn into it.
  if (const HiColorImage* thumbnail = CopiedThumbnail(cell, document, editor)) {
    BlitImageOverBlack(x, y, *thumbnail);
  } else if (const HiColorImage* other = LayerThumbnail(cell, document, editor.currentLayer)) {
    BlitImage(x, y, *other);
  }
  if (symbol) BlitImage(x, y, *symbol);
}

}  // namespace

GridSymbols SymbolsToDraw(const EditorState& editor) {
  GridSymbols symbols;
  for (size_t kind = 0; kind < symbols.byKind.size(); ++kind) {
    const HiColorImage& symbol = editor.cellSymbols[kind];
    if (!symbol.IsEmpty() && symbol.width > 0 && symbol.height > 0 && !IsBlack(symbol)) symbols.byKind[kind] = &symbol;
  }
  return symbols;
}

void DrawCellOverlays(int32_t x, int32_t y, const MapCell& cell, const MapDocument& document,
                      const EditorState& editor, const GridSymbols& symbols) {
  DrawOverlays(x, y, cell, document, editor, SymbolOf(cell, symbols));
}

bool HasCopiedThumbnail(const MapCell& cell, const MapDocument& document, const EditorState& editor) {
  return CopiedThumbnail(cell, document, editor) != nullptr;
}

void DrawCellBox(int32_t x, int32_t y, const MapCell& cell, const MapDocument& document, const EditorState& editor,
                 const GridSymbols& symbols) {
  const HiColorImage* thumbnail = CopiedThumbnail(cell, document, editor);
  if (!thumbnail) {
    FillRect(x, y, x + CellPictureSize - 1, y + CellPictureSize - 1, ColourBlack);
    DrawCellOverlays(x, y, cell, document, editor, symbols);
    return;
  }
  const int32_t last = CellPictureSize - 1;
  // Copied over whatever is there: where the thumbnail is black, so is the result.
  BlitImageOverBlack(x, y, *thumbnail);
  if (thumbnail->width < CellPictureSize) FillRect(x + thumbnail->width, y, x + last, y + thumbnail->height - 1, ColourBlack);
  if (thumbnail->height < CellPictureSize) FillRect(x, y + thumbnail->height, x + last, y + last, ColourBlack);
  if (const HiColorImage* symbol = SymbolOf(cell, symbols)) BlitImage(x, y, *symbol);
}

void DrawCell(int32_t x, int32_t y, const MapCell& cell, const MapDocument& document, const EditorState& editor) {
  FillRect(x, y, x + CellPictureSize - 1, y + CellPictureSize - 1, ColourBlack);
  DrawOverlays(x, y, cell, document, editor, KindSymbol(cell, editor));
}

void DrawZoomedCell(int32_t x, int32_t y, const MapCell& cell, const MapDocument& document, const EditorState& editor,
                    int32_t zoomLevel, const ScaledPictureCache* pictures, bool boxIsBlack) {
  const int32_t size = CellPictureSizeAt(zoomLevel);
  if (!boxIsBlack) FillRect(x, y, x + size - 1, y + size - 1, ColourBlack);
  if (pictures == nullptr) return;
  const ScaledPictureCache& cache = *pictures;
  const int32_t texture = LayerTexture(cell, document, editor.currentLayer);
  if (cell.type < CellTypeCount && HasCellPictures(cache, zoomLevel)) {
    if (const HiColorImage* picture = ScaledCellPicture(cache, zoomLevel, texture, cell.type)) {
      BlitImage(x, y, *picture);
    }
    return;
  }
  if (const HiColorImage* thumbnail = ScaledThumbnail(cache, zoomLevel, texture, 0)) {
    BlitImage(x, y, *thumbnail);
  }
  if (const HiColorImage* symbol = ScaledSymbol(cache, zoomLevel, cell.type)) BlitImage(x, y, *symbol);
}

}  // namespace tessmoor
