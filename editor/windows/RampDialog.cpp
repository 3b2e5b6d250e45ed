#include "editor/windows/RampDialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/widgets/OkCancelLayout.h"

namespace tessmoor {

namespace {

QDoubleSpinBox* HeightField(QWidget* parent, const char* name) {
  auto* field = new QDoubleSpinBox(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setDecimals(2);
  field->setRange(-1000000.0, 1000000.0);
  return field;
}

}  // namespace

TFrmRamp::TFrmRamp(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Rampe"));
  CboSurface = new QComboBox(this);
  CboSurface->setObjectName(QStringLiteral("CboSurface"));
  CboSurface->addItems({QStringLiteral("Boden"), QStringLiteral("Decke")});
  CboDirection = new QComboBox(this);
  CboDirection->setObjectName(QStringLiteral("CboDirection"));
  // In the order of RampDirection.
  CboDirection->addItems({QStringLiteral("nach rechts"), QStringLiteral("nach links"), QStringLiteral("nach unten"),
                          QStringLiteral("nach oben")});
  SpnStart = HeightField(this, "SpnStart");
  SpnEnd = HeightField(this, "SpnEnd");

  BtnOK = new QPushButton(QStringLiteral("&OK"), this);
  BtnOK->setObjectName(QStringLiteral("BtnOK"));
  BtnOK->setDefault(true);
  BtnCancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
  BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
  connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("&Fläche:"), CboSurface);
  fields->addRow(QStringLiteral("&Richtung:"), CboDirection);
  fields->addRow(QStringLiteral("&Starthöhe:"), SpnStart);
  fields->addRow(QStringLiteral("&Endhöhe:"), SpnEnd);
  LayOutWithOkCancel(*this, fields, BtnOK, BtnCancel);

  connect(CboSurface, &QComboBox::currentIndexChanged, this, &TFrmRamp::Changed);
  connect(CboDirection, &QComboBox::currentIndexChanged, this, &TFrmRamp::Changed);
  connect(SpnStart, &QDoubleSpinBox::valueChanged, this, &TFrmRamp::Changed);
  connect(SpnEnd, &QDoubleSpinBox::valueChanged, this, &TFrmRamp::Changed);
}

void TFrmRamp::Changed() {
  if (OnChange) OnChange(Chosen());
}

std::optional<RampSettings> TFrmRamp::AskRamp(const RampSettings& ramp) {
  CboSurface->setCurrentIndex(ramp.surface == RampSurface::Floor ? 0 : 1);
  CboDirection->setCurrentIndex(static_cast<int>(ramp.direction));
  SpnStart->setValue(ramp.start);
  SpnEnd->setValue(ramp.end);
  Changed();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Chosen();
}

RampSettings TFrmRamp::Chosen() const {
  return {CboSurface->currentIndex() == 0 ? RampSurface::Floor : RampSurface::Ceiling,
          static_cast<RampDirection>(CboDirection->currentIndex()), static_cast<float>(SpnStart->value()),
          static_cast<float>(SpnEnd->value())};
}

void TFrmRamp::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  SpnStart->setFocus();
  SpnStart->selectAll();
}

}  // namespace tessmoor
