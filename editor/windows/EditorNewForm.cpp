#include "editor/windows/EditorNewForm.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessmoor {

TFrmNew::TFrmNew(QWidget* parent) : QDialog(parent) {
  RdoEraseAll = new QRadioButton(this);
  RdoEraseAll->setObjectName(QStringLiteral("RdoEraseAll"));
  RdoEraseAll->setChecked(true);
  RdoTakeOverTextures = new QRadioButton(this);
  RdoTakeOverTextures->setObjectName(QStringLiteral("RdoTakeOverTextures"));

  BtnOk = new QPushButton(this);
  BtnOk->setObjectName(QStringLiteral("BtnOk"));
  BtnOk->setDefault(true);
  BtnCancel = new QPushButton(this);
  BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
  connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BtnOk);
  buttons->addWidget(BtnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(RdoEraseAll);
  layout->addWidget(RdoTakeOverTextures);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  Retranslate();
}

void TFrmNew::Retranslate() {
  setWindowTitle(tr("Neu"));
  RdoEraseAll->setText(tr("&Alles neu"));
  RdoTakeOverTextures->setText(tr("&Texturen übernehmen"));
  BtnOk->setText(tr("&OK"));
  BtnCancel->setText(tr("&Abbrechen"));
  BtnOk->setMinimumWidth(BtnCancel->sizeHint().width());
}

void TFrmNew::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

std::optional<NewMapKind> TFrmNew::Choose() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  return RdoTakeOverTextures->isChecked() ? NewMapKind::TakeOverTextures : NewMapKind::EraseAll;
}

}  // namespace tessmoor
