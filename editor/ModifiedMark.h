#pragma once
// "geändert" in the tool bar while the map has changes that are not saved. The
// caption keeps its classic form, so this is where a designer sees them. It
// follows the document: an edit shows it; a save, an undo back to the saved
// state or a load clears it.

#include <QLabel>

#include "edit/DocumentModel.h"

namespace tessmoor {

class ModifiedMark : public QLabel, private DocumentObserver {
 public:
  ModifiedMark(DocumentModel& model, QWidget* parent);
  ~ModifiedMark() override;

 private:
  void DocumentChanged(const DocumentChange& change) override;
  void Show();

  DocumentModel& model_;
};

}  // namespace tessmoor
