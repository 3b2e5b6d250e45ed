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

}  // namespace

void DrawCellOverlays(int32_t x, int32_t y, const MapCell& cell, const MapDocument& document,
                      const EditorState& editor) {
  if (const HiColorImage* thumbnail = LayerThumbnail(cell, document, editor.currentLayer)) {
    // The cell's box is black here and the thumbnail the first thing drawn into
    // it; one that reaches beyond the box (no loaded picture makes one) is not.
    if (thumbnail->width <= CellPictureSize && thumbnail->height <= CellPictureSize) {
      BlitImageOverBlack(x, y, *thumbnail);
    } else {
      BlitImage(x, y, *thumbnail);
    }
  }
  if (const HiColorImage* symbol = KindSymbol(cell, editor)) BlitImage(x, y, *symbol);
}

void DrawCellBox(int32_t x, int32_t y, const MapCell& cell, const MapDocument& document, const EditorState& editor) {
  const HiColorImage* thumbnail = LayerThumbnail(cell, document, editor.currentLayer);
  const bool copied = thumbnail && !thumbnail->IsEmpty() && thumbnail->width > 0 && thumbnail->height > 0 &&
                      thumbnail->width <= CellPictureSize && thumbnail->height <= CellPictureSize;
  if (!copied) {
    DrawCell(x, y, cell, document, editor);
    return;
  }
  const int32_t last = CellPictureSize - 1;
  // Copied over whatever is there: where the thumbnail is black, so is the result.
  BlitImageOverBlack(x, y, *thumbnail);
  if (thumbnail->width < CellPictureSize) FillRect(x + thumbnail->width, y, x + last, y + thumbnail->height - 1, ColourBlack);
  if (thumbnail->height < CellPictureSize) FillRect(x, y + thumbnail->height, x + last, y + last, ColourBlack);
  if (const HiColorImage* symbol = KindSymbol(cell, editor)) BlitImage(x, y, *symbol);
}

void DrawCell(int32_t x, int32_t y, const MapCell& cell, const MapDocument& document, const EditorState& editor) {
  FillRect(x, y, x + CellPictureSize - 1, y + CellPictureSize - 1, ColourBlack);
  DrawCellOverlays(x, y, cell, document, editor);
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
