#pragma once
// "Rampe": asks which surface to slope, in which direction, and from which
// start height to which end height.

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "edit/CellRamp.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace tessmoor {

class TFrmRamp : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmRamp(QWidget* parent = nullptr);

  // Shows `ramp` in the fields and runs the dialog modally; the chosen ramp
  // after OK (or Enter), nothing after Cancel.
  std::optional<RampSettings> AskRamp(const RampSettings& ramp);

  // Told the ramp the fields describe when the dialog opens and after every
  // change, so the map can show it before it is applied.
  std::function<void(const RampSettings&)> OnChange;

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Retranslate();
  RampSettings Chosen() const;
  void Changed();

  QComboBox* CboSurface;
  QComboBox* CboDirection;
  QDoubleSpinBox* SpnStart;
  QDoubleSpinBox* SpnEnd;
  std::array<QLabel*, 4> Labels;
  QPushButton* BtnOK;
  QPushButton* BtnCancel;
};

}  // namespace tessmoor
