#include "editor/windows/PictureDialogPlaces.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "document/PictureFolders.h"
#include "editor/widgets/UserSettings.h"

namespace tessmoor {

namespace {

std::string WithSlash(const QString& folder) {
  const std::string encoded = QFile::encodeName(folder).toStdString();
  return encoded.empty() || encoded.back() == '/' ? encoded : encoded + '/';
}

}  // namespace

PictureDialogPlaces PicturePlaces(const std::string& programDirectory) {
  PictureDialogPlaces places;
  const std::string shipped = programDirectory + "GFX/";
  places.sideBar.push_back(shipped);
  if (!UserPictureFolders().empty()) CreateUserPictureFolder();
  for (const std::string& folder : UserPictureFolders()) places.sideBar.push_back(folder);
  // A folder removed since keeps nobody in an empty dialog.
  const QString last = LastPictureFolder();
  places.start = !last.isEmpty() && QFileInfo(last).isDir() ? WithSlash(last) : shipped;
  return places;
}

void RememberPictureFolder(const std::string& chosenFile) {
  SetLastPictureFolder(QFileInfo(QFile::decodeName(chosenFile.c_str())).absolutePath());
}

}  // namespace tessmoor
