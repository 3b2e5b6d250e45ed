#pragma once
// Extras > Tastenkürzel...: every command with its keys. The user assigns a key
// (it replaces the command's keys), removes them or goes back to the defaults.
// A key another command of the same window has is refused, naming that command.

#include <QDialog>
#include <QLineEdit>

#include "app/DialogLayer.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tessmoor {

class CommandRegistry;

// Takes one key combination as it is pressed; Tab, Escape and Enter keep
// their way through the dialog.
class KeyCaptureField : public QLineEdit {
  Q_OBJECT

 public:
  explicit KeyCaptureField(QWidget* parent);
  QKeySequence Key() const { return key_; }
  void Clear();
  void Retranslate();

 signals:
  void keyChosen();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QKeySequence key_;
};

class TFrmShortcuts : public QDialog {
  Q_OBJECT

 public:
  TFrmShortcuts(CommandRegistry& registry, DialogLayer& dialogs, QWidget* owner);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  void Fill();
  void ShowKeys(QTreeWidgetItem* item);
  QString CurrentId() const;
  void AssignClick();
  void ClearClick();
  void ResetClick();

  CommandRegistry& registry_;
  DialogLayer& dialogs_;
  QLineEdit* EdtFilter;
  QTreeWidget* LstCommands;
  KeyCaptureField* EdtKey;
  QLabel* LblKey;
  QPushButton* BtnAssign;
  QPushButton* BtnClear;
  QPushButton* BtnReset;
  QPushButton* BtnClose;
};

}  // namespace tessmoor
