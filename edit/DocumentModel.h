#pragma once
// The one owner of the map. Whatever the map file stores (cells, start position,
// texture table) changes only through commands executed here, so every change
// can be undone and every observer hears of it. The palette slots live in the
// same record but are tool state: they change here too, so the observers hear
// of them, but they never enter the history nor mark the map modified.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/MapDocument.h"
#include "document/MapFile.h"
#include "edit/DocumentChange.h"
#include "edit/EditCommand.h"
#include "edit/UndoStack.h"

namespace tessmoor {

class DocumentModel {
 public:
  explicit DocumentModel(HistoryLimits limits = {});
  DocumentModel(const DocumentModel&) = delete;
  DocumentModel& operator=(const DocumentModel&) = delete;

  const MapDocument& Map() const { return *map_; }

  // The palette slots are the tools' templates: a change tells the observers
  // (PaletteChanged) but is no step and never marks the map modified. Slot
  // numbers are clamped to 0..3. The slot counts as filled from then on;
  // `missing` is what PaletteSlot::missing says.
  void SetSlotCell(int slot, const MapCell& cell, std::shared_ptr<const Stamp> missing = nullptr);
  void SetCurrentSlot(int slot);

  // Applies the command as a new step and tells the observers; inside a
  // transaction it becomes part of the transaction's step.
  void Execute(std::unique_ptr<EditCommand> command);
  // Neither moves while a transaction is open: false then.
  bool Undo();
  bool Redo();

  // Transactions: the edits between Begin and Commit become one step named
  // `name`, its parts in order; one that changed nothing leaves no step. They
  // nest: an inner one adds its edits to the outer one's step, and only the
  // outermost Commit makes the step. Rollback reverts, newest first, what the
  // innermost open transaction did and closes it.
  void BeginTransaction(StepName name, std::string label = {});
  void CommitTransaction();
  void RollbackTransaction();
  bool InTransaction() const { return !transactionMarks_.empty(); }
  const UndoStack& History() const { return history_; }

  // Not at the state of the last successful save or load.
  bool IsModified() const { return !history_.IsClean() || !pending_.empty(); }

  // Replaces the whole content (new map, open, recovery): `fill` gets the record
  // to rebuild, the history is cleared and the observers hear DocumentReplaced.
  // A replaced document with `modified` set counts as unsaved until it is saved.
  void Replace(const std::function<void(MapDocument&)>& fill, bool modified = false);

  // Saves atomically to `path`; on success the file name becomes `path` and the
  // current state is the saved one. On failure nothing changes.
  MapFileResult Save(const std::string& path, FileOps& ops = RealFileOps());
  void SetFileName(const std::string& fileName);

  // Grows by one with every notice that touches the texture table (an edit of
  // it or a new map), before any observer hears of it: whoever keeps the number
  // beside what it made from the table can tell whether that is still current,
  // whatever the order in which the observers are told.
  uint64_t TableNoticeCount() const { return tableNotices_; }

  void AddObserver(DocumentObserver* observer);
  // Told after every other observer, for those that act on what the others
  // have rebuilt for the change (the windows' pictures of a new texture table).
  void AddLateObserver(DocumentObserver* observer);
  void RemoveObserver(DocumentObserver* observer);

 private:
  void Notify(DocumentChange change);
  // Only the observers, for changes that leave history and modified state alone.
  void Tell(const DocumentChange& change);

  std::unique_ptr<MapDocument> map_;
  UndoStack history_;
  // The open transactions' edits, applied already, and where each transaction began among them.
  std::vector<std::unique_ptr<EditCommand>> pending_;
  std::vector<size_t> transactionMarks_;
  StepName transactionName_ = StepName::EditSelection;
  std::string transactionLabel_;
  std::vector<DocumentObserver*> observers_;
  std::vector<DocumentObserver*> lateObservers_;
  bool reportedModified_ = false;
  uint64_t tableNotices_ = 0;
};

}  // namespace tessmoor
