#pragma once
// A push button that Enter never presses: Enter in a dialog's field or list
// means the dialog's own default (or nothing), never a side or list button.

#include <QPushButton>
#include <QString>

namespace tessmoor {

inline QPushButton* MakePlainButton(const char* name, const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace tessmoor
