#include "export/ExportTextures.h"

#include <stb_image_write.h>

#include <algorithm>
#include <set>

#include "document/FramePictures.h"
#include "document/PascalString.h"
#include "document/PictureFolders.h"
#include "graphics/GraphicsError.h"
#include "graphics/PcxLoader.h"
#include "textures/TextureName.h"

namespace tessmoor {

namespace {

int FrameCount(const TextureEntry& entry) { return std::clamp(entry.frameCount, 0, MaxFrames); }

// Nothing for an index beyond the map's texture table.
const TextureEntry* EntryOf(const MapDocument& document, uint16_t texture) {
  if (texture >= MaxTextures || int(texture) >= document.textureCount) return nullptr;
  return &document.textures[texture];
}

uint8_t Widen(unsigned component) { return uint8_t((component << 3) | (component >> 2)); }

void AppendBytes(void* context, void* data, int size) {
  auto* bytes = static_cast<std::vector<uint8_t>*>(context);
  const auto* begin = static_cast<const uint8_t*>(data);
  bytes->insert(bytes->end(), begin, begin + size);
}

}  // namespace

TextureDescription DescribeTexture(const MapDocument& document, uint16_t texture) {
  TextureDescription description;
  const TextureEntry* entry = EntryOf(document, texture);
  if (!entry) return description;
  description.name = TextureNameText(*entry);
  description.animationType = entry->animationType;
  for (int f = 0; f < FrameCount(*entry); ++f) {
    description.frameNames.push_back(FrameNameText(entry->frames[size_t(f)]));
  }
  return description;
}

std::string MaterialName(MaterialKey key) {
  std::string name = "textur" + std::to_string(key.texture);
  if (key.IsBlended()) name += "_deckkraft" + std::to_string(key.opacity);
  return name;
}

const TexturePng* TexturePngs::Find(uint16_t texture) const {
  for (const TexturePng& picture : pictures) {
    if (picture.texture == texture) return picture.png.empty() ? nullptr : &picture;
  }
  return nullptr;
}

std::vector<uint8_t> EncodePng(const HiColorImage& picture) {
  std::vector<uint8_t> png;
  if (picture.IsEmpty()) return png;
  const size_t count = size_t(picture.width) * size_t(picture.height);
  std::vector<uint8_t> rgb(count * 3);
  for (size_t i = 0; i < count; ++i) {
    const RGB555 pixel = picture.pixels[i];
    rgb[i * 3] = Widen((pixel >> 10) & 31);
    rgb[i * 3 + 1] = Widen((pixel >> 5) & 31);
    rgb[i * 3 + 2] = Widen(pixel & 31);
  }
  stbi_write_png_to_func(AppendBytes, &png, picture.width, picture.height, 3, rgb.data(), picture.width * 3);
  return png;
}

TexturePngs EncodeTexturePngs(const MapDocument& document, const ExportScene& scene,
                              const std::string& programDirectory) {
  std::set<uint16_t> used;
  for (const ExportPrimitive& primitive : scene.primitives) used.insert(primitive.material.texture);
  TexturePngs result;
  for (uint16_t texture : used) {
    TexturePng& entry = result.pictures.emplace_back();
    entry.texture = texture;
    const TextureEntry* textureEntry = EntryOf(document, texture);
    if (!textureEntry || FrameCount(*textureEntry) == 0) continue;
    const std::string frame = ReadPascalString(textureEntry->frames[0].fileName, FrameNameCapacity);
    const std::string path = FramePicturePath(programDirectory, frame);
    HiColorImage picture;
    TakeGraphicsError();
    LoadPcxImage(LocateFramePicture(programDirectory, frame), picture);
    if (TakeGraphicsError() != GraphicsErrorCode::geNone || picture.IsEmpty()) {
      result.error = PictureLoadErrorMessage(path);
      return result;
    }
    entry.png = EncodePng(picture);
  }
  return result;
}

}  // namespace tessmoor
