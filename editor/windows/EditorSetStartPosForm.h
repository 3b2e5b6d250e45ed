#pragma once
// "Startposition festlegen": edits the player's start cell. Any 32-bit values
// are taken as typed; the grid does not limit them.

#include <QDialog>
#include <optional>

#include "document/MapDocument.h"

class QLabel;
class QPushButton;

namespace tessmoor {

class IntSpinField;

class TFrmSetStartPos : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmSetStartPos(QWidget* parent = nullptr);

  // Shows `position` in the fields and runs the dialog modally; the typed
  // position after OK, nothing after Cancel.
  std::optional<StartPosition> EditStartPosition(const StartPosition& position);

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Retranslate();
  IntSpinField* SpnPosX;
  IntSpinField* SpnPosY;
  QLabel* LblCaption;
  QPushButton* BtnOK;
  QPushButton* BtnCancel;
};

}  // namespace tessmoor
