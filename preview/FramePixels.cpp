#include "preview/FramePixels.h"

#include <algorithm>

#include "document/FramePictures.h"
#include "document/PascalString.h"
#include "document/PictureFolders.h"
#include "graphics/GraphicsError.h"
#include "graphics/PcxLoader.h"
#include "preview/AnimationClock.h"

namespace tessmoor {

namespace {

void ToRgba(const HiColorImage& image, RgbaPicture& picture) {
  picture.width = image.width;
  picture.height = image.height;
  picture.pixels.resize(size_t(image.width) * size_t(image.height) * 4);
  for (size_t i = 0; i < size_t(image.width) * size_t(image.height); ++i) {
    uint8_t* out = &picture.pixels[i * 4];
    UnpackRGB555(image.pixels[i], out[0], out[1], out[2]);
    for (int c = 0; c < 3; ++c) out[c] = static_cast<uint8_t>(out[c] << 3 | out[c] >> 2);  // 31 becomes 255
    out[3] = 255;
  }
}

}  // namespace

bool LoadFramePixels(const std::string& programDirectory, const std::string& frameName, RgbaPicture& picture) {
  const GraphicsErrorCode pending = TakeGraphicsError();
  HiColorImage image;
  LoadPcxImage(LocateFramePicture(programDirectory, frameName), image);
  const bool loaded = TakeGraphicsError() == GraphicsErrorCode::geNone && !image.IsEmpty();
  if (loaded) ToRgba(image, picture);
  if (pending != GraphicsErrorCode::geNone) SetGraphicsError(pending);
  return loaded;
}

RgbaPicture Checkerboard(int32_t size) {
  RgbaPicture picture{size, size, std::vector<uint8_t>(size_t(size) * size_t(size) * 4)};
  for (int32_t y = 0; y < size; ++y) {
    for (int32_t x = 0; x < size; ++x) {
      uint8_t* out = &picture.pixels[(size_t(y) * size_t(size) + size_t(x)) * 4];
      const bool lit = ((x * 8 / size) + (y * 8 / size)) % 2 == 0;
      out[0] = lit ? 255 : 0;
      out[1] = 0;
      out[2] = lit ? 255 : 0;
      out[3] = 255;
    }
  }
  return picture;
}

std::string ShownFrameName(const MapDocument& document, uint16_t texture, int64_t tick) {
  if (texture >= std::min<int32_t>(document.textureCount, MaxTextures)) return "";
  const TextureEntry& entry = document.textures[texture];
  const int frames = std::clamp<int32_t>(entry.frameCount, 0, MaxFrames);
  if (frames == 0) return "";
  const TextureFrame& frame = entry.frames[size_t(FrameAtTick(frames, entry.animationType, tick))];
  return ReadPascalString(frame.fileName, FrameNameCapacity);
}

}  // namespace tessmoor
