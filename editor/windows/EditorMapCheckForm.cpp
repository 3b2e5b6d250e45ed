#include "editor/windows/EditorMapCheckForm.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include "check/MapCheck.h"
#include "editor/widgets/CountText.h"
#include "texts/CheckTexts.h"

namespace tessmoor {

namespace {

constexpr int FindingRole = Qt::UserRole;

QStyle::StandardPixmap SeverityIcon(Severity severity) {
  switch (severity) {
    case Severity::Error:
      return QStyle::SP_MessageBoxCritical;
    case Severity::Warning:
      return QStyle::SP_MessageBoxWarning;
    case Severity::Hint:
      break;
  }
  return QStyle::SP_MessageBoxInformation;
}

// "8 Befunde: 2 Fehler, 1 Warnung, 5 Hinweise", or that there is nothing to report.
QString Summary(const MapFindings& findings) {
  int counts[3] = {};
  for (const MapFinding& finding : findings) ++counts[static_cast<int>(finding.severity)];
  if (findings.empty()) return TFrmMapCheck::tr("Keine Befunde.");
  return TFrmMapCheck::tr("%1: %2, %3, %4")
      .arg(CountText(static_cast<long long>(findings.size()), QT_TRANSLATE_NOOP("CountTextSingular", "Befund"),
                     QT_TRANSLATE_NOOP("CountTextPlural", "Befunde")),
           CountText(counts[0], QT_TRANSLATE_NOOP("CountTextSingular", "Fehler"),
                     QT_TRANSLATE_NOOP("CountTextPlural", "Fehler")),
           CountText(counts[1], QT_TRANSLATE_NOOP("CountTextSingular", "Warnung"),
                     QT_TRANSLATE_NOOP("CountTextPlural", "Warnungen")),
           CountText(counts[2], QT_TRANSLATE_NOOP("CountTextSingular", "Hinweis"),
                     QT_TRANSLATE_NOOP("CountTextPlural", "Hinweise")));
}

}  // namespace

TFrmMapCheck::TFrmMapCheck(const MapDocument& document, std::function<void(GridPoint)> showCell, QWidget* parent)
    : QDialog(parent, Qt::Tool), document_(document), showCell_(std::move(showCell)) {
  setObjectName(QStringLiteral("FrmMapCheck"));
  LVFindings = new QTreeWidget(this);
  LVFindings->setObjectName(QStringLiteral("LVFindings"));
  LVFindings->setRootIsDecorated(false);
  LVFindings->setUniformRowHeights(true);
  LVFindings->setAllColumnsShowFocus(true);
  LVFindings->header()->setStretchLastSection(true);
  LblSummary = new QLabel(this);
  LblSummary->setObjectName(QStringLiteral("LblSummary"));
  BtnRecheck = new QPushButton(this);
  BtnRecheck->setObjectName(QStringLiteral("BtnRecheck"));
  BtnClose = new QPushButton(this);
  BtnClose->setObjectName(QStringLiteral("BtnClose"));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(LblSummary, 1);
  buttons->addWidget(BtnRecheck);
  buttons->addWidget(BtnClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LVFindings);
  layout->addLayout(buttons);
  resize(480, 300);
  Retranslate();

  connect(LVFindings, &QTreeWidget::itemActivated, this, &TFrmMapCheck::LVFindingsDoubleClick);
  connect(BtnRecheck, &QPushButton::clicked, this, &TFrmMapCheck::CheckDocument);
  connect(BtnClose, &QPushButton::clicked, this, &QDialog::close);
}

void TFrmMapCheck::Retranslate() {
  setWindowTitle(tr("Karte prüfen"));
  LVFindings->setHeaderLabels({tr("Art"), tr("Zelle"), tr("Meldung")});
  BtnRecheck->setText(tr("&Erneut prüfen"));
  BtnClose->setText(tr("&Schließen"));
  // the findings' words come from the texts library in the language of the moment;
  // a window that has not checked yet shows no summary
  if (!LblSummary->text().isEmpty()) FillList();
}

void TFrmMapCheck::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void TFrmMapCheck::CheckDocument() {
  findings_ = CheckMap(document_);
  FillList();
}

void TFrmMapCheck::MapChanged() {
  if (!isVisible() || recheckPending_) return;
  recheckPending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        recheckPending_ = false;
        if (isVisible()) CheckDocument();
      },
      Qt::QueuedConnection);
}

void TFrmMapCheck::FillList() {
  LVFindings->clear();
  for (size_t i = 0; i < findings_.size(); ++i) {
    const MapFinding& finding = findings_[i];
    auto* item = new QTreeWidgetItem(LVFindings);
    item->setIcon(0, style()->standardIcon(SeverityIcon(finding.severity)));
    item->setText(0, QString::fromUtf8(SeverityName(finding.severity)));
    if (finding.cell) item->setText(1, QString::fromStdString(CellText(*finding.cell)));
    item->setText(2, QString::fromStdString(FindingText(finding.message)));
    item->setData(0, FindingRole, static_cast<int>(i));
  }
  LVFindings->resizeColumnToContents(0);
  LVFindings->resizeColumnToContents(1);
  if (LVFindings->topLevelItemCount() > 0) LVFindings->setCurrentItem(LVFindings->topLevelItem(0));
  LblSummary->setText(Summary(findings_));
}

void TFrmMapCheck::LVFindingsDoubleClick(QTreeWidgetItem* item) {
  const int index = item ? item->data(0, FindingRole).toInt() : -1;
  if (index < 0 || index >= static_cast<int>(findings_.size())) return;
  const std::optional<GridPoint>& cell = findings_[static_cast<size_t>(index)].cell;
  if (cell && showCell_) showCell_(*cell);
}

}  // namespace tessmoor
