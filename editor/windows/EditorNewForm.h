#pragma once
// "Neu": asks which kind of new map to make. The dialog lives for the whole
// run, so the choice made last time is offered again.

#include <QDialog>
#include <optional>

#include "app/DialogLayer.h"

class QPushButton;
class QRadioButton;

namespace tessmoor {

class TFrmNew : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmNew(QWidget* parent = nullptr);

  // Shows the dialog modally; the chosen kind on OK, nothing otherwise.
  std::optional<NewMapKind> Choose();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();

  QRadioButton* RdoEraseAll;
  QRadioButton* RdoTakeOverTextures;
  QPushButton* BtnOk;
  QPushButton* BtnCancel;
};

}  // namespace tessmoor
