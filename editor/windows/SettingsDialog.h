#pragma once
// Extras > Einstellungen: the further picture folders, in the order they are
// searched after the user's own, how many backups are kept per map, and the
// language the program speaks.

#include <QDialog>
#include <functional>

class QDialogButtonBox;
class QLabel;
class QComboBox;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace tessmoor {

class TFrmSettings : public QDialog {
  Q_OBJECT

 public:
  // `chooseFolder` asks for a folder to add (empty: cancelled); tests script it.
  using FolderChooser = std::function<QString(QWidget* parent)>;
  explicit TFrmSettings(QWidget* parent, FolderChooser chooseFolder = {});

  // Writes what the dialog shows into the settings and hands the folders to the lookup.
  void Store() const;

 protected:
  bool event(QEvent* event) override;

 private:
  void Retranslate();
  void AddFolder();
  void MoveCurrent(int step);
  void UpdateButtons();

  QLabel* LblUserFolder;
  QLabel* LblFolders;
  QLabel* LblBackups;
  QLabel* LblLanguage;
  QComboBox* CboLanguage;
  QDialogButtonBox* Buttons;
  QListWidget* LstPictureFolders;
  QPushButton* BtnAddFolder;
  QPushButton* BtnRemoveFolder;
  QPushButton* BtnFolderUp;
  QPushButton* BtnFolderDown;
  QSpinBox* SpnBackups;
  FolderChooser chooseFolder_;
};

}  // namespace tessmoor
