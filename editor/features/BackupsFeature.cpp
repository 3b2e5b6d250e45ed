#include "editor/features/BackupsFeature.h"

#include <QAction>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editor/widgets/CountText.h"
#include "editor/widgets/StatusMessage.h"
#include "editor/widgets/UserSettings.h"
#include "texts/CoreTexts.h"

namespace tessmoor {

namespace {

QString ShownTime(const MapBackup& backup) {
  const QDateTime time = QDateTime::fromString(QString::fromStdString(backup.stamp), "yyyy-MM-dd_HH-mm-ss");
  QString text = time.isValid() ? time.toString("dd.MM.yyyy HH:mm:ss") : QString::fromStdString(backup.stamp);
  if (backup.sequence > 1) text += QString(" (%1)").arg(backup.sequence);
  return text;
}

// "3 Zellen, 1 Textur": what the open map changed since the backup.
QString ShownDifference(const std::optional<MapDifference>& difference) {
  if (!difference) return "nicht lesbar";
  if (*difference == MapDifference{}) return "nichts";
  return CountText(difference->cells, "Zelle", "Zellen") + ", " + CountText(difference->textures, "Textur", "Texturen");
}

QString FileName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return QFile::decodeName(QByteArray::fromStdString(slash == std::string::npos ? path : path.substr(slash + 1)));
}

}  // namespace

TFrmBackups::TFrmBackups(const std::string& mapName, std::vector<BackupRow> rows, QWidget* parent)
    : QDialog(parent), rows_(std::move(rows)) {
  setObjectName("FrmBackups");
  setWindowTitle("Frühere Version öffnen");
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(rows_.empty() ? "Von " + FileName(mapName) + " gibt es keine früheren Versionen."
                                         : "Frühere Versionen von " + FileName(mapName) + ":",
                           this);
  layout->addWidget(label);
  LVBackups = new QTreeWidget(this);
  LVBackups->setObjectName("LVBackups");
  LVBackups->setRootIsDecorated(false);
  LVBackups->setHeaderLabels({"Gespeichert am", "Seitdem geändert", "Größe"});
  LVBackups->headerItem()->setToolTip(1, "Zellen und Texturen, in denen die offene Karte anders ist");
  const QLocale german(QLocale::German);
  for (const BackupRow& row : rows_) {
    auto* item = new QTreeWidgetItem(LVBackups, {ShownTime(row.backup), ShownDifference(row.difference),
                                                 german.toString(qulonglong(row.backup.size)) + " Bytes"});
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
  }
  LVBackups->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  LVBackups->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  if (!rows_.empty()) LVBackups->setCurrentItem(LVBackups->topLevelItem(0));
  layout->addWidget(LVBackups);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* open = buttons->addButton("Ö&ffnen", QDialogButtonBox::AcceptRole);
  open->setObjectName("BtnOpen");
  open->setDefault(true);
  open->setEnabled(!rows_.empty());
  buttons->addButton("Abbrechen", QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(LVBackups, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
  LVBackups->setFocus();
  resize(520, 300);
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
  FileEarlierVersion = new QAction("Frühere &Version öffnen...", this);
  FileEarlierVersion->setObjectName("FileEarlierVersion");
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
