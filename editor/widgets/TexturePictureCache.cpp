#include "editor/widgets/TexturePictureCache.h"

#include <QPixmap>
#include <algorithm>
#include <limits>

#include "editor/widgets/HiColorQImage.h"

namespace tessmoor {

namespace {

int TableSize(const MapDocument& map) { return std::clamp(map.textureCount, 0, MaxTextures); }

void Mix(uint64_t& hash, uint64_t value) {
  hash ^= value;
  hash *= 0x100000001b3ull;
}

void MixBytes(uint64_t& hash, const uint8_t* bytes, size_t size) {
  for (size_t i = 0; i < size; ++i) Mix(hash, bytes[i]);
}

// Everything a list shows of an entry: its name, its frames' names and their
// pixels. The pixels are hashed, not only their buffer's address, since a
// freed buffer's address can come back holding another picture.
uint64_t Fingerprint(const TextureEntry& entry) {
  uint64_t hash = 0xcbf29ce484222325ull;
  MixBytes(hash, entry.name, 1u + entry.name[0]);
  const int frames = std::clamp(entry.frameCount, 0, MaxFrames);
  Mix(hash, static_cast<uint64_t>(frames));
  for (int f = 0; f < frames; ++f) {
    const TextureFrame& frame = entry.frames[static_cast<size_t>(f)];
    MixBytes(hash, frame.fileName, 1u + frame.fileName[0]);
    const HiColorImage& image = frame.thumbnail;
    Mix(hash, static_cast<uint64_t>(image.width) << 32 | static_cast<uint32_t>(image.height));
    Mix(hash, static_cast<uint64_t>(image.madeFromWidth) << 32 | static_cast<uint32_t>(image.madeFromHeight));
    if (image.IsEmpty()) continue;
    const size_t pixels = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
    for (size_t p = 0; p < pixels; ++p) Mix(hash, image.pixels[p]);
  }
  return hash;
}

}  // namespace

TexturePictureCache::TexturePictureCache(DocumentModel& model) : model_(model) {
  model_.AddObserver(this);
  Refresh();
}

TexturePictureCache::~TexturePictureCache() { model_.RemoveObserver(this); }

QIcon TexturePictureCache::Picture(int texture, int frame, int side) {
  Refresh();
  const Key key{texture, frame, side, ChangeCount(texture)};
  const auto found = pictures_.find(key);
  if (found != pictures_.end()) return found->second.icon;
  if (frame > 0 && texture != animated_) {
    Forget(animated_, true);
    animated_ = texture;
  }
  return pictures_.emplace(key, Make(texture, frame, side)).first->second.icon;
}

size_t TexturePictureCache::Bytes() const {
  size_t bytes = 0;
  for (const auto& [key, kept] : pictures_) bytes += kept.bytes;
  return bytes;
}

uint64_t TexturePictureCache::ChangeCount(int texture) const {
  return texture >= 0 && texture < MaxTextures ? counts_[static_cast<size_t>(texture)] : 0;
}

void TexturePictureCache::Refresh() {
  const MapDocument& map = model_.Map();
  if (seenNotices_ == model_.TableNoticeCount() && seenMap_ == map.mapId) return;
  seenNotices_ = model_.TableNoticeCount();
  if (seenMap_ != map.mapId) seen_.clear();  // another map: no entry is the same
  seenMap_ = map.mapId;
  const int size = TableSize(map);
  const int known = static_cast<int>(seen_.size());
  seen_.resize(static_cast<size_t>(size));
  for (int t = 0; t < std::max(size, known); ++t) {
    if (t < size) {
      const uint64_t print = Fingerprint(map.textures[static_cast<size_t>(t)]);
      if (t < known && seen_[static_cast<size_t>(t)] == print) continue;
      seen_[static_cast<size_t>(t)] = print;
    }
    counts_[static_cast<size_t>(t)] = ++lastCount_;
    Forget(t);
  }
}

TexturePictureCache::Kept TexturePictureCache::Make(int texture, int frame, int side) const {
  const MapDocument& map = model_.Map();
  if (texture < 0 || texture >= TableSize(map) || side <= 0) return {};
  const TextureEntry& entry = map.textures[static_cast<size_t>(texture)];
  if (frame < 0 || frame >= std::min(entry.frameCount, MaxFrames)) return {};
  const QImage picture = ToQImage(entry.frames[static_cast<size_t>(frame)].thumbnail);
  if (picture.isNull()) return {};
  const QPixmap pixmap = QPixmap::fromImage(picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  return {QIcon(pixmap), static_cast<size_t>(pixmap.width()) * static_cast<size_t>(pixmap.height()) * 4u};
}

void TexturePictureCache::Forget(int texture, bool laterFramesOnly) {
  // The old keys can never be asked for again.
  const int firstFrame = laterFramesOnly ? 1 : std::numeric_limits<int>::min();
  constexpr int low = std::numeric_limits<int>::min();
  pictures_.erase(pictures_.lower_bound({texture, firstFrame, low, 0}), pictures_.lower_bound({texture + 1, low, low, 0}));
}

void TexturePictureCache::DocumentChanged(const DocumentChange&) { Refresh(); }

}  // namespace tessmoor
