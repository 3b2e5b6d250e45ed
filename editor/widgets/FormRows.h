#pragma once
// A form row whose label text is set later, by the window's Retranslate: the
// label is made empty here and has the field as its buddy, so its Alt letter
// reaches the field in every language.

#include <QFormLayout>
#include <QLabel>

namespace tessmoor {

inline QLabel* AddLabeledRow(QFormLayout* form, QWidget* field) {
  auto* label = new QLabel(form->parentWidget());
  label->setBuddy(field);
  form->addRow(label, field);
  return label;
}

}  // namespace tessmoor
