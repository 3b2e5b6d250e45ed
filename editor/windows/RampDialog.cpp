#include "editor/windows/RampDialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/widgets/FormRows.h"
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
  CboSurface = new QComboBox(this);
  CboSurface->setObjectName(QStringLiteral("CboSurface"));
  CboSurface->addItems({QString(), QString()});
  CboDirection = new QComboBox(this);
  CboDirection->setObjectName(QStringLiteral("CboDirection"));
  // In the order of RampDirection.
  CboDirection->addItems({QString(), QString(), QString(), QString()});
  SpnStart = HeightField(this, "SpnStart");
  SpnEnd = HeightField(this, "SpnEnd");

  BtnOK = new QPushButton(this);
  BtnOK->setObjectName(QStringLiteral("BtnOK"));
  BtnOK->setDefault(true);
  BtnCancel = new QPushButton(this);
  BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
  connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* fields = new QFormLayout;
  Labels = {AddLabeledRow(fields, CboSurface), AddLabeledRow(fields, CboDirection), AddLabeledRow(fields, SpnStart),
            AddLabeledRow(fields, SpnEnd)};
  LayOutWithOkCancel(*this, fields, BtnOK, BtnCancel);
  Retranslate();

  connect(CboSurface, &QComboBox::currentIndexChanged, this, &TFrmRamp::Changed);
  connect(CboDirection, &QComboBox::currentIndexChanged, this, &TFrmRamp::Changed);
  connect(SpnStart, &QDoubleSpinBox::valueChanged, this, &TFrmRamp::Changed);
  connect(SpnEnd, &QDoubleSpinBox::valueChanged, this, &TFrmRamp::Changed);
}

void TFrmRamp::Retranslate() {
  setWindowTitle(tr("Rampe"));
  CboSurface->setItemText(0, tr("Boden"));
  CboSurface->setItemText(1, tr("Decke"));
  CboDirection->setItemText(0, tr("nach rechts"));
  CboDirection->setItemText(1, tr("nach links"));
  CboDirection->setItemText(2, tr("nach unten"));
  CboDirection->setItemText(3, tr("nach oben"));
  Labels[0]->setText(tr("&Fläche:"));
  Labels[1]->setText(tr("&Richtung:"));
  Labels[2]->setText(tr("&Starthöhe:"));
  Labels[3]->setText(tr("&Endhöhe:"));
  BtnOK->setText(tr("&OK"));
  BtnCancel->setText(tr("&Abbrechen"));
}

void TFrmRamp::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
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
