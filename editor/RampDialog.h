#pragma once
// "Rampe": asks which surface to slope, in which direction, and from which
// start height to which end height.

#include <QDialog>
#include <optional>

#include "edit/CellRamp.h"

class QComboBox;
class QDoubleSpinBox;
class QPushButton;

namespace tessmoor {

class TFrmRamp : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmRamp(QWidget* parent = nullptr);

  // Shows `ramp` in the fields and runs the dialog modally; the chosen ramp
  // after OK (or Enter), nothing after Cancel.
  std::optional<RampSettings> AskRamp(const RampSettings& ramp);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  RampSettings Chosen() const;

  QComboBox* CboSurface;
  QComboBox* CboDirection;
  QDoubleSpinBox* SpnStart;
  QDoubleSpinBox* SpnEnd;
  QPushButton* BtnOK;
  QPushButton* BtnCancel;
};

}  // namespace tessmoor
