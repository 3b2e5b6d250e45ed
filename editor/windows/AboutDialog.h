#pragma once
// Hilfe > Über: the program's name and the version it was built as.

#include <QDialog>

class QLabel;
class QPushButton;

namespace tessmoor {

// The version of this build, as the package and its changelog carry it.
QString ProgramVersion();

class TFrmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmAbout(QWidget* owner);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();

  QLabel* LblName;
  QLabel* LblVersion;
  QPushButton* BtnOk;
};

}  // namespace tessmoor
