#pragma once
// The textures set on a cell last in one map, newest first ("Zuletzt benutzt").
//
// It watches the map's cells: whatever texture a change leaves on a cell's
// surface that was not there before counts as set, however the change came
// about (paint, fill, paste, the properties window, undo). It follows the
// table: when entries are deleted or put back, its positions move with them, an
// entry that left the table leaves the list, and a new map starts it empty.

#include <array>
#include <vector>

#include "edit/DocumentModel.h"
#include "textures/TextureIdentity.h"

namespace tessmoor {

class RecentTextures : public DocumentObserver {
 public:
  static constexpr int Capacity = 16;

  // Starts empty and listens to `model` until destroyed; `model` must outlive it.
  explicit RecentTextures(DocumentModel& model);
  ~RecentTextures() override;
  RecentTextures(const RecentTextures&) = delete;
  RecentTextures& operator=(const RecentTextures&) = delete;

  // Puts `texture` first, for a caller that set it without changing a cell;
  // a position outside the table is ignored.
  void Note(int texture);
  // Table positions, newest first, each once, at most Capacity of them.
  std::vector<int> Textures() const { return textures_; }

  void DocumentChanged(const DocumentChange& change) override;

 private:
  using CellTextures = PerSurface<uint16_t>;

  void Restart();
  void FollowTableChange();
  void NoteNewlySet(const CellRange& range);

  DocumentModel& model_;
  std::vector<int> textures_;
  // What the cells and the table were at the last change, to tell what a change set.
  std::vector<CellTextures> cells_;
  std::vector<TextureIdentity> table_;
};

}  // namespace tessmoor
