#include "editor/widgets/TexturePictureCache.h"

#include <QPixmap>
#include <algorithm>

#include "editor/widgets/HiColorQImage.h"

namespace tessmoor {

TexturePictureCache::TexturePictureCache(DocumentModel& model) : model_(model) { model_.AddObserver(this); }

TexturePictureCache::~TexturePictureCache() { model_.RemoveObserver(this); }

QIcon TexturePictureCache::Picture(int texture, int frame) {
  const Key key{texture, frame, changeCount_};
  const auto found = pictures_.find(key);
  if (found != pictures_.end()) return found->second;
  return pictures_.emplace(key, Make(texture, frame)).first->second;
}

QIcon TexturePictureCache::Make(int texture, int frame) const {
  const MapDocument& map = model_.Map();
  if (texture < 0 || texture >= std::min(map.textureCount, MaxTextures)) return {};
  const TextureEntry& entry = map.textures[static_cast<size_t>(texture)];
  if (frame < 0 || frame >= std::min(entry.frameCount, MaxFrames)) return {};
  const QImage picture = ToQImage(entry.frames[static_cast<size_t>(frame)].thumbnail);
  if (picture.isNull()) return {};
  return QIcon(QPixmap::fromImage(picture.scaled(Side, Side, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TexturePictureCache::DocumentChanged(const DocumentChange& change) {
  if (!change.Has(DocumentChangeFlag::TexturesChanged | DocumentChangeFlag::DocumentReplaced)) return;
  // The old keys can never be asked for again.
  ++changeCount_;
  pictures_.clear();
}

}  // namespace tessmoor
