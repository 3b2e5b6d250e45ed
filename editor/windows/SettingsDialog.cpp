#include "editor/windows/SettingsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "editor/widgets/GermanFileDialog.h"
#include "editor/widgets/PlainButton.h"
#include "editor/widgets/UiLanguage.h"
#include "editor/widgets/UserSettings.h"

namespace tessmoor {

namespace {

// Qt's own dialog, as for every other file the program asks for.
QString ChooseFolderWithQt(QWidget* parent) {
  QFileDialog dialog(parent, TFrmSettings::tr("Bilderordner hinzufügen"));
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::ShowDirsOnly);
  dialog.setFileMode(QFileDialog::Directory);
  SpeakProgramLanguage(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().constFirst();
}

}  // namespace

TFrmSettings::TFrmSettings(QWidget* parent, FolderChooser chooseFolder)
    : QDialog(parent), chooseFolder_(chooseFolder ? std::move(chooseFolder) : ChooseFolderWithQt) {
  setObjectName("FrmSettings");
  auto* layout = new QVBoxLayout(this);

  LblUserFolder = new QLabel(this);
  LblUserFolder->setObjectName("LblUserFolder");
  LblUserFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(LblUserFolder);

  LblFolders = new QLabel(this);
  layout->addWidget(LblFolders);
  auto* folders = new QGridLayout;
  LstPictureFolders = new QListWidget(this);
  LstPictureFolders->setObjectName("LstPictureFolders");
  LstPictureFolders->addItems(ExtraPictureFolders());
  LblFolders->setBuddy(LstPictureFolders);
  BtnAddFolder = MakePlainButton("BtnAddFolder", QString(), this);
  BtnRemoveFolder = MakePlainButton("BtnRemoveFolder", QString(), this);
  BtnFolderUp = MakePlainButton("BtnFolderUp", QString(), this);
  BtnFolderDown = MakePlainButton("BtnFolderDown", QString(), this);
  folders->addWidget(LstPictureFolders, 0, 0, 5, 1);
  folders->addWidget(BtnAddFolder, 0, 1);
  folders->addWidget(BtnRemoveFolder, 1, 1);
  folders->addWidget(BtnFolderUp, 2, 1);
  folders->addWidget(BtnFolderDown, 3, 1);
  layout->addLayout(folders);

  auto* backups = new QHBoxLayout;
  LblBackups = new QLabel(this);
  SpnBackups = new QSpinBox(this);
  SpnBackups->setObjectName("SpnBackups");
  SpnBackups->setRange(0, MaxBackupsPerMap);
  SpnBackups->setValue(BackupsPerMap());
  LblBackups->setBuddy(SpnBackups);
  backups->addWidget(LblBackups);
  backups->addWidget(SpnBackups);
  backups->addStretch();
  layout->addLayout(backups);

  // The program's language: a change shows at once, in every open window.
  auto* language = new QHBoxLayout;
  LblLanguage = new QLabel(this);
  CboLanguage = new QComboBox(this);
  CboLanguage->setObjectName("CboLanguage");
  for (UiLanguage choice : {UiLanguage::German, UiLanguage::English, UiLanguage::System})
    CboLanguage->addItem(QString(), static_cast<int>(choice));
  CboLanguage->setCurrentIndex(CboLanguage->findData(static_cast<int>(StoredUiLanguage())));
  LblLanguage->setBuddy(CboLanguage);
  language->addWidget(LblLanguage);
  language->addWidget(CboLanguage);
  language->addStretch();
  layout->addLayout(language);

  Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(Buttons);

  connect(Buttons, &QDialogButtonBox::accepted, this, [this] {
    Store();
    accept();
  });
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(BtnAddFolder, &QPushButton::clicked, this, &TFrmSettings::AddFolder);
  connect(BtnRemoveFolder, &QPushButton::clicked, this, [this] {
    delete LstPictureFolders->takeItem(LstPictureFolders->currentRow());
    UpdateButtons();
  });
  connect(BtnFolderUp, &QPushButton::clicked, this, [this] { MoveCurrent(-1); });
  connect(BtnFolderDown, &QPushButton::clicked, this, [this] { MoveCurrent(1); });
  connect(LstPictureFolders, &QListWidget::currentRowChanged, this, &TFrmSettings::UpdateButtons);
  UpdateButtons();
  Retranslate();
}

void TFrmSettings::Retranslate() {
  setWindowTitle(tr("Einstellungen"));
  LblUserFolder->setText(tr("Eigene Bilder (zuerst durchsucht):\n%1").arg(UserPictureFolder()));
  LblFolders->setText(tr("&Weitere Bilderordner, in dieser Reihenfolge vor GFX/ des Programms:"));
  BtnAddFolder->setText(tr("&Hinzufügen..."));
  BtnRemoveFolder->setText(tr("&Entfernen"));
  BtnFolderUp->setText(tr("Nach &oben"));
  BtnFolderDown->setText(tr("Nach &unten"));
  LblBackups->setText(tr("&Sicherungen früherer Versionen je Karte (0: keine):"));
  LblLanguage->setText(tr("S&prache:"));
  // Each language by its own name, whatever the program speaks.
  CboLanguage->setItemText(0, QStringLiteral("Deutsch"));
  CboLanguage->setItemText(1, QStringLiteral("English"));
  CboLanguage->setItemText(2, tr("Wie das System"));
  Buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
  Buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
}

// After the children: the button box sets Qt's own texts on its buttons when
// the language changes, over the ones Retranslate gives them.
bool TFrmSettings::event(QEvent* event) {
  const bool handled = QDialog::event(event);
  if (event->type() == QEvent::LanguageChange) Retranslate();
  return handled;
}

void TFrmSettings::Store() const {
  QStringList folders;
  for (int row = 0; row < LstPictureFolders->count(); ++row) folders << LstPictureFolders->item(row)->text();
  SetExtraPictureFolders(folders);
  SetBackupsPerMap(SpnBackups->value());
  ApplyPictureFolders();
  const auto language = static_cast<UiLanguage>(CboLanguage->currentData().toInt());
  StoreUiLanguage(language);
  ApplyUiLanguage(language);
}

void TFrmSettings::AddFolder() {
  const QString folder = chooseFolder_(this);
  if (folder.isEmpty()) return;
  // A folder listed twice would only be searched twice.
  const QList<QListWidgetItem*> listed = LstPictureFolders->findItems(folder, Qt::MatchExactly);
  if (listed.isEmpty()) LstPictureFolders->addItem(folder);
  LstPictureFolders->setCurrentRow(listed.isEmpty() ? LstPictureFolders->count() - 1
                                                    : LstPictureFolders->row(listed.first()));
}

void TFrmSettings::MoveCurrent(int step) {
  const int row = LstPictureFolders->currentRow();
  const int target = row + step;
  if (row < 0 || target < 0 || target >= LstPictureFolders->count()) return;
  LstPictureFolders->insertItem(target, LstPictureFolders->takeItem(row));
  LstPictureFolders->setCurrentRow(target);
}

void TFrmSettings::UpdateButtons() {
  const int row = LstPictureFolders->currentRow();
  BtnRemoveFolder->setEnabled(row >= 0);
  BtnFolderUp->setEnabled(row > 0);
  BtnFolderDown->setEnabled(row >= 0 && row + 1 < LstPictureFolders->count());
}

}  // namespace tessmoor
