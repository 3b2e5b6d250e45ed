#pragma once
// Keeps the four palette slots in the settings file, so that the templates a
// user filled are there again after a restart and in every map opened: each
// slot as a one-cell stamp, its textures by name and frames. A slot never
// filled has no entry and stays empty.

#include "edit/DocumentModel.h"

namespace tessmoor {

class SlotTemplatesKeeper : public DocumentObserver {
 public:
  // Fills the slots from the settings at once and after every new or opened map.
  explicit SlotTemplatesKeeper(DocumentModel& model);
  ~SlotTemplatesKeeper() override;
  SlotTemplatesKeeper(const SlotTemplatesKeeper&) = delete;
  SlotTemplatesKeeper& operator=(const SlotTemplatesKeeper&) = delete;

  void DocumentChanged(const DocumentChange& change) override;

 private:
  void Restore();
  void Remember();

  DocumentModel& model_;
  bool restoring_ = false;
};

}  // namespace tessmoor
