#include "editor/windows/EditorNewForm.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessmoor {

TFrmNew::TFrmNew(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Neu"));
  RdoEraseAll = new QRadioButton(QStringLiteral("&Alles neu"), this);
  RdoEraseAll->setObjectName(QStringLiteral("RdoEraseAll"));
  RdoEraseAll->setChecked(true);
  RdoTakeOverTextures = new QRadioButton(QStringLiteral("&Texturen übernehmen"), this);
  RdoTakeOverTextures->setObjectName(QStringLiteral("RdoTakeOverTextures"));

  BtnOk = new QPushButton(QStringLiteral("&OK"), this);
  BtnOk->setObjectName(QStringLiteral("BtnOk"));
  BtnOk->setDefault(true);
  BtnCancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
  BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
  BtnOk->setMinimumWidth(BtnCancel->sizeHint().width());
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
}

std::optional<NewMapKind> TFrmNew::Choose() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  return RdoTakeOverTextures->isChecked() ? NewMapKind::TakeOverTextures : NewMapKind::EraseAll;
}

}  // namespace tessmoor
