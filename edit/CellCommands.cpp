#include "edit/CellCommands.h"

#include <algorithm>
#include <utility>

namespace tessmoor {

namespace {

class StartPositionCommand : public EditCommand {
 public:
  explicit StartPositionCommand(StartPosition position) : EditCommand(StartPositionStepName), position_(position) {}
  void Apply(MapDocument& document) override { std::swap(document.startPosition, position_); }
  void Revert(MapDocument& document) override { std::swap(document.startPosition, position_); }
  DocumentChange Change() const override { return {DocumentChangeFlag::StartPositionChanged, NoCells}; }
  size_t MemoryCost() const override { return sizeof(*this); }

 private:
  StartPosition position_;
};

int Height(CellRange range) { return range.y2 - range.y1 + 1; }

}  // namespace

int BlockCellCount(CellRange range) { return (range.x2 - range.x1 + 1) * Height(range); }

CellBlockCommand::CellBlockCommand(StepName name, CellRange range, std::unique_ptr<MapCell[]> cells)
    : EditCommand(name), range_(range), cells_(std::move(cells)) {}

size_t CellBlockCommand::MemoryCost() const {
  return sizeof(*this) + sizeof(MapCell) * static_cast<size_t>(BlockCellCount(range_));
}

void CellBlockCommand::Swap(MapDocument& document) {
  // A grid column is contiguous, so each column of the block is one swap_ranges.
  const int height = Height(range_);
  for (int x = range_.x1; x <= range_.x2; ++x) {
    MapCell* column = &document.Cell(x, range_.y1);
    std::swap_ranges(column, column + height, &cells_[static_cast<size_t>((x - range_.x1) * height)]);
  }
}

std::unique_ptr<MapCell[]> UniformBlock(CellRange range, const MapCell& cell) {
  const auto count = static_cast<size_t>(BlockCellCount(range));
  auto block = std::make_unique_for_overwrite<MapCell[]>(count);
  std::fill_n(block.get(), count, cell);
  return block;
}

std::unique_ptr<MapCell[]> CopyBlock(const MapDocument& document, CellRange range) {
  const int height = Height(range);
  auto block = std::make_unique_for_overwrite<MapCell[]>(static_cast<size_t>(BlockCellCount(range)));
  for (int x = range.x1; x <= range.x2; ++x) {
    std::copy_n(&document.Cell(x, range.y1), height, &block[static_cast<size_t>((x - range.x1) * height)]);
  }
  return block;
}

void SetCell(DocumentModel& model, GridPoint cell, const MapCell& value, StepName stepName) {
  if (cell.x < 0 || cell.x >= GridSize || cell.y < 0 || cell.y >= GridSize) return;
  const CellRange range{cell.x, cell.y, cell.x, cell.y};
  model.Execute(std::make_unique<CellBlockCommand>(stepName, range, UniformBlock(range, value)));
}

void FillCells(DocumentModel& model, CellRange range, const MapCell& value) {
  model.Execute(std::make_unique<CellBlockCommand>(FillStepName, range, UniformBlock(range, value)));
}

void SetStartPosition(DocumentModel& model, StartPosition position) {
  model.Execute(std::make_unique<StartPositionCommand>(position));
}

}  // namespace tessmoor
