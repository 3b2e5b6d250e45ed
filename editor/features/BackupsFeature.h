#pragma once
// Backups of earlier saves: every save that replaces a map first keeps the
// replaced file in AppDataLocation/backups/ (the newest few per map), and
// Datei > Frühere Version öffnen opens one of them as an untitled, modified copy,
// so that saving it never writes over a backup. A backup that fails never stops
// the save; the status bar says so.

#include <QDialog>
#include <QObject>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/BackupPolicy.h"
#include "app/DialogLayer.h"
#include "app/EditorSession.h"

class QAction;
class QMainWindow;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;

namespace tessmoor {

// The list of a map's backups, newest first, with the time of the save that
// replaced each, how many cells and textures of the open map differ from it,
// and its size.
class TFrmBackups : public QDialog {
  Q_OBJECT

 public:
  TFrmBackups(const std::string& mapName, std::vector<BackupRow> rows, QWidget* parent);
  // The backup to open once the dialog was accepted.
  std::optional<std::string> Chosen() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();

  QLabel* LblBackups;
  QTreeWidget* LVBackups;
  QPushButton* BtnOpen;
  QPushButton* BtnCancel;
  QString mapName_;
  std::vector<BackupRow> rows_;
};

class BackupsFeature : public QObject {
  Q_OBJECT

 public:
  // `mayReplaceDocument` asks the unsaved-changes question and says whether to go on.
  BackupsFeature(QMainWindow& window, DocumentModel& model, EditorState& editor, DialogLayer& dialogs,
                 std::function<bool()> mayReplaceDocument, FileOps& inner = RealFileOps());

  // The file operations the document's saves must go through.
  FileOps& SaveOps() { return ops_; }
  // Opens `backupPath` as an untitled, modified copy (after the question when
  // the current map has changes). False when it did not load.
  bool OpenBackup(const std::string& backupPath);
  // "Frühere Version öffnen...", for the window's Datei menu.
  QAction* EarlierVersionCommand() const { return FileEarlierVersion; }
  // Lets the user choose one of `session`'s map's backups and opens it there.
  void OpenEarlierVersion(EditorSession& session);

 private:
  static bool OpenCopy(DocumentModel& model, EditorState& editor, DialogLayer& dialogs, const std::string& backupPath);
  void ShowFailure(const std::string& message);

  QMainWindow& window_;
  DocumentModel& model_;
  EditorState& editor_;
  DialogLayer& dialogs_;
  std::function<bool()> mayReplaceDocument_;
  BackupFileOps ops_;
  QAction* FileEarlierVersion;
};

}  // namespace tessmoor
