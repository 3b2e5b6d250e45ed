#pragma once
// Extras > Skriptkonsole: one line of script at a time, its output and errors
// below, the lines run before a key press away (Up and Down).

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;
class QPlainTextEdit;

namespace tessmoor {

class TFrmScriptConsole : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmScriptConsole(QWidget* parent);

  // A line of output; errors come as such lines too.
  void Append(const QString& text);
  QString Output() const;

 signals:
  void RunLine(const QString& line);

 protected:
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Retranslate();
  void RunTypedLine();
  void Recall(int step);

  QPlainTextEdit* output_;
  QLineEdit* line_;
  QPushButton* run_;
  QLabel* prompt_;
  QStringList history_;
  int recalled_ = 0;  // history_.size() while typing a new line
};

}  // namespace tessmoor
