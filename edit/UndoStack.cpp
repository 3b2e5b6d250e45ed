#include "edit/UndoStack.h"

namespace tessmoor {

void UndoStack::Execute(MapDocument& document, std::unique_ptr<EditCommand> command) {
  command->Apply(document);
  Record(std::move(command));
}

void UndoStack::Record(std::unique_ptr<EditCommand> command) {
  DropRedoSteps();
  const size_t charge = command->MemoryCost();
  bytes_ += charge;
  steps_.push_back({std::move(command), charge});
  ++current_;
  DropOldestBeyondLimits();
}

const EditCommand* UndoStack::Undo(MapDocument& document) {
  if (!CanUndo()) return nullptr;
  EditCommand& step = *steps_[--current_].command;
  step.Revert(document);
  return &step;
}

const EditCommand* UndoStack::Redo(MapDocument& document) {
  if (!CanRedo()) return nullptr;
  EditCommand& step = *steps_[current_++].command;
  step.Apply(document);
  return &step;
}

std::optional<StepName> UndoStack::UndoName() const {
  if (!CanUndo()) return std::nullopt;
  return steps_[current_ - 1].command->Name();
}

std::optional<StepName> UndoStack::RedoName() const {
  if (!CanRedo()) return std::nullopt;
  return steps_[current_].command->Name();
}

std::string UndoStack::UndoLabel() const { return CanUndo() ? steps_[current_ - 1].command->Label() : std::string(); }

std::string UndoStack::RedoLabel() const { return CanRedo() ? steps_[current_].command->Label() : std::string(); }

void UndoStack::Clear() {
  steps_.clear();
  current_ = 0;
  clean_ = 0;
  bytes_ = 0;
}

void UndoStack::DropRedoSteps() {
  // The saved state lay in the dropped branch: no step can reach it any more.
  if (clean_ > static_cast<long>(current_)) clean_ = -1;
  while (steps_.size() > current_) {
    DropStep(steps_.back());
    steps_.pop_back();
  }
}

void UndoStack::DropOldestBeyondLimits() {
  // The newest step always stays, whatever it costs: the user just made it.
  while (steps_.size() > 1 && bytes_ > limits_.maxBytes) {
    DropStep(steps_.front());
    steps_.pop_front();
    --current_;
    clean_ = clean_ > 0 ? clean_ - 1 : -1;
  }
}

void UndoStack::DropStep(const Step& step) { bytes_ -= step.charge; }

}  // namespace tessmoor
