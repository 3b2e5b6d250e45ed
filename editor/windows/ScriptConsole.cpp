#include "editor/windows/ScriptConsole.h"

#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessmoor {

TFrmScriptConsole::TFrmScriptConsole(QWidget* parent)
    : QDialog(parent), output_(new QPlainTextEdit(this)), line_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("FrmScriptConsole"));
  output_->setObjectName(QStringLiteral("MemScriptOutput"));
  output_->setReadOnly(true);
  output_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  line_->setObjectName(QStringLiteral("EdtScriptLine"));
  line_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  line_->installEventFilter(this);
  run_ = new QPushButton(this);
  run_->setObjectName(QStringLiteral("BtnScriptRun"));
  run_->setAutoDefault(false);
  prompt_ = new QLabel(this);
  prompt_->setBuddy(line_);
  auto* input = new QHBoxLayout;
  input->addWidget(prompt_);
  input->addWidget(line_, 1);
  input->addWidget(run_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(output_, 1);
  layout->addLayout(input);
  connect(line_, &QLineEdit::returnPressed, this, &TFrmScriptConsole::RunTypedLine);
  connect(run_, &QPushButton::clicked, this, &TFrmScriptConsole::RunTypedLine);
  resize(560, 320);
  line_->setFocus();
  Retranslate();
}

void TFrmScriptConsole::Retranslate() {
  setWindowTitle(tr("Skriptkonsole"));
  run_->setText(tr("&Ausführen"));
  prompt_->setText(tr("&Zeile:"));
}

void TFrmScriptConsole::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void TFrmScriptConsole::Append(const QString& text) { output_->appendPlainText(text); }

QString TFrmScriptConsole::Output() const { return output_->toPlainText(); }

void TFrmScriptConsole::RunTypedLine() {
  const QString line = line_->text();
  if (line.trimmed().isEmpty()) return;
  if (history_.isEmpty() || history_.last() != line) history_.append(line);
  recalled_ = int(history_.size());
  line_->clear();
  Append(QStringLiteral("> ") + line);
  emit RunLine(line);
}

void TFrmScriptConsole::Recall(int step) {
  if (history_.isEmpty()) return;
  recalled_ = std::clamp(recalled_ + step, 0, int(history_.size()));
  line_->setText(recalled_ < history_.size() ? history_[recalled_] : QString());
}

bool TFrmScriptConsole::eventFilter(QObject* watched, QEvent* event) {
  if (watched == line_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Recall(key == Qt::Key_Up ? -1 : 1);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace tessmoor
