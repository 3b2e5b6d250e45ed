#include "editor/mapview/HeightLegend.h"

#include <QEvent>
#include <QPainter>

#include "view/HeightText.h"

namespace tessmoor {

namespace {

constexpr int RampWidth = 96;
constexpr int RampHeight = 10;

QColor ToColor(RGB555 colour) {
  const auto channel = [](int value) { return value << 3 | value >> 2; };
  return QColor(channel(colour >> 10 & 31), channel(colour >> 5 & 31), channel(colour & 31));
}

QString Text(float height) {
  const HeightLabel label = FormatHeight(height);
  return QString::fromLatin1(label.text, label.length);
}

}  // namespace

HeightLegend::HeightLegend(QWidget* parent) : QWidget(parent) {
  setObjectName("LblHeightLegend");
  hide();
}

void HeightLegend::Show(bool shown, const HeightSpan& range) {
  const bool changed = !(range == range_);
  range_ = range;
  shown_ = shown;
  ShowToolTip();
  if (isVisible() != shown) {
    setVisible(shown);
    updateGeometry();
  } else if (changed) {
    updateGeometry();
    update();
  }
}

void HeightLegend::ShowToolTip() {
  setToolTip(shown_ ? tr("Höhen von %1 bis %2").arg(Text(range_.min), Text(range_.max)) : QString());
}

void HeightLegend::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ShowToolTip();
  QWidget::changeEvent(event);
}

QSize HeightLegend::sizeHint() const {
  const QFontMetrics metrics = fontMetrics();
  const int texts = metrics.horizontalAdvance(Text(range_.min)) + metrics.horizontalAdvance(Text(range_.max));
  return {texts + RampWidth + 16, RampHeight + 8};
}

void HeightLegend::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics = fontMetrics();
  const QString low = Text(range_.min), high = Text(range_.max);
  const int lowWidth = metrics.horizontalAdvance(low);
  const QRect ramp(lowWidth + 8, (height() - RampHeight) / 2, RampWidth, RampHeight);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(QRect(0, 0, lowWidth + 4, height()), Qt::AlignRight | Qt::AlignVCenter, low);
  painter.drawText(QRect(ramp.right() + 5, 0, width() - ramp.right() - 5, height()), Qt::AlignLeft | Qt::AlignVCenter,
                   high);
  // Drawn through the very function that colours the cells, column by column.
  const float span = range_.max - range_.min;
  for (int x = 0; x < ramp.width(); ++x) {
    const float height = range_.min + span * static_cast<float>(x) / static_cast<float>(ramp.width() - 1);
    painter.setPen(ToColor(HeightColour(height, range_)));
    painter.drawLine(ramp.left() + x, ramp.top(), ramp.left() + x, ramp.bottom());
  }
  painter.setPen(Qt::black);
  painter.drawRect(ramp.adjusted(-1, -1, 0, 0));
}

}  // namespace tessmoor
