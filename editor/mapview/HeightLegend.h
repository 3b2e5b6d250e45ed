#pragma once
// The tool bar's key to the heights overlay's colours: the ramp from the lowest
// height of the map to the highest, with both written at its ends.

#include <QWidget>

#include "view/PlanOverlays.h"

namespace tessmoor {

class HeightLegend : public QWidget {
  Q_OBJECT

 public:
  explicit HeightLegend(QWidget* parent);

  // Shows the ramp for `range`, or hides the legend when `shown` is false.
  void Show(bool shown, const HeightSpan& range);
  const HeightSpan& Range() const { return range_; }

  QSize sizeHint() const override;

 protected:
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void ShowToolTip();

  HeightSpan range_;
  bool shown_ = false;
};

}  // namespace tessmoor
