#pragma once
// "geändert" in the tool bar while the map has changes that are not saved. The
// caption keeps its classic form, so this is where a designer sees them. The
// main window shows it after every change of the document: an edit shows it; a
// save, an undo back to the saved state or a load clears it.

#include <QLabel>

namespace tessmoor {

class ModifiedMark : public QLabel {
  Q_OBJECT

 public:
  explicit ModifiedMark(QWidget* parent);
  void Show(bool modified);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();

  bool modified_ = false;
};

}  // namespace tessmoor
