#pragma once
// What the user sets under Extras > Einstellungen, and the folders of the user's
// own below AppDataLocation ($XDG_DATA_HOME/Tessmoor-Editor).

#include <QSettings>
#include <QString>
#include <QStringList>

#include "app/BackupPolicy.h"
#include "editor/widgets/ProgramSettings.h"

namespace tessmoor {

// The user's own picture folder, looked up before every other; with a trailing '/'.
QString UserPictureFolder();
// The same, created when it is not there yet (its first use).
QString CreateUserPictureFolder();
// Further picture folders, in the order the user set; after the user's own.
QStringList ExtraPictureFolders();
void SetExtraPictureFolders(const QStringList& folders);
// The folder the texture editor's picture dialog chose from last; empty before the first choice.
QString LastPictureFolder();
void SetLastPictureFolder(const QString& folder);
// How many backups are kept per map (see BackupsToKeep); 0 makes none.
int BackupsPerMap();
void SetBackupsPerMap(int count);
QString BackupFolder();

// Hands the user's folders, as the settings hold them, to the picture lookup.
void ApplyPictureFolders();

}  // namespace tessmoor
