#include "editor/widgets/TexturePictureCache.h"

#include <QPixmap>
#include <algorithm>

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

QIcon TexturePictureCache::Picture(int texture, int frame) {
  Refresh();
  const Key key{texture, frame, ChangeCount(texture)};
  const auto found = pictures_.find(key);
  if (found != pictures_.end()) return found->second;
  return pictures_.emplace(key, Make(texture, frame)).first->second;
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

QIcon TexturePictureCache::Make(int texture, int frame) const {
  const MapDocument& map = model_.Map();
  if (texture < 0 || texture >= TableSize(map)) return {};
  const TextureEntry& entry = map.textures[static_cast<size_t>(texture)];
  if (frame < 0 || frame >= std::min(entry.frameCount, MaxFrames)) return {};
  const QImage picture = ToQImage(entry.frames[static_cast<size_t>(frame)].thumbnail);
  if (picture.isNull()) return {};
  return QIcon(QPixmap::fromImage(picture.scaled(Side, Side, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TexturePictureCache::Forget(int texture) {
  // The old keys can never be asked for again.
  pictures_.erase(pictures_.lower_bound({texture, 0, 0}), pictures_.lower_bound({texture + 1, 0, 0}));
}

void TexturePictureCache::DocumentChanged(const DocumentChange&) { Refresh(); }

}  // namespace tessmoor
