#include "editor/windows/TestProfilesForm.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editor/widgets/FormRows.h"
#include "editor/widgets/PlainButton.h"

namespace tessmoor {

namespace {

QLineEdit* NewField(QWidget* parent, const char* name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  return field;
}

}  // namespace

TFrmTestProfiles::TFrmTestProfiles(QWidget* owner, DialogLayer& dialogs) : QDialog(owner), dialogs_(dialogs) {
  setObjectName("FrmTestProfiles");
  LstProfiles = new QListWidget(this);
  LstProfiles->setObjectName("LstProfiles");
  BtnNew = MakePlainButton("BtnNew", QString(), this);
  BtnDelete = MakePlainButton("BtnDelete", QString(), this);
  BtnDefault = MakePlainButton("BtnDefault", QString(), this);
  EdtName = NewField(this, "EdtName");
  EdtProgram = NewField(this, "EdtProgram");
  BtnProgram = MakePlainButton("BtnProgram", "...", this);
  BtnProgram->setFixedWidth(BtnProgram->fontMetrics().horizontalAdvance("...") * 4);
  EdtArguments = NewField(this, "EdtArguments");
  EdtFolder = NewField(this, "EdtFolder");
  ChkSaveFirst = new QCheckBox(this);
  ChkSaveFirst->setObjectName("ChkSaveFirst");
  LblHelp = new QLabel(this);
  LblHelp->setWordWrap(true);
  Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

  auto* listButtons = new QHBoxLayout;
  for (QPushButton* button : {BtnNew, BtnDelete, BtnDefault}) listButtons->addWidget(button);
  listButtons->addStretch();
  auto* fields = new QFormLayout;
  FieldLabels[0] = AddLabeledRow(fields, EdtName);
  auto* program = new QHBoxLayout;
  program->addWidget(EdtProgram);
  program->addWidget(BtnProgram);
  // A row of a layout gets no buddy by itself, and its Alt key would show as "&".
  FieldLabels[1] = new QLabel(this);
  FieldLabels[1]->setBuddy(EdtProgram);
  fields->addRow(FieldLabels[1], program);
  FieldLabels[2] = AddLabeledRow(fields, EdtArguments);
  FieldLabels[3] = AddLabeledRow(fields, EdtFolder);
  fields->addRow(QString(), ChkSaveFirst);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LstProfiles);
  layout->addLayout(listButtons);
  layout->addLayout(fields);
  layout->addWidget(LblHelp);
  layout->addWidget(Buttons);
  resize(520, 420);

  connect(LstProfiles, &QListWidget::currentRowChanged, this, &TFrmTestProfiles::ShowProfile);
  connect(BtnNew, &QPushButton::clicked, this, &TFrmTestProfiles::NewClick);
  connect(BtnDelete, &QPushButton::clicked, this, &TFrmTestProfiles::DeleteClick);
  connect(BtnDefault, &QPushButton::clicked, this, &TFrmTestProfiles::DefaultClick);
  connect(BtnProgram, &QPushButton::clicked, this, &TFrmTestProfiles::ChooseProgramClick);
  for (QLineEdit* field : {EdtName, EdtProgram, EdtArguments, EdtFolder})
    connect(field, &QLineEdit::textEdited, this, &TFrmTestProfiles::FieldEdited);
  connect(ChkSaveFirst, &QCheckBox::toggled, this, &TFrmTestProfiles::FieldEdited);
  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  Retranslate();
}

void TFrmTestProfiles::Retranslate() {
  setWindowTitle(tr("Testprofile"));
  BtnNew->setText(tr("&Neu"));
  BtnDelete->setText(tr("&Löschen"));
  BtnDefault->setText(tr("Als &Standard"));
  BtnProgram->setToolTip(tr("Programm wählen"));
  ChkSaveFirst->setText(tr("&Vorher speichern"));
  FieldLabels[0]->setText(tr("Na&me:"));
  FieldLabels[1]->setText(tr("&Programm:"));
  FieldLabels[2]->setText(tr("&Argumente:"));
  FieldLabels[3]->setText(tr("Arbeits&ordner:"));
  LblHelp->setText(
      tr("In den Argumenten: %m Modell, %k Karte, %x %y Startzelle, %g GFX-Ordner, %% Prozentzeichen. "
         "Jeder Platzhalter bleibt ein Argument; Leerzeichen trennen, \"...\" hält zusammen."));
  Buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
  FillList();
}

// After the children: the button box sets Qt's own texts on its buttons when
// the language changes, over the ones Retranslate gives them.
bool TFrmTestProfiles::event(QEvent* event) {
  const bool handled = QDialog::event(event);
  if (event->type() == QEvent::LanguageChange) Retranslate();
  return handled;
}

std::optional<TestProfiles> TFrmTestProfiles::Edit(const TestProfiles& profiles) {
  edited = profiles;
  NormalizeProfiles(edited);
  FillList();
  LstProfiles->setCurrentRow(edited.defaultIndex);
  ShowProfile(edited.defaultIndex);
  (edited.profiles.empty() ? static_cast<QWidget*>(BtnNew) : EdtProgram)->setFocus();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return edited;
}

TestProfile* TFrmTestProfiles::Current() {
  const int row = LstProfiles->currentRow();
  if (row < 0 || row >= static_cast<int>(edited.profiles.size())) return nullptr;
  return &edited.profiles[static_cast<size_t>(row)];
}

void TFrmTestProfiles::FillList() {
  const QSignalBlocker quiet(LstProfiles);
  const int row = LstProfiles->currentRow();
  LstProfiles->clear();
  for (size_t i = 0; i < edited.profiles.size(); ++i) {
    QString text = QString::fromStdString(edited.profiles[i].name);
    if (static_cast<int>(i) == edited.defaultIndex) text = tr("%1 (Standard)").arg(text);
    LstProfiles->addItem(text);
  }
  LstProfiles->setCurrentRow(std::min(row, LstProfiles->count() - 1));
}

void TFrmTestProfiles::ShowProfile(int row) {
  const TestProfile* profile =
      row >= 0 && row < static_cast<int>(edited.profiles.size()) ? &edited.profiles[static_cast<size_t>(row)] : nullptr;
  const TestProfile none;
  const TestProfile& shown = profile ? *profile : none;
  const QSignalBlocker quiet(ChkSaveFirst);
  EdtName->setText(QString::fromStdString(shown.name));
  EdtProgram->setText(QString::fromStdString(shown.program));
  EdtArguments->setText(QString::fromStdString(shown.arguments));
  EdtFolder->setText(QString::fromStdString(shown.workingFolder));
  ChkSaveFirst->setChecked(shown.saveFirst);
  for (QWidget* control : std::initializer_list<QWidget*>{EdtName, EdtProgram, EdtArguments, EdtFolder, ChkSaveFirst,
                                                          BtnProgram, BtnDelete, BtnDefault})
    control->setEnabled(profile != nullptr);
}

void TFrmTestProfiles::FieldEdited() {
  TestProfile* profile = Current();
  if (!profile) return;
  const bool renamed = profile->name != EdtName->text().toStdString();
  profile->name = EdtName->text().toStdString();
  profile->program = EdtProgram->text().toStdString();
  profile->arguments = EdtArguments->text().toStdString();
  profile->workingFolder = EdtFolder->text().toStdString();
  profile->saveFirst = ChkSaveFirst->isChecked();
  if (renamed) FillList();
}

void TFrmTestProfiles::NewClick() {
  const int row = AddProfile(edited);
  FillList();
  LstProfiles->setCurrentRow(row);
  EdtProgram->setFocus();
}

void TFrmTestProfiles::DeleteClick() {
  RemoveProfile(edited, LstProfiles->currentRow());
  FillList();
  ShowProfile(LstProfiles->currentRow());
}

void TFrmTestProfiles::DefaultClick() {
  SetDefaultProfile(edited, LstProfiles->currentRow());
  FillList();
}

void TFrmTestProfiles::ChooseProgramClick() {
  // Starts where the program named so far lies; with none yet, in the home folder.
  const QString named = EdtProgram->text();
  const QString start = named.contains('/') ? QFileInfo(named).absolutePath() : QDir::homePath();
  const std::optional<std::string> chosen = dialogs_.ChooseProgram(start.toStdString());
  if (!chosen) return;
  EdtProgram->setText(QString::fromStdString(*chosen));
  FieldEdited();
  EdtProgram->setFocus();
}

}  // namespace tessmoor
