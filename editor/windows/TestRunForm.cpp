#include "editor/windows/TestRunForm.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

namespace tessmoor {

namespace {

// A chatty engine must not eat the editor's memory; the oldest lines go first.
constexpr int MaximumLines = 20000;

}  // namespace

TFrmTestRun::TFrmTestRun(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window) {
  setObjectName("FrmTestRun");
  // The game takes the focus; the window comes up beside it without taking it back.
  setAttribute(Qt::WA_ShowWithoutActivating);
  MmoTestRun = new QPlainTextEdit(this);
  MmoTestRun->setObjectName("MmoTestRun");
  MmoTestRun->setReadOnly(true);
  // The command line alone is often wider than the window: its paths break
  // wherever they must, so the whole of it stays in sight.
  MmoTestRun->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  MmoTestRun->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  MmoTestRun->setMaximumBlockCount(MaximumLines);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(MmoTestRun);
  resize(560, 320);
  Retranslate();
}

void TFrmTestRun::Retranslate() { setWindowTitle(tr("Testlauf")); }

void TFrmTestRun::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

void TFrmTestRun::Begin(const QString& heading) { MmoTestRun->setPlainText(heading + '\n'); }

void TFrmTestRun::AppendOutput(const QString& text) {
  // Written through a cursor of its own, so a selection the user is making stays.
  QTextCursor end(MmoTestRun->document());
  end.movePosition(QTextCursor::End);
  end.insertText(text);
  QScrollBar* bar = MmoTestRun->verticalScrollBar();
  bar->setValue(bar->maximum());
}

void TFrmTestRun::End(const QString& status) {
  const QString text = MmoTestRun->toPlainText();
  AppendOutput((text.isEmpty() || text.endsWith('\n') ? QString() : QString('\n')) + status + '\n');
}

QString TFrmTestRun::Text() const { return MmoTestRun->toPlainText(); }

}  // namespace tessmoor
