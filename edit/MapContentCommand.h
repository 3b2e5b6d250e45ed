#pragma once
// A map's stored content (cells, start position, texture table) set to that of
// another version of the same map, as one step: what a script worked out on a
// copy of the map comes back so. The step keeps only what differs: the
// rectangle around the changed cells, and the table only when it changed.

#include <memory>
#include <vector>

#include "edit/EditCommand.h"

namespace tessmoor {

// `to` made a copy of `from`: the stored content, the palette and the file name.
void CopyMapContent(const MapDocument& from, MapDocument& to);

class MapContentCommand : public EditCommand {
 public:
  // Null when `after` stores exactly what `before` does.
  static std::unique_ptr<MapContentCommand> Between(StepName name, const MapDocument& before, const MapDocument& after);

  void Apply(MapDocument& document) override { Swap(document); }
  void Revert(MapDocument& document) override { Swap(document); }
  DocumentChange Change() const override;
  size_t MemoryCost() const override;

 private:
  explicit MapContentCommand(StepName name) : EditCommand(name) {}
  void Swap(MapDocument& document);

  CellRange cellRange_ = NoCells;
  std::vector<MapCell> cells_;  // the other version's cells of cellRange_, column by column
  bool startChanged_ = false;
  StartPosition start_;
  bool tableChanged_ = false;
  int32_t textureCount_ = 0;
  std::vector<TextureEntry> textures_;  // the other version's entries up to the larger count
};

}  // namespace tessmoor
