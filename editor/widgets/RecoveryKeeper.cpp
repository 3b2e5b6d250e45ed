#include "editor/widgets/RecoveryKeeper.h"

#include <QStandardPaths>

namespace tessmoor {

RecoveryKeeper::RecoveryKeeper(DocumentModel& model, const QString& folder, FileOps& ops)
    : model_(model), ops_(ops), slot_(folder.isEmpty() ? nullptr : RecoverySlot::Take(folder.toStdString())) {
  // One thread: writes and removals happen in the order they were asked for.
  writer_.setMaxThreadCount(1);
  timer_.setInterval(TickMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::Tick);
  model_.AddObserver(this);
}

RecoveryKeeper::~RecoveryKeeper() {
  model_.RemoveObserver(this);
  writer_.waitForDone();
  // The slot removes the copy and its lock: a normal end leaves nothing.
}

QString RecoveryKeeper::DefaultFolder() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return data.isEmpty() ? QString() : data + "/recovery/";
}

std::string RecoveryKeeper::CopyPath() const { return slot_ ? slot_->CopyPath() : std::string(); }

void RecoveryKeeper::WaitForWriter() { writer_.waitForDone(); }

void RecoveryKeeper::DocumentChanged(const DocumentChange& change) {
  // The palette's templates are not saved, so a copy would hold nothing new.
  if (!slot_ || change.what == DocumentChangeFlag::PaletteChanged) return;
  if (!model_.IsModified()) {
    // Saved, or the changes were thrown away (new, open, undone to the saved state).
    dirty_ = false;
    if (copyQueued_) QueueRemoval();
    return;
  }
  dirty_ = true;
  if (!timer_.isActive()) timer_.start();
}

void RecoveryKeeper::Tick() {
  if (writing_) return;  // the next tick takes what changed meanwhile
  if (writeFailed_.exchange(false) && model_.IsModified()) dirty_ = true;
  if (dirty_) {
    QueueWrite();
  } else {
    timer_.stop();
  }
}

void RecoveryKeeper::QueueWrite() {
  dirty_ = false;
  copyQueued_ = true;
  writing_ = true;
  const MapDocument& map = model_.Map();
  std::vector<uint8_t> bytes = MapFileBytes(map);
  std::string originalPath = map.IsUntitled() ? std::string() : map.fileName;
  writer_.start([this, bytes = std::move(bytes), originalPath = std::move(originalPath)] {
    if (!slot_->Write(bytes, originalPath, ops_)) writeFailed_ = true;
    writing_ = false;
  });
}

void RecoveryKeeper::QueueRemoval() {
  copyQueued_ = false;
  writer_.start([this] { slot_->RemoveCopy(); });
}

}  // namespace tessmoor
