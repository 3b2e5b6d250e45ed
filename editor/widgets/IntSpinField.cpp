#include "editor/widgets/IntSpinField.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>
#include <limits>

namespace tessmoor {

namespace {

constexpr int64_t MinValue = std::numeric_limits<int32_t>::min();
constexpr int64_t MaxValue = std::numeric_limits<int32_t>::max();

// Wide enough for a six-digit negative value; longer numbers scroll.
const char* const WidthSample = "-999999";

}  // namespace

int32_t IntFieldValue(const QString& text) {
  bool ok = false;
  const qlonglong number = text.trimmed().toLongLong(&ok, 10);
  if (!ok || number < MinValue || number > MaxValue) return 0;
  return static_cast<int32_t>(number);
}

IntSpinField::IntSpinField(QWidget* parent) : QAbstractSpinBox(parent) {
  setValue(0);
  // textEdited comes from the user only (typing, pasting, cutting), never from setText.
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { edited = true; });
}

int32_t IntSpinField::value() const { return IntFieldValue(text()); }

void IntSpinField::setValue(int32_t value) {
  ShowNumber(value);
  edited = false;
}

void IntSpinField::setMixed() {
  lineEdit()->setText(QString());
  edited = false;
}

void IntSpinField::ShowNumber(int32_t value) { lineEdit()->setText(QString::number(value)); }

bool IntSpinField::isMixed() const { return text().trimmed().isEmpty(); }

void IntSpinField::stepBy(int steps) {
  const int64_t stepped = static_cast<int64_t>(value()) + steps;
  ShowNumber(static_cast<int32_t>(std::clamp(stepped, MinValue, MaxValue)));
  edited = true;  // arrow keys, the wheel and the step buttons are the user's change too
}

QValidator::State IntSpinField::validate(QString& input, int&) const {
  // Anything may be typed; a text that is no integer merely reads as 0.
  bool ok = false;
  const qlonglong number = input.trimmed().toLongLong(&ok, 10);
  return ok && number >= MinValue && number <= MaxValue ? QValidator::Acceptable : QValidator::Intermediate;
}

QAbstractSpinBox::StepEnabled IntSpinField::stepEnabled() const {
  if (isReadOnly()) return StepNone;
  const int32_t current = value();
  StepEnabled enabled = StepNone;
  if (current > MinValue) enabled |= StepDownEnabled;
  if (current < MaxValue) enabled |= StepUpEnabled;
  return enabled;
}

QSize IntSpinField::sizeHint() const {
  ensurePolished();
  QStyleOptionSpinBox option;
  initStyleOption(&option);
  const QFontMetrics metrics(font());
  const QSize content(metrics.horizontalAdvance(QLatin1String(WidthSample)) + 4, lineEdit()->sizeHint().height());
  return style()->sizeFromContents(QStyle::CT_SpinBox, &option, content, this);
}

QSize IntSpinField::minimumSizeHint() const { return sizeHint(); }

}  // namespace tessmoor
