#include "editor/windows/AboutDialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessmoor {

QString ProgramVersion() { return QStringLiteral(TM_PROGRAM_VERSION); }

TFrmAbout::TFrmAbout(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("FrmAbout"));
  LblName = new QLabel(this);
  LblName->setObjectName(QStringLiteral("LblName"));
  QFont bold = LblName->font();
  bold.setBold(true);
  LblName->setFont(bold);
  LblVersion = new QLabel(this);
  LblVersion->setObjectName(QStringLiteral("LblVersion"));
  LblVersion->setTextInteractionFlags(Qt::TextSelectableByMouse);
  BtnOk = new QPushButton(this);
  BtnOk->setObjectName(QStringLiteral("BtnOk"));
  BtnOk->setDefault(true);
  connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BtnOk);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LblName);
  layout->addWidget(LblVersion);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  Retranslate();
}

void TFrmAbout::Retranslate() {
  setWindowTitle(tr("Über"));
  LblName->setText(tr("Tessmoor-Karteneditor"));
  LblVersion->setText(tr("Version %1").arg(ProgramVersion()));
  BtnOk->setText(tr("&OK"));
}

void TFrmAbout::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

}  // namespace tessmoor
