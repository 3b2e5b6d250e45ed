#pragma once
// The history of executed commands, with the position the document is at and
// the position at which it was last saved or loaded.

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>

#include "edit/EditCommand.h"

namespace tessmoor {

// Steps are never dropped for their number, only when the history outgrows its
// memory: a thousand full-grid fills (196 KB each) still fit.
struct HistoryLimits {
  size_t maxBytes = size_t{256} << 20;
};

class UndoStack {
 public:
  explicit UndoStack(HistoryLimits limits = {}) : limits_(limits) {}

  // Applies the command and makes it the newest step; redo steps are dropped.
  void Execute(MapDocument& document, std::unique_ptr<EditCommand> command);
  // Makes a command that was applied already the newest step; redo steps are dropped.
  void Record(std::unique_ptr<EditCommand> applied);
  // Reverts or re-applies one step; nothing (nullptr) when there is none.
  const EditCommand* Undo(MapDocument& document);
  const EditCommand* Redo(MapDocument& document);

  bool CanUndo() const { return current_ > 0; }
  bool CanRedo() const { return current_ < steps_.size(); }
  // The steps Undo and Redo would take; nothing when there is none.
  std::optional<StepName> UndoName() const;
  std::optional<StepName> RedoName() const;
  // The steps' own labels; empty for none.
  std::string UndoLabel() const;
  std::string RedoLabel() const;

  // The document is at the saved state.
  bool IsClean() const { return clean_ == static_cast<long>(current_); }
  void SetClean() { clean_ = static_cast<long>(current_); }
  // No step leads back to the saved state (a recovered document).
  void SetCleanUnreachable() { clean_ = -1; }
  void Clear();

  size_t StepCount() const { return steps_.size(); }
  // The steps Undo can take, oldest first; the rest are redo steps.
  size_t UndoCount() const { return current_; }
  // The sum of what each kept step was charged when it was executed.
  size_t MemoryUsed() const { return bytes_; }
  // What step `index` (0 = oldest) was charged; it is given back when the step is dropped.
  size_t StepCharge(size_t index) const { return steps_[index].charge; }

 private:
  void DropRedoSteps();
  void DropOldestBeyondLimits();

  // A step's cost can change as it is applied and reverted (a texture step holds
  // whichever entry is not in the table), so the stack gives back exactly what
  // it charged, never what the step would say later.
  struct Step {
    std::unique_ptr<EditCommand> command;
    size_t charge = 0;
  };
  void DropStep(const Step& step);

  HistoryLimits limits_;
  std::deque<Step> steps_;
  size_t current_ = 0;  // steps_[0 .. current_) are applied
  long clean_ = 0;      // -1: the saved state cannot be reached
  size_t bytes_ = 0;
};

}  // namespace tessmoor
