#include "editor/windows/EditorSetStartPosForm.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "editor/widgets/IntSpinField.h"
#include "editor/widgets/OkCancelLayout.h"

namespace tessmoor {

TFrmSetStartPos::TFrmSetStartPos(QWidget* parent) : QDialog(parent) {
  SpnPosX = new IntSpinField(this);
  SpnPosX->setObjectName(QStringLiteral("SpnPosX"));
  SpnPosY = new IntSpinField(this);
  SpnPosY->setObjectName(QStringLiteral("SpnPosY"));
  LblCaption = new QLabel(this);
  LblCaption->setBuddy(SpnPosX);
  auto* separator = new QLabel(QStringLiteral("/"), this);

  BtnOK = new QPushButton(this);
  BtnOK->setObjectName(QStringLiteral("BtnOK"));
  BtnOK->setDefault(true);
  BtnCancel = new QPushButton(this);
  BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
  connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* fields = new QHBoxLayout;
  fields->addWidget(LblCaption);
  fields->addWidget(SpnPosX);
  fields->addWidget(separator);
  fields->addWidget(SpnPosY);
  LayOutWithOkCancel(*this, fields, BtnOK, BtnCancel);
  Retranslate();
}

void TFrmSetStartPos::Retranslate() {
  setWindowTitle(tr("Startposition festlegen"));
  LblCaption->setText(tr("&Spieler startet an Position:"));
  BtnOK->setText(tr("&OK"));
  BtnCancel->setText(tr("&Abbrechen"));
  BtnOK->setMinimumWidth(BtnCancel->sizeHint().width());
}

void TFrmSetStartPos::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

std::optional<StartPosition> TFrmSetStartPos::EditStartPosition(const StartPosition& position) {
  SpnPosX->setValue(position.x);
  SpnPosY->setValue(position.y);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return StartPosition{SpnPosX->value(), SpnPosY->value()};
}

void TFrmSetStartPos::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* target = screen() ? screen() : QGuiApplication::primaryScreen())
    move(target->availableGeometry().center() - rect().center());
  SpnPosX->setFocus();
  SpnPosX->selectAll();
}

}  // namespace tessmoor
