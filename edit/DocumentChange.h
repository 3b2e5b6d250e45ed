#pragma once
// What an edit, an undo or a load changed, as the document's observers are told.

#include <cstdint>

#include "document/MapDocument.h"

namespace tessmoor {

enum class DocumentChangeFlag : uint32_t {
  None = 0,
  CellsChanged = 1u << 0,     // the cells in `cells`
  TexturesChanged = 1u << 1,  // the texture table (names, frames, animation, count)
  StartPositionChanged = 1u << 2,
  FileNameChanged = 1u << 3,
  ModifiedChanged = 1u << 4,
  HistoryChanged = 1u << 5,    // what undo and redo would do
  DocumentReplaced = 1u << 6,  // new, opened or recovered: everything, history cleared
  PaletteChanged = 1u << 7,    // a palette slot's cell or the current slot: tool state, never a step
};

constexpr DocumentChangeFlag operator|(DocumentChangeFlag a, DocumentChangeFlag b) {
  return static_cast<DocumentChangeFlag>(static_cast<uint32_t>(a) | static_cast<uint32_t>(b));
}
constexpr DocumentChangeFlag operator&(DocumentChangeFlag a, DocumentChangeFlag b) {
  return static_cast<DocumentChangeFlag>(static_cast<uint32_t>(a) & static_cast<uint32_t>(b));
}
constexpr DocumentChangeFlag& operator|=(DocumentChangeFlag& a, DocumentChangeFlag b) { return a = a | b; }

inline constexpr CellRange WholeGrid{0, 0, GridSize - 1, GridSize - 1};
inline constexpr CellRange NoCells{0, 0, -1, -1};

struct DocumentChange {
  DocumentChangeFlag what = DocumentChangeFlag::None;
  CellRange cells = NoCells;  // meaningful with CellsChanged

  // Any of `flags`.
  bool Has(DocumentChangeFlag flags) const { return (what & flags) != DocumentChangeFlag::None; }
  bool TouchesCell(int x, int y) const {
    return Has(DocumentChangeFlag::CellsChanged) && Contains(cells, {x, y});
  }
  // Both changes in one: the cell ranges grow to the rectangle around both.
  DocumentChange& operator|=(const DocumentChange& other);
};

class DocumentObserver {
 public:
  virtual ~DocumentObserver() = default;
  virtual void DocumentChanged(const DocumentChange& change) = 0;
};

}  // namespace tessmoor
