#pragma once
// Placing a block of cells (a stamp or the clipboard's block) into the map,
// turned and mirrored, as one undoable step. A stamp brings its textures: those
// the map lacks join its table in the same step.

#include <memory>
#include <string>
#include <vector>

#include "document/MapDocument.h"
#include "document/Stamp.h"
#include "edit/BlockOrientation.h"
#include "edit/DocumentModel.h"
#include "edit/EditCommand.h"
#include "edit/StepName.h"

namespace tessmoor {

inline constexpr StepName PlaceStampStepName = StepName::PlaceStamp;

struct Placement {
  GridPoint at;  // where the oriented block's top-left cell lands
  Orientation orientation;
  // Shift every height of the block so its top-left cell's floor lands on the
  // floor of the cell at `at`.
  bool matchHeights = false;
};

struct PlacementResult {
  bool ok = false;
  CoreMessage message;               // why it was refused; None when there is nothing to tell
  CellRange range = {0, 0, -1, -1};  // the cells written
  int addedTextures = 0;
  explicit operator bool() const { return ok; }
};

// The cells a block of this size covers at `at`: what lies beyond column or
// row 63 is dropped. Empty (x2 < x1) when `at` is off the grid.
CellRange PlacedRange(GridPoint at, int32_t width, int32_t height);

// The oriented block as it would land (heights matched when asked), clipped
// like the placement; references are left as the block has them.
CellBlock PlacedCells(const DocumentModel& model, const CellBlock& block, const Placement& placement);

// A block whose references already number this map's table (the clipboard).
PlacementResult PlaceBlock(DocumentModel& model, const CellBlock& block, const Placement& placement, StepName stepName);

// A stamp into any map: each texture the placed cells use is found in the
// table by the same name and the same frame names, or appended (its pictures
// loaded from GFX/ below `programDirectory`; a missing picture leaves its frame
// without a thumbnail). When the table cannot take them all, nothing changes
// and the result carries the message.
PlacementResult PlaceStamp(DocumentModel& model, const Stamp& stamp, const Placement& placement,
                           const std::string& programDirectory, StepName stepName = PlaceStampStepName);

// The stamp's textures that `cells` use, numbered for this map's table: each
// found by the same name and frame names, or given the number it gets as one
// of `added`, the entries to append (pictures from GFX/ below
// `programDirectory`). `fits` is false when the table cannot take them all.
struct StampTextureTargets {
  std::vector<int> target;  // per texture of the stamp; -1 where no cell uses it
  std::vector<TextureEntry> added;
  bool fits = true;
};
StampTextureTargets TargetStampTextures(const MapDocument& map, const Stamp& stamp, const std::vector<MapCell>& cells,
                                        const std::string& programDirectory);
// The cell's references to the stamp's table turned into `target`'s numbers.
void RenumberTextures(MapCell& cell, const std::vector<int>& target);
// `cells` as one step with `added` appended to the table before it; `cells` alone when none is added.
std::unique_ptr<EditCommand> WithAddedTextures(StepName stepName, std::vector<TextureEntry> added,
                                               std::unique_ptr<EditCommand> cells);

// The map's entry is the stamp's texture: the same name and the same frame names.
bool SameTexture(const TextureEntry& entry, const StampTexture& texture);

// A map entry for a stamp's texture, its frames' thumbnails loaded from GFX/
// below `programDirectory`; a picture that cannot be read leaves its frame
// without a thumbnail.
TextureEntry StampTextureEntry(const StampTexture& texture, const std::string& programDirectory);

// The block's heights moved by `offset`: floor, water and every ceiling corner.
void ShiftHeights(CellBlock& block, float offset);

}  // namespace tessmoor
