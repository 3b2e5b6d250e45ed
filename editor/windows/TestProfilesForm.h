#pragma once
// "Testprofile": the list of ways to start the designer's engine, one of them
// the default. Edits go into a copy that replaces the list only with OK.

#include <QDialog>
#include <array>
#include <optional>

#include "app/DialogLayer.h"
#include "app/TestProfile.h"

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tessmoor {

class TFrmTestProfiles : public QDialog {
  Q_OBJECT

 public:
  // "..." beside the program asks `dialogs` for the program file.
  TFrmTestProfiles(QWidget* owner, DialogLayer& dialogs);

  // Shows the dialog on `profiles`; the edited list after OK, nothing after Abbrechen.
  std::optional<TestProfiles> Edit(const TestProfiles& profiles);

 protected:
  bool event(QEvent* event) override;

 private:
  void Retranslate();
  void FillList();
  void ShowProfile(int row);
  void FieldEdited();
  void NewClick();
  void DeleteClick();
  void DefaultClick();
  void ChooseProgramClick();
  TestProfile* Current();

  DialogLayer& dialogs_;
  TestProfiles edited;
  QListWidget* LstProfiles;
  QPushButton* BtnNew;
  QPushButton* BtnDelete;
  QPushButton* BtnDefault;
  QLineEdit* EdtName;
  QLineEdit* EdtProgram;
  QPushButton* BtnProgram;
  QLineEdit* EdtArguments;
  QLineEdit* EdtFolder;
  QCheckBox* ChkSaveFirst;
  std::array<QLabel*, 4> FieldLabels;  // name, program, arguments, working folder
  QLabel* LblHelp;
  QDialogButtonBox* Buttons;
};

}  // namespace tessmoor
