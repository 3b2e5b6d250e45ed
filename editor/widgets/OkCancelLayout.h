#pragma once
// The small dialogs' shape: their fields on top and, after a gap, OK and
// Abbrechen at the right; the dialog keeps the size its contents need.

#include <QDialog>
#include <QHBoxLayout>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessmoor {

inline void LayOutWithOkCancel(QDialog& dialog, QLayout* fields, QPushButton* ok, QPushButton* cancel) {
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(fields);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tessmoor
