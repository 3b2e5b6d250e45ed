#include "editor/mapview/ModifiedMark.h"

namespace tessmoor {

ModifiedMark::ModifiedMark(QWidget* parent) : QLabel(parent) {
  setObjectName("LblModified");
  // The width is kept while the text comes and goes, so nothing beside it moves.
  setMinimumWidth(fontMetrics().horizontalAdvance("geändert") + 8);
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void ModifiedMark::Show(bool modified) {
  setText(modified ? "geändert" : QString());
  setToolTip(modified ? "Die Karte hat Änderungen, die noch nicht gespeichert sind." : QString());
}

}  // namespace tessmoor
