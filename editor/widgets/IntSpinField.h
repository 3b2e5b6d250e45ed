#pragma once
// An integer field that takes any 32-bit integer and reads 0 for text that is
// not one. A QSpinBox would refuse letters and snap back to its last value, but
// map values are typed freely and a stray letter must simply count as 0.

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QString>
#include <cstdint>

namespace tessmoor {

// The field's reading of a text: the integer it spells (blanks around it
// allowed), or 0 when it is not an integer inside the 32-bit range.
int32_t IntFieldValue(const QString& text);

class IntSpinField : public QAbstractSpinBox {
  Q_OBJECT

 public:
  explicit IntSpinField(QWidget* parent = nullptr);

  int32_t value() const;
  // Shows the value; the field counts as not edited again.
  void setValue(int32_t value);
  // No value: the cells it stands for differ. Empty, and not edited.
  void setMixed();
  bool isMixed() const;
  // Typed into, pasted into or stepped since the last setValue or setMixed.
  // Kept in the field itself: Qt rewrites the line's text on Return, on focus
  // loss and on re-validation, which clears the line's own modified flag
  // before a default button could ask for it.
  bool isEdited() const { return edited; }
  // The line the user types into.
  QLineEdit* Line() const { return lineEdit(); }

  // One arrow step is 1; the field stops at the ends of the 32-bit range.
  void stepBy(int steps) override;
  QValidator::State validate(QString& input, int& pos) const override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  StepEnabled stepEnabled() const override;

 private:
  void ShowNumber(int32_t value);

  bool edited = false;
};

}  // namespace tessmoor
