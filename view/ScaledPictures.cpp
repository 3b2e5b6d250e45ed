#include "view/ScaledPictures.h"

#include <algorithm>

#include "document/FramePictures.h"
#include "document/PascalString.h"
#include "graphics/GraphicsError.h"
#include "graphics/PcxLoader.h"

namespace tessmoor {

namespace {

// The covered source span of destination index i; never empty, so an enlarged
// picture repeats its pixels.
void SourceSpan(int32_t i, int32_t sourceSide, int32_t destSide, int32_t& first, int32_t& end) {
  first = static_cast<int32_t>(static_cast<int64_t>(i) * sourceSide / destSide);
  end = std::max(first + 1, static_cast<int32_t>(static_cast<int64_t>(i + 1) * sourceSide / destSide));
}

RGB555 AverageOf(const HiColorImage& source, int32_t x0, int32_t x1, int32_t y0, int32_t y1) {
  uint32_t red = 0, green = 0, blue = 0;
  for (int32_t y = y0; y < y1; ++y) {
    const RGB555* row = source.pixels.get() + static_cast<size_t>(y) * static_cast<size_t>(source.width);
    for (int32_t x = x0; x < x1; ++x) {
      red += (row[x] >> 10) & 31;
      green += (row[x] >> 5) & 31;
      blue += row[x] & 31;
    }
  }
  const uint32_t count = static_cast<uint32_t>((x1 - x0) * (y1 - y0));
  return static_cast<RGB555>(((red / count) << 10) | ((green / count) << 5) | (blue / count));
}

// The proportions kept, the long side becoming `side`.
void FitSize(int32_t width, int32_t height, int32_t side, int32_t& fitWidth, int32_t& fitHeight) {
  if (width >= height) {
    fitWidth = side;
    fitHeight = static_cast<int32_t>(static_cast<int64_t>(height) * side / std::max(width, 1));
  } else {
    fitWidth = static_cast<int32_t>(static_cast<int64_t>(width) * side / height);
    fitHeight = side;
  }
}

void FitImage(const HiColorImage& source, int32_t side, HiColorImage& dest) {
  if (source.IsEmpty()) return;
  int32_t width = 0, height = 0;
  FitSize(source.width, source.height, side, width, height);
  AverageScaleImage(source, width, height, dest);
}

// Only the 128 level is worth a second reading of the picture: everything
// smaller is already present, undistorted, in the 64-pixel thumbnail.
void ScaleFrame(const TextureFrame& frame, const EditorState& editor, int32_t side, HiColorImage& dest) {
  if (side > CellPictureSizeAt(DefaultZoomLevel)) {
    HiColorImage picture;
    const std::string name = ReadPascalString(frame.fileName, FrameNameCapacity);
    LoadPcxImage(ResolvePathIgnoringCase(FramePicturePath(editor.programDirectory, name)), picture);
    TakeGraphicsError();
    if (!picture.IsEmpty() && !frame.thumbnail.IsEmpty()) return FitImage(picture, side, dest);
  }
  FitImage(frame.thumbnail, side, dest);
}

// Symbols are line drawings on black: averaging would smear their edges into
// dark pixels that hide the thumbnail, so they keep the nearest pixel.
void ScaleSymbol(const HiColorImage& symbol, int32_t side, HiColorImage& dest) {
  if (symbol.IsEmpty()) return;
  const int32_t width = symbol.width * side / CellPictureSizeAt(DefaultZoomLevel);
  const int32_t height = symbol.height * side / CellPictureSizeAt(DefaultZoomLevel);
  if (width > 0 && height > 0) ScaleImage(dest, width, height, symbol);
}

// What copying `under` and then `over` onto black at one corner leaves: black
// stays transparent in both. Empty when every pixel is black.
void Combine(const HiColorImage* under, const HiColorImage* over, HiColorImage& dest) {
  const auto width = [](const HiColorImage* image) { return image ? image->width : 0; };
  const auto height = [](const HiColorImage* image) { return image ? image->height : 0; };
  const int32_t w = std::max(width(under), width(over)), h = std::max(height(under), height(over));
  if (w <= 0 || h <= 0) return;
  AllocImage(w, h, dest);
  bool anything = false;
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      RGB555 pixel = under ? GetImagePixel(x, y, *under) : 0;
      if (over && GetImagePixel(x, y, *over) != 0) pixel = GetImagePixel(x, y, *over);
      SetImagePixel(x, y, pixel, dest);
      anything = anything || pixel != 0;
    }
  }
  if (!anything) FreeImage(dest);
}

void BuildCellPictures(ScaledPictureCache::Level& level) {
  const int32_t textures = static_cast<int32_t>(level.frames.size());
  level.cellPictures.resize(static_cast<size_t>((textures + 1) * CellTypeCount));
  for (int32_t t = -1; t < textures; ++t) {
    const HiColorImage* thumbnail = t >= 0 && !level.frames[static_cast<size_t>(t)][0].IsEmpty()
                                        ? &level.frames[static_cast<size_t>(t)][0]
                                        : nullptr;
    for (int32_t type = 0; type < CellTypeCount; ++type) {
      const HiColorImage& symbol = level.symbols[static_cast<size_t>(type)];
      Combine(thumbnail, symbol.IsEmpty() ? nullptr : &symbol,
              level.cellPictures[static_cast<size_t>((t + 1) * CellTypeCount + type)]);
    }
  }
}

void BuildLevel(ScaledPictureCache::Level& level, const MapDocument& document, const EditorState& editor,
                int32_t side) {
  const int32_t textures = std::clamp(document.textureCount, 0, MaxTextures);
  level.frames.resize(static_cast<size_t>(textures));
  for (int32_t t = 0; t < textures; ++t) {
    const TextureEntry& entry = document.textures[static_cast<size_t>(t)];
    const int32_t frames = std::clamp(entry.frameCount, 0, MaxFrames);
    for (int32_t f = 0; f < frames; ++f) {
      ScaleFrame(entry.frames[static_cast<size_t>(f)], editor, side,
                 level.frames[static_cast<size_t>(t)][static_cast<size_t>(f)]);
    }
  }
  for (size_t kind = 0; kind < level.symbols.size(); ++kind) {
    ScaleSymbol(editor.cellSymbols[kind], side, level.symbols[kind]);
  }
  if (side <= CellPictureSizeAt(DefaultZoomLevel + 1)) BuildCellPictures(level);
  level.built = true;
}

}  // namespace

void InvalidateScaledPictures(ScaledPictureCache& cache) {
  for (ScaledPictureCache::Level& level : cache.levels) level = ScaledPictureCache::Level{};
  ++cache.revision;
}

void PrepareScaledPictures(ScaledPictureCache& cache, const MapDocument& document, const EditorState& editor,
                           int32_t level) {
  level = ClampZoomLevel(level);
  ScaledPictureCache::Level& entry = cache.levels[static_cast<size_t>(level)];
  if (level == DefaultZoomLevel || entry.built) return;
  const GraphicsErrorCode pending = TakeGraphicsError();
  BuildLevel(entry, document, editor, CellPictureSizeAt(level));
  ++cache.revision;
  TakeGraphicsError();
  if (pending != GraphicsErrorCode::geNone) SetGraphicsError(pending);
}

const HiColorImage* ScaledThumbnail(const ScaledPictureCache& cache, int32_t level, int32_t texture, int32_t frame) {
  if (level < 0 || level >= ZoomLevelCount) return nullptr;
  const ScaledPictureCache::Level& entry = cache.levels[static_cast<size_t>(level)];
  if (!entry.built || texture < 0 || texture >= static_cast<int32_t>(entry.frames.size())) return nullptr;
  if (frame < 0 || frame >= MaxFrames) return nullptr;
  const HiColorImage& image = entry.frames[static_cast<size_t>(texture)][static_cast<size_t>(frame)];
  return image.IsEmpty() ? nullptr : &image;
}

const HiColorImage* ScaledSymbol(const ScaledPictureCache& cache, int32_t level, int32_t type) {
  if (level < 0 || level >= ZoomLevelCount || type < 0 || type >= CellTypeCount) return nullptr;
  const ScaledPictureCache::Level& entry = cache.levels[static_cast<size_t>(level)];
  const HiColorImage& image = entry.symbols[static_cast<size_t>(type)];
  return entry.built && !image.IsEmpty() ? &image : nullptr;
}

bool HasCellPictures(const ScaledPictureCache& cache, int32_t level) {
  if (level < 0 || level >= ZoomLevelCount) return false;
  const ScaledPictureCache::Level& entry = cache.levels[static_cast<size_t>(level)];
  return entry.built && !entry.cellPictures.empty();
}

const HiColorImage* ScaledCellPicture(const ScaledPictureCache& cache, int32_t level, int32_t texture, int32_t type) {
  if (!HasCellPictures(cache, level) || type < 0 || type >= CellTypeCount) return nullptr;
  const ScaledPictureCache::Level& entry = cache.levels[static_cast<size_t>(level)];
  const size_t index = static_cast<size_t>((texture + 1) * CellTypeCount + type);
  if (texture < -1 || index >= entry.cellPictures.size()) return nullptr;
  const HiColorImage& image = entry.cellPictures[index];
  return image.IsEmpty() ? nullptr : &image;
}

void AverageScaleImage(const HiColorImage& source, int32_t width, int32_t height, HiColorImage& dest) {
  FreeImage(dest);
  if (source.IsEmpty() || width <= 0 || height <= 0 || !IsImageSizeAllowed(width, height)) return;
  AllocImage(width, height, dest);
  for (int32_t y = 0; y < height; ++y) {
    int32_t y0 = 0, y1 = 0;
    SourceSpan(y, source.height, height, y0, y1);
    for (int32_t x = 0; x < width; ++x) {
      int32_t x0 = 0, x1 = 0;
      SourceSpan(x, source.width, width, x0, x1);
      dest.pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
          AverageOf(source, x0, x1, y0, y1);
    }
  }
}

}  // namespace tessmoor
