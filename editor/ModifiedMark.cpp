#include "editor/ModifiedMark.h"

namespace tessmoor {

ModifiedMark::ModifiedMark(DocumentModel& model, QWidget* parent) : QLabel(parent), model_(model) {
  setObjectName("LblModified");
  // The width is kept while the text comes and goes, so nothing beside it moves.
  setMinimumWidth(fontMetrics().horizontalAdvance("geändert") + 8);
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  model_.AddObserver(this);
  Show();
}

ModifiedMark::~ModifiedMark() { model_.RemoveObserver(this); }

void ModifiedMark::DocumentChanged(const DocumentChange&) { Show(); }

void ModifiedMark::Show() {
  const bool modified = model_.IsModified();
  setText(modified ? "geändert" : QString());
  setToolTip(modified ? "Die Karte hat Änderungen, die noch nicht gespeichert sind." : QString());
}

}  // namespace tessmoor
