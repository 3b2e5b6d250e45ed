#include "editor/widgets/PictureFileDrops.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <utility>

#include "app/EditorSession.h"
#include "app/PictureFileImport.h"
#include "editor/widgets/UserSettings.h"

namespace tessmoor {

namespace {

class PictureDropFilter : public QObject {
 public:
  PictureDropFilter(QWidget& target, std::function<EditorSession&()> session, FileOps& ops)
      : QObject(&target), session_(std::move(session)), ops_(ops) {
    target.setAcceptDrops(true);
    target.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::DragEnter:
      case QEvent::DragMove:
        Answer(static_cast<QDropEvent*>(event));
        return true;
      case QEvent::Drop:
        Drop(static_cast<QDropEvent*>(event));
        return true;
      default:
        return false;
    }
  }

 private:
  static std::vector<std::string> Files(const QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    return data && data->hasUrls() ? DroppedPictureFiles(data->urls()) : std::vector<std::string>();
  }

  static void Answer(QDropEvent* event) {
    if (Files(event).empty()) {
      event->ignore();
    } else {
      event->acceptProposedAction();
    }
  }

  void Drop(QDropEvent* event) {
    const std::vector<std::string> files = Files(event);
    if (files.empty()) {
      event->ignore();
      return;
    }
    event->acceptProposedAction();
    const std::string userFolder = QFile::encodeName(CreateUserPictureFolder()).toStdString();
    EditorSession& session = session_();
    const PictureImport import = ImportPictureFiles(session, files, userFolder, ops_);
    if (!IsEmpty(import.message)) session.Dialogs().ShowError(import.message);
  }

  std::function<EditorSession&()> session_;
  FileOps& ops_;
};

}  // namespace

void AcceptPictureFileDrops(QWidget& target, std::function<EditorSession&()> session, FileOps& ops) {
  new PictureDropFilter(target, std::move(session), ops);
}

std::vector<std::string> DroppedPictureFiles(const QList<QUrl>& urls) {
  std::vector<std::string> files;
  for (const QUrl& url : urls) {
    const QString path = url.toLocalFile();
    if (path.isEmpty() || !path.endsWith(QStringLiteral(".pcx"), Qt::CaseInsensitive)) return {};
    files.push_back(QFile::encodeName(path).toStdString());
  }
  return files;
}

}  // namespace tessmoor
