#pragma once
// The edits of the grid and of the start position.

#include <memory>
#include <string>

#include "edit/DocumentModel.h"
#include "edit/EditCommand.h"
#include "edit/StepName.h"

namespace tessmoor {

// Step names, as the Edit menu shows them.
inline constexpr StepName PaintStepName = StepName::Paint;
inline constexpr StepName FillStepName = StepName::Fill;
inline constexpr StepName PasteStepName = StepName::Paste;
inline constexpr StepName PropertiesStepName = StepName::Properties;
inline constexpr StepName StartPositionStepName = StepName::StartPosition;

// A rectangle of cells replaced by a block of the same size (column by column,
// block cell (i, j) at i * height + j). The block always holds the state that
// is not in the grid, so the step costs one copy of the cells it touches.
class CellBlockCommand : public EditCommand {
 public:
  CellBlockCommand(StepName name, CellRange range, std::unique_ptr<MapCell[]> cells);
  void Apply(MapDocument& document) override { Swap(document); }
  void Revert(MapDocument& document) override { Swap(document); }
  DocumentChange Change() const override { return {DocumentChangeFlag::CellsChanged, range_}; }
  size_t MemoryCost() const override;

 private:
  void Swap(MapDocument& document);

  CellRange range_;
  std::unique_ptr<MapCell[]> cells_;
};

// A block of the range's size, every cell `cell`.
std::unique_ptr<MapCell[]> UniformBlock(CellRange range, const MapCell& cell);
// The cells of `range` as they are now.
std::unique_ptr<MapCell[]> CopyBlock(const MapDocument& document, CellRange range);
int BlockCellCount(CellRange range);

// One cell replaced: a paint, or Apply in the properties window.
void SetCell(DocumentModel& model, GridPoint cell, const MapCell& value, StepName stepName);
// Every cell of `range` replaced by the same record.
void FillCells(DocumentModel& model, CellRange range, const MapCell& value);
// Values outside the grid are stored as given: a map may start anywhere.
void SetStartPosition(DocumentModel& model, StartPosition position);

}  // namespace tessmoor
