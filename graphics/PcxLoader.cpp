#include "graphics/PcxLoader.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>

#include "graphics/GraphicsError.h"
#include "graphics/PcxByteReader.h"
#include "graphics/PcxRunDecoder.h"
#include "io/RegularFile.h"

namespace tessmoor {

namespace {

constexpr size_t HeaderSize = 128;
constexpr size_t PaletteSize = 768;
// Texture pictures are a few hundred pixels on a side. A header claiming far more
// would cost gigabytes and seconds per frame, so it is taken for a broken file.
constexpr int32_t MaxPictureSide = 8192;
constexpr int64_t MaxPicturePixels = int64_t{16} * 1024 * 1024;
// Texture pictures take a few dozen KiB; a larger file is read block by block
// rather than kept whole in a thread's scratch memory.
constexpr size_t MaxWholeFileBytes = size_t{1} << 20;

struct PcxLayout {
  int32_t width = 0;
  int32_t height = 0;
  bool dropsPadByte = false;  // one decoded byte after every row is not a pixel
};

uint16_t ReadLittle16(const uint8_t* bytes) { return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8)); }

bool IsPictureSizeSane(int32_t width, int32_t height) {
  return width <= MaxPictureSide && height <= MaxPictureSide && int64_t{width} * height <= MaxPicturePixels;
}

// Reads the few header fields the editor relies on. Sets geImage and returns
// false for anything but 8 bits per pixel in one plane, or a size that does not fit.
bool ParseHeader(const uint8_t* header, PcxLayout& layout) {
  const uint8_t bitsPerPixel = header[3];
  const uint8_t planes = header[65];
  if (bitsPerPixel != 8 || planes != 1) {
    SetGraphicsError(GraphicsErrorCode::geImage);
    return false;
  }
  // Some writers store the bounds the wrong way round; the distance is what counts.
  layout.width = std::abs(ReadLittle16(header + 8) - ReadLittle16(header + 4)) + 1;
  layout.height = std::abs(ReadLittle16(header + 10) - ReadLittle16(header + 6)) + 1;
  layout.dropsPadByte = ReadLittle16(header + 66) != layout.width;
  if (!IsImageSizeAllowed(layout.width, layout.height) || !IsPictureSizeSane(layout.width, layout.height)) {
    SetGraphicsError(GraphicsErrorCode::geImage);
    return false;
  }
  return true;
}

// The common tail of the front ends: allocation, palette table and pixels.
// `image` holds the picture only when every pixel was decoded; a buffer it has
// with as many pixels is decoded into, and freed when decoding fails.
void DecodeInto(const PcxLayout& layout, const uint8_t* palette, PcxByteReader& reader, HiColorImage& image) {
  PcxColourTable table;
  MakePcxColourTable(palette, table);
  const size_t count = static_cast<size_t>(layout.width) * static_cast<size_t>(layout.height);
  const bool reuse = image.pixels && static_cast<size_t>(image.width) * static_cast<size_t>(image.height) == count;
  // Every pixel is written by the decoder, so the buffer needs no zero fill; a
  // huge header over a short file then costs no more than the pages it reaches.
  auto pixels = reuse ? std::move(image.pixels) : std::make_unique_for_overwrite<RGB555[]>(count);
  FreeImage(image);
  if (!DecodePcxRuns(reader, table, layout.width, layout.height, layout.dropsPadByte, pixels.get())) {
    SetGraphicsError(GraphicsErrorCode::geRead);
    return;
  }
  image.pixels = std::move(pixels);
  image.width = layout.width;
  image.height = layout.height;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// The palette is simply the last 768 bytes; the marker byte before it is not trusted.
bool ReadPalette(std::FILE* file, uint8_t* palette) {
  if (std::fseek(file, 0, SEEK_END) != 0) return false;
  const long size = std::ftell(file);
  if (size < static_cast<long>(PaletteSize)) return false;
  if (std::fseek(file, size - static_cast<long>(PaletteSize), SEEK_SET) != 0) return false;
  return std::fread(palette, 1, PaletteSize, file) == PaletteSize;
}

// Runs one load; memory running out anywhere in it is the image error, never an
// abort that would take the user's unsaved map with it.
template <typename Load>
void GuardedLoad(HiColorImage& image, Load load) {
  // Whatever happens below, a failure must leave no picture behind.
  FreeImage(image);
  try {
    load();
  } catch (const std::bad_alloc&) {
    FreeImage(image);
    SetGraphicsError(GraphicsErrorCode::geImage);
  }
}

void LoadPcxFile(const std::string& path, HiColorImage& image) {
  int openError = 0;
  FileHandle file(OpenRegularFile(path, openError));
  uint8_t header[HeaderSize];
  if (!file || std::fread(header, 1, HeaderSize, file.get()) != HeaderSize) {
    SetGraphicsError(GraphicsErrorCode::geRead);
    return;
  }
  PcxLayout layout;
  if (!ParseHeader(header, layout)) return;
  uint8_t palette[PaletteSize];
  if (!ReadPalette(file.get(), palette) || std::fseek(file.get(), HeaderSize, SEEK_SET) != 0) {
    SetGraphicsError(GraphicsErrorCode::geRead);
    return;
  }
  PcxByteReader reader(file.get());
  DecodeInto(layout, palette, reader, image);
}

// Decodes into `image`, whose buffer is reused when the picture has as many
// pixels; a failure leaves the image empty.
void DecodePcxBytes(const uint8_t* data, size_t size, HiColorImage& image) {
  const auto fail = [&image](GraphicsErrorCode code) {
    FreeImage(image);
    SetGraphicsError(code);
  };
  if (!data || size < HeaderSize) return fail(GraphicsErrorCode::geRead);
  PcxLayout layout;
  if (!ParseHeader(data, layout)) return fail(GraphicsErrorCode::geImage);
  if (size < PaletteSize) return fail(GraphicsErrorCode::geRead);
  PcxByteReader reader(data + HeaderSize, size - HeaderSize);
  DecodeInto(layout, data + size - PaletteSize, reader, image);
}

void LoadWholePcxFile(const std::string& path, PcxLoadScratch& scratch) {
  int error = 0;
  if (ReadWholeRegularFile(path, MaxWholeFileBytes, scratch.fileBytes, error)) {
    DecodePcxBytes(scratch.fileBytes.data(), scratch.fileBytes.size(), scratch.picture);
  } else if (error == FileTooLarge) {
    FreeImage(scratch.picture);
    LoadPcxFile(path, scratch.picture);
  } else {
    FreeImage(scratch.picture);
    SetGraphicsError(GraphicsErrorCode::geRead);
  }
}

}  // namespace

void LoadPcxImage(const std::string& path, PcxLoadScratch& scratch) {
  try {
    LoadWholePcxFile(path, scratch);
  } catch (const std::bad_alloc&) {
    FreeImage(scratch.picture);
    SetGraphicsError(GraphicsErrorCode::geImage);
  }
}

void LoadPcxImage(const std::string& path, HiColorImage& image) {
  GuardedLoad(image, [&] { LoadPcxFile(path, image); });
}

void DecodePcxImage(const uint8_t* data, size_t size, HiColorImage& image) {
  GuardedLoad(image, [&] { DecodePcxBytes(data, size, image); });
}

}  // namespace tessmoor
