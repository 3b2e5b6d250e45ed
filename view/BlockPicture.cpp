#include "view/BlockPicture.h"

#include <algorithm>

#include "view/ScaledPictures.h"
#include "view/ViewColours.h"

namespace tessmoor {

namespace {

constexpr int32_t FullCell = 64;

// Black source pixels are skipped, as BlitImage does on the surface.
void Blit(const HiColorImage& source, HiColorImage& dest, int32_t left, int32_t top) {
  for (int32_t y = 0; y < source.height; ++y) {
    for (int32_t x = 0; x < source.width; ++x) {
      const RGB555 pixel = source.pixels[static_cast<size_t>(y * source.width + x)];
      if (pixel != 0) SetImagePixel(left + x, top + y, pixel, dest);
    }
  }
}

}  // namespace

std::vector<const HiColorImage*> MapThumbnails(const MapDocument& document) {
  std::vector<const HiColorImage*> thumbnails(static_cast<size_t>(std::clamp(document.textureCount, 0, MaxTextures)));
  for (size_t t = 0; t < thumbnails.size(); ++t) {
    const TextureEntry& entry = document.textures[t];
    thumbnails[t] = entry.frameCount > 0 ? &entry.frames[0].thumbnail : nullptr;
  }
  return thumbnails;
}

HiColorImage BlockPicture(const CellBlock& block, SurfaceKind layer, const std::vector<const HiColorImage*>& thumbnails,
                          const EditorState& editor, int32_t cellSize) {
  HiColorImage picture;
  if (block.IsEmpty()) return picture;
  cellSize = std::clamp(cellSize, 8, FullCell);
  const int32_t pitch = cellSize + 1;
  AllocImage(block.width * pitch + 1, block.height * pitch + 1, picture);
  if (picture.IsEmpty()) return picture;
  for (int32_t k = 0; k < picture.width * picture.height; ++k) picture.pixels[static_cast<size_t>(k)] = ColourGridWhite;

  HiColorImage cell, scaled;
  AllocImage(FullCell, FullCell, cell);
  for (int32_t i = 0; i < block.width; ++i) {
    for (int32_t j = 0; j < block.height; ++j) {
      const MapCell& source = block.At(i, j);
      std::fill_n(cell.pixels.get(), FullCell * FullCell, RGB555{0});
      if (source.texture[layer] < thumbnails.size()) {
        if (const HiColorImage* thumbnail = thumbnails[source.texture[layer]]; thumbnail && !thumbnail->IsEmpty()) {
          Blit(*thumbnail, cell, 0, 0);
        }
      }
      if (source.type < CellTypeCount) Blit(editor.cellSymbols[source.type], cell, 0, 0);
      const HiColorImage* shown = &cell;
      if (cellSize != FullCell) {
        AverageScaleImage(cell, cellSize, cellSize, scaled);
        shown = &scaled;
      }
      const int32_t left = 1 + i * pitch, top = 1 + j * pitch;
      // The box is black under the pictures, as in the view.
      for (int32_t y = 0; y < cellSize; ++y) {
        for (int32_t x = 0; x < cellSize; ++x) SetImagePixel(left + x, top + y, GetImagePixel(x, y, *shown), picture);
      }
    }
  }
  return picture;
}

}  // namespace tessmoor
