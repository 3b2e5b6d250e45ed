#pragma once
// "Testprofile": the list of ways to start the designer's engine, one of them
// the default. Edits go into a copy that replaces the list only with OK.

#include <QDialog>
#include <optional>

#include "app/TestProfile.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tessmoor {

class TFrmTestProfiles : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmTestProfiles(QWidget* owner);

  // Shows the dialog on `profiles`; the edited list after OK, nothing after Abbrechen.
  std::optional<TestProfiles> Edit(const TestProfiles& profiles);

 private:
  void FillList();
  void ShowProfile(int row);
  void FieldEdited();
  void NewClick();
  void DeleteClick();
  void DefaultClick();
  TestProfile* Current();

  TestProfiles edited;
  QListWidget* LstProfiles;
  QPushButton* BtnNew;
  QPushButton* BtnDelete;
  QPushButton* BtnDefault;
  QLineEdit* EdtName;
  QLineEdit* EdtProgram;
  QLineEdit* EdtArguments;
  QLineEdit* EdtFolder;
  QCheckBox* ChkSaveFirst;
};

}  // namespace tessmoor
