#include "editor/windows/EditorSetStartPosForm.h"

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
  setWindowTitle(QStringLiteral("Startposition festlegen"));
  SpnPosX = new IntSpinField(this);
  SpnPosX->setObjectName(QStringLiteral("SpnPosX"));
  SpnPosY = new IntSpinField(this);
  SpnPosY->setObjectName(QStringLiteral("SpnPosY"));
  auto* caption = new QLabel(QStringLiteral("&Spieler startet an Position:"), this);
  caption->setBuddy(SpnPosX);
  auto* separator = new QLabel(QStringLiteral("/"), this);

  BtnOK = new QPushButton(QStringLiteral("&OK"), this);
  BtnOK->setObjectName(QStringLiteral("BtnOK"));
  BtnOK->setDefault(true);
  BtnCancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
  BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
  BtnOK->setMinimumWidth(BtnCancel->sizeHint().width());
  connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* fields = new QHBoxLayout;
  fields->addWidget(caption);
  fields->addWidget(SpnPosX);
  fields->addWidget(separator);
  fields->addWidget(SpnPosY);
  LayOutWithOkCancel(*this, fields, BtnOK, BtnCancel);
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
