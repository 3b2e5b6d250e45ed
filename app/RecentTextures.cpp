#include "app/RecentTextures.h"

#include <algorithm>

namespace tessmoor {

namespace {

size_t CellIndex(int x, int y) { return static_cast<size_t>(x * GridSize + y); }

CellRange ClampedToGrid(const CellRange& range) {
  return {std::max(range.x1, 0), std::max(range.y1, 0), std::min(range.x2, GridSize - 1),
          std::min(range.y2, GridSize - 1)};
}

}  // namespace

RecentTextures::RecentTextures(DocumentModel& model) : model_(model) {
  Restart();
  model_.AddObserver(this);
}

RecentTextures::~RecentTextures() { model_.RemoveObserver(this); }

void RecentTextures::Note(int texture) {
  if (texture < 0 || texture >= std::min(model_.Map().textureCount, MaxTextures)) return;
  std::erase(textures_, texture);
  textures_.insert(textures_.begin(), texture);
  if (textures_.size() > Capacity) textures_.resize(Capacity);
}

void RecentTextures::DocumentChanged(const DocumentChange& change) {
  if (change.Has(DocumentChangeFlag::DocumentReplaced)) return Restart();
  if (change.Has(DocumentChangeFlag::TexturesChanged)) FollowTableChange();
  if (change.Has(DocumentChangeFlag::CellsChanged)) NoteNewlySet(ClampedToGrid(change.cells));
}

void RecentTextures::Restart() {
  textures_.clear();
  const MapDocument& map = model_.Map();
  cells_.resize(GridCells);
  for (size_t c = 0; c < cells_.size(); ++c) cells_[c] = map.cells[c].texture;
  table_ = TableIdentities(map);
}

void RecentTextures::FollowTableChange() {
  std::vector<TextureIdentity> table = TableIdentities(model_.Map());
  const std::vector<int> target = FollowTable(table_, table);
  table_ = std::move(table);
  const auto follow = [&target](int texture) {
    return texture >= 0 && texture < static_cast<int>(target.size()) ? target[static_cast<size_t>(texture)] : -1;
  };
  std::vector<int> followed;
  for (const int texture : textures_) {
    if (follow(texture) >= 0) followed.push_back(follow(texture));
  }
  textures_ = std::move(followed);
  // The cells were renumbered with the table; a reference to an entry that
  // left becomes one to nothing, so whatever a cell names now counts as set.
  for (CellTextures& cell : cells_) {
    for (uint16_t& texture : cell) {
      if (texture == NoTexture) continue;
      const int moved = follow(texture);
      texture = moved < 0 ? NoTexture : static_cast<uint16_t>(moved);
    }
  }
}

void RecentTextures::NoteNewlySet(const CellRange& range) {
  const MapDocument& map = model_.Map();
  for (int x = range.x1; x <= range.x2; ++x) {
    for (int y = range.y1; y <= range.y2; ++y) {
      CellTextures& known = cells_[CellIndex(x, y)];
      const CellTextures& now = map.cells[CellIndex(x, y)].texture;
      for (int layer = 0; layer < SurfaceCount; ++layer) {
        if (now[layer] != known[layer] && now[layer] != NoTexture) Note(now[layer]);
      }
      known = now;
    }
  }
}

}  // namespace tessmoor
