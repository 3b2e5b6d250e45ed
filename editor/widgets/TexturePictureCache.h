#pragma once
// The pictures beside the names in the texture lists of every window: a frame's
// thumbnail scaled down once and shared, so refilling a list on each click costs
// no scaling. A texture table change forgets them all; the cache must therefore
// hear of a change before any window that refills a list in answer to it.

#include <QIcon>
#include <cstdint>
#include <map>
#include <tuple>

#include "edit/DocumentModel.h"

namespace tessmoor {

class TexturePictureCache : public DocumentObserver {
 public:
  static constexpr int Side = 32;

  // Observes `model` from now on; make it before the windows that use it.
  explicit TexturePictureCache(DocumentModel& model);
  ~TexturePictureCache() override;
  TexturePictureCache(const TexturePictureCache&) = delete;
  TexturePictureCache& operator=(const TexturePictureCache&) = delete;

  // The frame's thumbnail fitted into Side x Side with its aspect kept. A null
  // icon for a texture or frame the table lacks and for a frame without picture.
  QIcon Picture(int texture, int frame = 0);
  // Grows with every change of the texture table and every new document.
  uint64_t ChangeCount() const { return changeCount_; }

  void DocumentChanged(const DocumentChange& change) override;

 private:
  using Key = std::tuple<int, int, uint64_t>;  // texture, frame, change count

  QIcon Make(int texture, int frame) const;

  DocumentModel& model_;
  uint64_t changeCount_ = 0;
  std::map<Key, QIcon> pictures_;
};

}  // namespace tessmoor
