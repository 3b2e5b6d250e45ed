#include "editor/mapview/ModifiedMark.h"

#include <QEvent>

namespace tessmoor {

ModifiedMark::ModifiedMark(QWidget* parent) : QLabel(parent) {
  setObjectName("LblModified");
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Retranslate();
}

void ModifiedMark::Show(bool modified) {
  modified_ = modified;
  setText(modified ? tr("geändert") : QString());
  setToolTip(modified ? tr("Die Karte hat Änderungen, die noch nicht gespeichert sind.") : QString());
}

void ModifiedMark::Retranslate() {
  // The width is kept while the text comes and goes, so nothing beside it moves.
  setMinimumWidth(fontMetrics().horizontalAdvance(tr("geändert")) + 8);
  Show(modified_);
}

void ModifiedMark::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QLabel::changeEvent(event);
}

}  // namespace tessmoor
