#pragma once
// "Testlauf": what the test program writes to its standard output and error,
// newest at the bottom, and at the end how it ended.

#include <QString>
#include <QWidget>

class QPlainTextEdit;

namespace tessmoor {

class TFrmTestRun : public QWidget {
  Q_OBJECT

 public:
  explicit TFrmTestRun(QWidget* mainWindow);

  // Empties the window for a new run whose first line is `heading`.
  void Begin(const QString& heading);
  // Output as it arrives, in pieces that need not end with a line.
  void AppendOutput(const QString& text);
  // The run's last line, on a line of its own.
  void End(const QString& status);

  QString Text() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  QPlainTextEdit* MmoTestRun;
};

}  // namespace tessmoor
