#pragma once
// "Compilieren...": the compile log window. It is the log sink of the compile
// driver and shows its lines while the pass runs.

#include <QStringList>
#include <QWidget>

#include "compiler/CompileLog.h"

class QPlainTextEdit;

namespace tessmoor {

class TFrmCompile : public QWidget, public CompileLog {
  Q_OBJECT

 public:
  explicit TFrmCompile(QWidget* mainWindow);

  void ClearLog() override;
  void AddLogLine(const std::string& text = "") override;
  void AddLogLine(const CoreMessage& line) override;
  void ExtendLastLine(const std::string& text) override;

  QStringList Lines() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();

  // Lets the memo repaint during the compile; user input waits until the
  // compile has ended, so nothing can start a second one meanwhile.
  void ShowProgress();

  QPlainTextEdit* MmoCompile;
  int lineCount = 0;  // an empty memo still holds one empty block, so count lines here
};

}  // namespace tessmoor
