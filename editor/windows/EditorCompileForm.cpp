#include "editor/windows/EditorCompileForm.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>

#include "texts/CoreTexts.h"

namespace tessmoor {

TFrmCompile::TFrmCompile(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window) {
  setObjectName("FrmCompile");
  MmoCompile = new QPlainTextEdit(this);
  MmoCompile->setObjectName("MmoCompile");
  MmoCompile->setReadOnly(true);
  MmoCompile->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(MmoCompile);
  resize(441, 301);
  Retranslate();
}

void TFrmCompile::Retranslate() { setWindowTitle(tr("Compilieren...")); }

void TFrmCompile::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

void TFrmCompile::ClearLog() {
  MmoCompile->clear();
  lineCount = 0;
}

void TFrmCompile::AddLogLine(const std::string& text) {
  const QString line = QString::fromStdString(text);
  if (lineCount == 0)
    MmoCompile->setPlainText(line);
  else
    MmoCompile->appendPlainText(line);
  ++lineCount;
  ShowProgress();
}

void TFrmCompile::AddLogLine(const CoreMessage& line) { AddLogLine(CoreText(line)); }

void TFrmCompile::ExtendLastLine(const std::string& text) {
  if (lineCount == 0) {
    AddLogLine(text);
    return;
  }
  QTextCursor cursor(MmoCompile->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(QString::fromStdString(text));
  ShowProgress();
}

QStringList TFrmCompile::Lines() const {
  if (lineCount == 0) return {};
  return MmoCompile->toPlainText().split(QChar('\n'));
}

void TFrmCompile::ShowProgress() {
  if (!isVisible()) return;
  MmoCompile->moveCursor(QTextCursor::End);
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace tessmoor
