#include "editor/widgets/UserSettings.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <optional>
#include <string>
#include <vector>

#include "document/PictureFolders.h"
#include "editor/widgets/ProgramSettings.h"

namespace tessmoor {

namespace {

const char* const PictureFoldersKey = "Bilder/Ordner";
const char* const BackupsKey = "Sicherungen/Anzahl";
const char* const LastPictureFolderKey = "Bilder/Zuletzt";

QString DataFolder(const char* name) {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return data.isEmpty() ? QString() : data + "/" + name + "/";
}

}  // namespace

QString UserPictureFolder() { return DataFolder("GFX"); }

QString CreateUserPictureFolder() {
  const QString folder = UserPictureFolder();
  if (!folder.isEmpty()) QDir().mkpath(folder);
  return folder;
}

QStringList ExtraPictureFolders() { return ProgramSettings().value(PictureFoldersKey).toStringList(); }

void SetExtraPictureFolders(const QStringList& folders) { ProgramSettings().setValue(PictureFoldersKey, folders); }

QString LastPictureFolder() { return ProgramSettings().value(LastPictureFolderKey).toString(); }

void SetLastPictureFolder(const QString& folder) { ProgramSettings().setValue(LastPictureFolderKey, folder); }

int BackupsPerMap() {
  bool ok = false;
  const int count = ProgramSettings().value(BackupsKey).toInt(&ok);
  return BackupsToKeep(ok ? std::optional<int>(count) : std::nullopt);
}

void SetBackupsPerMap(int count) { ProgramSettings().setValue(BackupsKey, count); }

QString BackupFolder() { return DataFolder("backups"); }

void ApplyPictureFolders() {
  std::vector<std::string> folders;
  if (const QString own = UserPictureFolder(); !own.isEmpty()) folders.push_back(QFile::encodeName(own).toStdString());
  for (const QString& folder : ExtraPictureFolders()) {
    if (!folder.isEmpty()) folders.push_back(QFile::encodeName(folder).toStdString());
  }
  SetUserPictureFolders(std::move(folders));
}

}  // namespace tessmoor
