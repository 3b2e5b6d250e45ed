#pragma once
// Keeps this editor's recovery copy of the document current: within a second of
// any change the map's bytes are taken on the GUI thread (cheap) and written on
// a worker thread, so a slow disk never freezes the window. A failed write says
// nothing and is tried again on the next tick. The copy goes away when the map
// is saved or its changes are thrown away, and when the keeper ends.

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <memory>

#include "document/RecoveryFolder.h"
#include "edit/DocumentModel.h"

namespace tessmoor {

class RecoveryKeeper : public QObject, public DocumentObserver {
 public:
  // The model must outlive the keeper. Without a folder nothing is kept.
  RecoveryKeeper(DocumentModel& model, const QString& folder, FileOps& ops = RealFileOps());
  ~RecoveryKeeper() override;

  // QStandardPaths' AppDataLocation + "/recovery/".
  static QString DefaultFolder();
  // This editor's copy path; "" when the folder could not be used.
  std::string CopyPath() const;
  // Until every queued write or removal has finished (tests).
  void WaitForWriter();

  void DocumentChanged(const DocumentChange& change) override;

  static constexpr int TickMilliseconds = 250;

 private:
  void Tick();
  void QueueWrite();
  void QueueRemoval();

  DocumentModel& model_;
  FileOps& ops_;
  std::unique_ptr<RecoverySlot> slot_;
  QThreadPool writer_;
  QTimer timer_;
  bool dirty_ = false;
  bool copyQueued_ = false;
  std::atomic<bool> writing_{false};
  std::atomic<bool> writeFailed_{false};
};

}  // namespace tessmoor
