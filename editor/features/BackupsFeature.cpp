#include "editor/features/BackupsFeature.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editor/widgets/LanguageChange.h"
#include "editor/widgets/StatusMessage.h"
#include "editor/widgets/UiLanguage.h"
#include "editor/widgets/UserSettings.h"
#include "texts/CoreTexts.h"

namespace tessmoor {

namespace {

QString ShownTime(const MapBackup& backup) {
  const QDateTime time = QDateTime::fromString(QString::fromStdString(backup.stamp), "yyyy-MM-dd_HH-mm-ss");
  // The order of day, month and year is the language's.
  QString text = time.isValid() ? time.toString(TFrmBackups::tr("dd.MM.yyyy HH:mm:ss"))
                                : QString::fromStdString(backup.stamp);
  if (backup.sequence > 1) text += QString(" (%1)").arg(backup.sequence);
  return text;
}

QString CellCount(long long cells) {
  return (cells == 1 ? TFrmBackups::tr("%1 Zelle") : TFrmBackups::tr("%1 Zellen")).arg(cells);
}

QString TextureCount(long long textures) {
  return (textures == 1 ? TFrmBackups::tr("%1 Textur") : TFrmBackups::tr("%1 Texturen")).arg(textures);
}

// "3 Zellen, 1 Textur": what the open map changed since the backup.
QString ShownDifference(const std::optional<MapDifference>& difference) {
  if (!difference) return TFrmBackups::tr("nicht lesbar");
  if (*difference == MapDifference{}) return TFrmBackups::tr("nichts");
  return CellCount(difference->cells) + ", " + TextureCount(difference->textures);
}

const char* const EarlierVersionText = QT_TRANSLATE_NOOP("Befehle", "Frühere &Version öffnen...");

QString FileName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return QFile::decodeName(QByteArray::fromStdString(slash == std::string::npos ? path : path.substr(slash + 1)));
}

}  // namespace

TFrmBackups::TFrmBackups(const std::string& mapName, std::vector<BackupRow> rows, QWidget* parent)
    : QDialog(parent), mapName_(FileName(mapName)), rows_(std::move(rows)) {
  setObjectName("FrmBackups");
  auto* layout = new QVBoxLayout(this);
  LblBackups = new QLabel(this);
  layout->addWidget(LblBackups);
  LVBackups = new QTreeWidget(this);
  LVBackups->setObjectName("LVBackups");
  LVBackups->setRootIsDecorated(false);
  for (const BackupRow& row : rows_) {
    auto* item = new QTreeWidgetItem(LVBackups);
    item->setText(0, ShownTime(row.backup));
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
  }
  LVBackups->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  LVBackups->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  if (!rows_.empty()) LVBackups->setCurrentItem(LVBackups->topLevelItem(0));
  layout->addWidget(LVBackups);

  auto* buttons = new QDialogButtonBox(this);
  BtnOpen = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
  BtnOpen->setObjectName("BtnOpen");
  BtnOpen->setDefault(true);
  BtnOpen->setEnabled(!rows_.empty());
  BtnCancel = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(LVBackups, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
  Retranslate();
  LVBackups->setFocus();
  resize(520, 300);
}

void TFrmBackups::Retranslate() {
  setWindowTitle(tr("Frühere Version öffnen"));
  LblBackups->setText(rows_.empty() ? tr("Von %1 gibt es keine früheren Versionen.").arg(mapName_)
                                    : tr("Frühere Versionen von %1:").arg(mapName_));
  LVBackups->setHeaderLabels({tr("Gespeichert am"), tr("Seitdem geändert"), tr("Größe")});
  LVBackups->headerItem()->setToolTip(1, tr("Zellen und Texturen, in denen die offene Karte anders ist"));
  const QLocale numbers = ProgramLocale();
  for (int k = 0; k < static_cast<int>(rows_.size()); ++k) {
    const BackupRow& row = rows_[static_cast<size_t>(k)];
    QTreeWidgetItem* item = LVBackups->topLevelItem(k);
    item->setText(0, ShownTime(row.backup));
    item->setText(1, ShownDifference(row.difference));
    item->setText(2, tr("%1 Bytes").arg(numbers.toString(qulonglong(row.backup.size))));
  }
  BtnOpen->setText(tr("Ö&ffnen"));
  BtnCancel->setText(tr("Abbrechen"));
}

void TFrmBackups::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

std::optional<std::string> TFrmBackups::Chosen() const {
  const int row = LVBackups->indexOfTopLevelItem(LVBackups->currentItem());
  if (result() != QDialog::Accepted || row < 0 || row >= static_cast<int>(rows_.size())) return std::nullopt;
  return rows_[static_cast<size_t>(row)].backup.path;
}

BackupsFeature::BackupsFeature(QMainWindow& window, DocumentModel& model, EditorState& editor, DialogLayer& dialogs,
                               std::function<bool()> mayReplaceDocument, FileOps& inner)
    : QObject(&window),
      window_(window),
      model_(model),
      editor_(editor),
      dialogs_(dialogs),
      mayReplaceDocument_(std::move(mayReplaceDocument)),
      ops_(
          inner,
          [] {
            return BackupSettings{QFile::encodeName(BackupFolder()).toStdString(), BackupsPerMap()};
          },
          [this](const CoreMessage& message) { ShowFailure(CoreText(message)); }) {
  // The window puts it into its Datei menu, enabled while the map has a file.
  FileEarlierVersion = new QAction(this);
  FileEarlierVersion->setObjectName("FileEarlierVersion");
  const auto retranslate = [this] {
    FileEarlierVersion->setText(QCoreApplication::translate("Befehle", EarlierVersionText));
  };
  retranslate();
  OnLanguageChange(this, retranslate);
}

void BackupsFeature::OpenEarlierVersion(EditorSession& session) {
  const MapDocument& map = session.Map();
  const std::string mapName = map.fileName;
  if (map.IsUntitled()) return;
  TFrmBackups chooser(mapName, BackupRows(QFile::encodeName(BackupFolder()).toStdString(), mapName, map), &window_);
  if (chooser.exec() != QDialog::Accepted) return;
  const std::optional<std::string> chosen = chooser.Chosen();
  if (chosen && session.Model().IsModified() && !session.Files().AskSaveChanges()) return;
  if (chosen) OpenCopy(session.Model(), session.Editor(), session.Dialogs(), *chosen);
}

bool BackupsFeature::OpenBackup(const std::string& backupPath) {
  if (model_.IsModified() && !mayReplaceDocument_()) return false;
  return OpenCopy(model_, editor_, dialogs_, backupPath);
}

bool BackupsFeature::OpenCopy(DocumentModel& model, EditorState& editor, DialogLayer& dialogs,
                              const std::string& backupPath) {
  const MapFileResult result = OpenBackupAsCopy(model, editor, backupPath);
  if (!result.ok && !IsEmpty(result.message)) dialogs.ShowError(result.message);
  return result.ok;
}

void BackupsFeature::ShowFailure(const std::string& message) {
  ShowStatusMessage(window_, QString::fromStdString(message));
}

}  // namespace tessmoor
