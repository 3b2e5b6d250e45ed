#include "editor/windows/QtDialogLayer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QUrl>
#include <memory>

#include "editor/widgets/GermanFileDialog.h"
#include "editor/windows/EditorNewForm.h"
#include "texts/CoreTexts.h"

namespace tessmoor {

namespace {

QString ApplicationTitle() { return QCoreApplication::translate("QtDialogLayer", "Tessmoor-Editor"); }

// "&Ja" and "&Nein", Escape for Nein; true for Ja.
bool AskYesNo(QWidget* parent, const QString& text, QMessageBox::StandardButton defaultButton) {
  QMessageBox box(QMessageBox::Question, ApplicationTitle(), text, QMessageBox::Yes | QMessageBox::No, parent);
  box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("QtDialogLayer", "&Ja"));
  box.button(QMessageBox::No)->setText(QCoreApplication::translate("QtDialogLayer", "&Nein"));
  box.setDefaultButton(defaultButton);
  box.setEscapeButton(QMessageBox::No);
  box.exec();
  return box.clickedButton() == box.button(QMessageBox::Yes);
}

// Qt's own dialog, so the default suffix and the overwrite question behave the
// same on every desktop.
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const QString& title, const std::string& startDirectory,
                                            const QString& filter, const QString& suffix) {
  auto dialog = std::make_unique<QFileDialog>(parent, title, QString::fromStdString(startDirectory), filter);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  SpeakProgramLanguage(*dialog);
  dialog->setDefaultSuffix(suffix);
  return dialog;
}

std::vector<std::string> RunFileDialog(QFileDialog& dialog) {
  std::vector<std::string> paths;
  if (dialog.exec() != QDialog::Accepted) return paths;
  for (const QString& path : dialog.selectedFiles()) paths.push_back(path.toStdString());
  return paths;
}

std::optional<std::string> FirstPath(QFileDialog& dialog) {
  std::vector<std::string> paths = RunFileDialog(dialog);
  if (paths.empty()) return std::nullopt;
  return paths.front();
}

}  // namespace

QtDialogLayer::QtDialogLayer(QWidget* parent, TFrmNew& newForm) : parent(parent), newForm(newForm) {}

void QtDialogLayer::ShowError(const CoreMessage& message) { ShowError(CoreText(message)); }

void QtDialogLayer::ShowError(const std::string& message) {
  QMessageBox box(QMessageBox::Critical, ApplicationTitle(), QString::fromStdString(message), QMessageBox::Ok, parent);
  box.exec();
}

void QtDialogLayer::ShowInformation(const std::string& title, const std::string& message) {
  // Asked from a tool window (the 3D view), the box belongs over that window.
  QWidget* over = QApplication::activeWindow() ? QApplication::activeWindow() : parent;
  QMessageBox box(QMessageBox::Information, QString::fromStdString(title), QString::fromStdString(message),
                  QMessageBox::Ok, over);
  box.exec();
}

SaveChangesAnswer QtDialogLayer::AskSaveChanges() {
  QMessageBox box(QMessageBox::Warning, ApplicationTitle(),
                  QCoreApplication::translate("QtDialogLayer",
                                              "Die letzten Änderungen wurden noch nicht gespeichert. Jetzt sichern?"),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  // The program speaks German even where Qt has no translation loaded.
  box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("QtDialogLayer", "&Ja"));
  box.button(QMessageBox::No)->setText(QCoreApplication::translate("QtDialogLayer", "&Nein"));
  box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("QtDialogLayer", "Abbrechen"));
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  box.exec();
  const QAbstractButton* clicked = box.clickedButton();
  if (clicked == box.button(QMessageBox::Yes)) return SaveChangesAnswer::Yes;
  if (clicked == box.button(QMessageBox::No)) return SaveChangesAnswer::No;
  return SaveChangesAnswer::Cancel;
}

std::optional<std::string> QtDialogLayer::ChooseMapToOpen(const std::string& startDirectory) {
  auto dialog = MakeFileDialog(parent, QCoreApplication::translate("QtDialogLayer", "Öffnen"), startDirectory,
                               QCoreApplication::translate("QtDialogLayer", "Tessmoor Maps (*.tmm);;Alle Dateien (*)"),
                               QStringLiteral("tmm"));
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  return FirstPath(*dialog);
}

std::optional<std::string> QtDialogLayer::ChooseMapToSave(const std::string& startDirectory) {
  auto dialog = MakeFileDialog(parent, QCoreApplication::translate("QtDialogLayer", "Speichern unter"), startDirectory,
                               QCoreApplication::translate("QtDialogLayer", "Tessmoor-Maps (*.tmm);;Alle Dateien (*)"),
                               QStringLiteral("tmm"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  return FirstPath(*dialog);
}

std::optional<std::string> QtDialogLayer::ChooseExportFile(const std::string& proposedPath) {
  const QString gltf = QStringLiteral("glTF 2.0 (*.glb)");
  const QFileInfo proposed(QString::fromStdString(proposedPath));
  auto dialog =
      MakeFileDialog(parent, QCoreApplication::translate("QtDialogLayer", "Exportieren"), proposed.path().toStdString(),
                     gltf + QStringLiteral(";;Wavefront OBJ (*.obj)"), QStringLiteral("glb"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->selectFile(proposed.fileName());
  // A name typed without extension gets the one of the chosen format, and the
  // proposed name follows the format.
  QFileDialog* raw = dialog.get();
  QObject::connect(raw, &QFileDialog::filterSelected, raw, [raw, gltf, proposed](const QString& filter) {
    const QString suffix = filter == gltf ? QStringLiteral("glb") : QStringLiteral("obj");
    raw->setDefaultSuffix(suffix);
    const QStringList typed = raw->selectedFiles();
    if (typed.size() == 1 && QFileInfo(typed.front()).completeBaseName() == proposed.completeBaseName())
      raw->selectFile(proposed.completeBaseName() + '.' + suffix);
  });
  return FirstPath(*dialog);
}

std::vector<std::string> QtDialogLayer::ChoosePictures(const std::string& startDirectory,
                                                       const std::vector<std::string>& sideBarFolders) {
  auto dialog = MakeFileDialog(
      parent, QCoreApplication::translate("QtDialogLayer", "Datei(en) der Textur hinzufügen"), startDirectory,
      QCoreApplication::translate("QtDialogLayer", "PCX-Dateien (*.pcx);;Alle Dateien (*)"), QStringLiteral("pcx"));
  QList<QUrl> places = dialog->sidebarUrls();
  for (const std::string& folder : sideBarFolders) places << QUrl::fromLocalFile(QString::fromStdString(folder));
  dialog->setSidebarUrls(places);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFiles);
  return RunFileDialog(*dialog);
}

std::optional<NewMapKind> QtDialogLayer::ChooseNewMapKind() { return newForm.Choose(); }

RecoveryAnswer QtDialogLayer::AskRecover(const std::string& fileName) {
  QMessageBox box(QMessageBox::Question, QCoreApplication::translate("QtDialogLayer", "Tessmoor Editor"),
                  QCoreApplication::translate("QtDialogLayer",
                                              "Der Editor wurde nicht ordnungsgemäß beendet. Ungesicherte "
                                              "Änderungen an %1 wiederherstellen?")
                      .arg(QString::fromStdString(fileName)),
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("QtDialogLayer", "&Ja"));
  box.button(QMessageBox::No)->setText(QCoreApplication::translate("QtDialogLayer", "&Nein"));
  box.setDefaultButton(QMessageBox::Yes);
  box.exec();
  const QAbstractButton* clicked = box.clickedButton();
  if (clicked == box.button(QMessageBox::Yes)) return RecoveryAnswer::Restore;
  if (clicked == box.button(QMessageBox::No)) return RecoveryAnswer::Discard;
  return RecoveryAnswer::Keep;
}

bool QtDialogLayer::AskRestartTestRun() {
  return AskYesNo(parent,
                  QCoreApplication::translate("QtDialogLayer", "Der Testlauf läuft noch. Beenden und neu starten?"),
                  QMessageBox::Yes);
}

bool QtDialogLayer::AskScriptFileAccess(const std::string& script, const std::string& folder, bool write) {
  const QString text =
      (write
           ? QCoreApplication::translate("QtDialogLayer", "Das Skript „%1“ möchte Dateien in „%2“ schreiben. Erlauben?")
           : QCoreApplication::translate("QtDialogLayer", "Das Skript „%1“ möchte Dateien in „%2“ lesen. Erlauben?"))
          .arg(QString::fromStdString(script), QString::fromStdString(folder));
  // Nothing is let through by a key pressed in passing.
  return AskYesNo(parent, text, QMessageBox::No);
}

std::optional<std::string> QtDialogLayer::ChooseProgram(const std::string& startDirectory) {
  auto dialog = MakeFileDialog(parent, QCoreApplication::translate("QtDialogLayer", "Programm wählen"), startDirectory,
                               QCoreApplication::translate("QtDialogLayer", "Alle Dateien (*)"), QString());
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  return FirstPath(*dialog);
}

}  // namespace tessmoor
