#pragma once
// The history of executed commands, with the position the document is at and
// the position at which it was last saved or loaded.

#include <cstddef>
#include <deque>
#include <memory>
#include <string>

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
  // Reverts or re-applies one step; nothing (nullptr) when there is none.
  const EditCommand* Undo(MapDocument& document);
  const EditCommand* Redo(MapDocument& document);

  bool CanUndo() const { return current_ > 0; }
  bool CanRedo() const { return current_ < steps_.size(); }
  // The names of the steps Undo and Redo would take; empty when there is none.
  std::string UndoName() const;
  std::string RedoName() const;

  // The document is at the saved state.
  bool IsClean() const { return clean_ == static_cast<long>(current_); }
  void SetClean() { clean_ = static_cast<long>(current_); }
  // No step leads back to the saved state (a recovered document).
  void SetCleanUnreachable() { clean_ = -1; }
  void Clear();

  size_t StepCount() const { return steps_.size(); }
  size_t MemoryUsed() const { return bytes_; }

 private:
  void DropRedoSteps();
  void DropOldestBeyondLimits();

  HistoryLimits limits_;
  std::deque<std::unique_ptr<EditCommand>> steps_;
  size_t current_ = 0;  // steps_[0 .. current_) are applied
  long clean_ = 0;      // -1: the saved state cannot be reached
  size_t bytes_ = 0;
};

}  // namespace tessmoor
