#include "edit/DocumentModel.h"

#include <algorithm>
#include <utility>

#include "edit/CompositeCommand.h"

namespace tessmoor {

DocumentChange& DocumentChange::operator|=(const DocumentChange& other) {
  if (other.Has(DocumentChangeFlag::CellsChanged)) {
    cells = Has(DocumentChangeFlag::CellsChanged)
                ? CellRange{std::min(cells.x1, other.cells.x1), std::min(cells.y1, other.cells.y1),
                            std::max(cells.x2, other.cells.x2), std::max(cells.y2, other.cells.y2)}
                : other.cells;
  }
  what |= other.what;
  return *this;
}

DocumentModel::DocumentModel(HistoryLimits limits) : map_(std::make_unique<MapDocument>()), history_(limits) {
  ClearDocument(*map_, true);
}

void DocumentModel::SetSlotCell(int slot, const MapCell& cell, std::shared_ptr<const Stamp> missing) {
  PaletteSlot& target = map_->paletteSlots[static_cast<size_t>(ClampedSlot(slot))];
  target.cell = cell;
  target.filled = true;
  target.missing = std::move(missing);
  Tell({DocumentChangeFlag::PaletteChanged, NoCells});
}

void DocumentModel::SetCurrentSlot(int slot) {
  if (map_->currentSlot == ClampedSlot(slot)) return;
  map_->currentSlot = ClampedSlot(slot);
  Tell({DocumentChangeFlag::PaletteChanged, NoCells});
}

void DocumentModel::Execute(std::unique_ptr<EditCommand> command) {
  if (!command) return;
  const DocumentChange change = command->Change();
  if (InTransaction()) {
    command->Apply(*map_);
    pending_.push_back(std::move(command));
  } else {
    history_.Execute(*map_, std::move(command));
  }
  Notify(change);
}

void DocumentModel::BeginTransaction(StepName name, std::string label) {
  if (!InTransaction()) {
    transactionName_ = name;
    transactionLabel_ = std::move(label);
  }
  transactionMarks_.push_back(pending_.size());
}

void DocumentModel::CommitTransaction() {
  if (!InTransaction()) return;
  transactionMarks_.pop_back();
  if (InTransaction() || pending_.empty()) return;
  auto step = std::make_unique<CompositeCommand>(transactionName_, std::move(pending_));
  step->SetLabel(transactionLabel_);
  history_.Record(std::move(step));
  pending_.clear();
  Notify({DocumentChangeFlag::None, NoCells});
}

void DocumentModel::RollbackTransaction() {
  if (!InTransaction()) return;
  const size_t mark = transactionMarks_.back();
  transactionMarks_.pop_back();
  if (pending_.size() == mark) return;
  DocumentChange reverted{DocumentChangeFlag::None, NoCells};
  while (pending_.size() > mark) {
    pending_.back()->Revert(*map_);
    reverted |= pending_.back()->Change();
    pending_.pop_back();
  }
  Notify(reverted);
}

bool DocumentModel::Undo() {
  if (InTransaction()) return false;
  const EditCommand* step = history_.Undo(*map_);
  if (step != nullptr) Notify(step->Change());
  return step != nullptr;
}

bool DocumentModel::Redo() {
  if (InTransaction()) return false;
  const EditCommand* step = history_.Redo(*map_);
  if (step != nullptr) Notify(step->Change());
  return step != nullptr;
}

void DocumentModel::Replace(const std::function<void(MapDocument&)>& fill, bool modified) {
  // Another map's edits have nothing to roll back or make a step of.
  pending_.clear();
  transactionMarks_.clear();
  fill(*map_);
  // Another map now, even when its file is the same: a block copied before pastes as from elsewhere.
  map_->mapId = NewMapId();
  history_.Clear();
  if (modified) history_.SetCleanUnreachable();
  Notify({DocumentChangeFlag::CellsChanged | DocumentChangeFlag::TexturesChanged |
              DocumentChangeFlag::StartPositionChanged | DocumentChangeFlag::FileNameChanged |
              DocumentChangeFlag::DocumentReplaced,
          WholeGrid});
}

MapFileResult DocumentModel::Save(const std::string& path, FileOps& ops) {
  MapFileResult result = SaveMap(*map_, path, ops);
  if (!result.ok) return result;
  history_.SetClean();
  const bool renamed = map_->fileName != path;
  map_->fileName = path;
  Notify({renamed ? DocumentChangeFlag::FileNameChanged : DocumentChangeFlag::None, NoCells});
  return result;
}

void DocumentModel::SetFileName(const std::string& fileName) {
  if (map_->fileName == fileName) return;
  map_->fileName = fileName;
  Notify({DocumentChangeFlag::FileNameChanged, NoCells});
}

void DocumentModel::AddObserver(DocumentObserver* observer) { observers_.push_back(observer); }

void DocumentModel::AddLateObserver(DocumentObserver* observer) { lateObservers_.push_back(observer); }

void DocumentModel::RemoveObserver(DocumentObserver* observer) {
  std::erase(observers_, observer);
  std::erase(lateObservers_, observer);
}

void DocumentModel::Notify(DocumentChange change) {
  // Every change may move the history and the modified state; observers are
  // told when the modified state really flipped.
  change.what |= DocumentChangeFlag::HistoryChanged;
  map_->modified = IsModified();
  if (reportedModified_ != map_->modified) {
    reportedModified_ = map_->modified;
    change.what |= DocumentChangeFlag::ModifiedChanged;
  }
  Tell(change);
}

void DocumentModel::Tell(const DocumentChange& change) {
  if (change.Has(DocumentChangeFlag::TexturesChanged | DocumentChangeFlag::DocumentReplaced)) ++tableNotices_;
  // An observer may add or remove observers while it is told.
  for (const std::vector<DocumentObserver*>* list : {&observers_, &lateObservers_}) {
    const std::vector<DocumentObserver*> told = *list;
    for (DocumentObserver* observer : told) {
      if (std::find(list->begin(), list->end(), observer) != list->end()) observer->DocumentChanged(change);
    }
  }
}

}  // namespace tessmoor
