#pragma once
// The pictures beside the names in every texture list: a frame's thumbnail
// scaled down once and shared, so refilling a list costs no scaling. Each
// texture has a change count that grows when its entry changes (name, frames,
// pictures, or another texture moving into its place); a picture is kept
// under its texture, frame and that count, so an edit re-makes the pictures of
// the textures it touched and no others.

#include <QIcon>
#include <array>
#include <cstdint>
#include <map>
#include <tuple>
#include <vector>

#include "edit/DocumentModel.h"

namespace tessmoor {

class TexturePictureCache : public DocumentObserver {
 public:
  static constexpr int Side = 32;

  // Observes `model` from now on.
  explicit TexturePictureCache(DocumentModel& model);
  ~TexturePictureCache() override;
  TexturePictureCache(const TexturePictureCache&) = delete;
  TexturePictureCache& operator=(const TexturePictureCache&) = delete;

  // The frame's thumbnail fitted into `side` x `side` with its aspect kept. A
  // null icon for a texture or frame the table lacks and for a frame without
  // picture. First frames are kept until their texture changes; the later
  // frames of one texture at a time, the one being animated, so pointing at
  // every texture in turn does not fill the memory with all their frames.
  QIcon Picture(int texture, int frame = 0, int side = Side);
  // Grows whenever the entry at table position `texture` changes.
  uint64_t ChangeCount(int texture) const;
  // After a table notice: compares the table with what the cache last saw and
  // counts each entry that differs as changed. Without a notice since the last
  // call it costs nothing, so every user calls it before reading, whichever of
  // them hears of a change first.
  void Refresh();
  // How many pictures the cache holds, and their pixels' bytes.
  size_t Size() const { return pictures_.size(); }
  size_t Bytes() const;

  void DocumentChanged(const DocumentChange& change) override;

 private:
  using Key = std::tuple<int, int, int, uint64_t>;  // texture, frame, side, change count
  struct Kept {
    QIcon icon;
    size_t bytes = 0;
  };

  Kept Make(int texture, int frame, int side) const;
  void Forget(int texture, bool laterFramesOnly = false);

  DocumentModel& model_;
  uint64_t lastCount_ = 0;  // the newest change count handed out
  uint64_t seenNotices_ = 0;
  uint64_t seenMap_ = 0;
  std::array<uint64_t, MaxTextures> counts_{};
  std::vector<uint64_t> seen_;  // per position: the fingerprint of the entry
  std::map<Key, Kept> pictures_;
  int animated_ = -1;  // the texture whose later frames are kept
};

}  // namespace tessmoor
