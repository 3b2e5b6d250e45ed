#include "editor/widgets/GermanFileDialog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMimeDatabase>
#include <algorithm>
#include <utility>

namespace tessmoor {

namespace {

// The columns of QFileSystemModel.
constexpr int SizeColumn = 1;
constexpr int DateColumn = 3;

// Asked by the file list's own thread for every file it reads, once.
class FileTypeNames : public QFileIconProvider {
 public:
  QString type(const QFileInfo& info) const override {
    return info.isFile() ? FileTypeName(info) : QFileIconProvider::type(info);
  }
};

// The file list as the dialog's views see it: the dates and sizes that the
// model writes in the system's language, written again in the program's.
class GermanFileList : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files) return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    if (index.column() == DateColumn) return FileTimeText(files->lastModified(source));
    if (index.column() == SizeColumn && !files->isDir(source)) return QLocale().formattedDataSize(files->size(source));
    return QIdentityProxyModel::data(index, role);
  }

  FileTypeNames typeNames;
};

// Qt sizes the detail list's columns for its English texts; the German ones are
// longer and would be cut ("8. Dez...6 22:08"). The list is the dialog's own,
// reached through no name of Qt's: its header takes a minimum from the style.
void WidenColumns(QFileDialog& dialog) {
  const QFontMetrics metrics(dialog.font());
  int widest = 0;
  for (const QString& text :
       {QStringLiteral("999,99 KiB"), QStringLiteral("Tessmoor-Modell"), QStringLiteral("28. Sept. 2026 22:08")})
    widest = std::max(widest, metrics.horizontalAdvance(text) + 3 * metrics.averageCharWidth());
  dialog.setStyleSheet(QStringLiteral("QHeaderView { qproperty-minimumSectionSize: %1; }").arg(widest));
  // Wide enough for the name and the three columns beside the side bar, without scrolling.
  const int nameColumn = metrics.horizontalAdvance(QString(26, QLatin1Char('w')));
  const int sideBarAndMargins = 24 * metrics.averageCharWidth();
  dialog.resize(std::max(dialog.width(), nameColumn + 3 * widest + sideBarAndMargins), dialog.height());
}

}  // namespace

QString FileTypeName(const QFileInfo& file) {
  const QString suffix = file.suffix().toLower();
  // Named even where the program's MIME types are not installed (a build run in place).
  if (suffix == "tmm") return QCoreApplication::translate("GermanFileDialog", "Tessmoor-Karte");
  if (suffix == "tcm") return QCoreApplication::translate("GermanFileDialog", "Tessmoor-Modell");
  const QMimeType type = QMimeDatabase().mimeTypeForFile(file);
  if (!type.isDefault() && !type.comment().isEmpty()) return type.comment();
  return suffix.isEmpty() ? QCoreApplication::translate("GermanFileDialog", "Datei")
                          : QCoreApplication::translate("GermanFileDialog", "%1-Datei").arg(suffix.toUpper());
}

QString FileTimeText(const QDateTime& time) { return QLocale().toString(time, QStringLiteral("d. MMM yyyy HH:mm")); }

void SpeakProgramLanguage(QFileDialog& dialog) {
  auto* list = new GermanFileList(&dialog);
  dialog.setIconProvider(&list->typeNames);
  dialog.setProxyModel(list);
  WidenColumns(dialog);
}

}  // namespace tessmoor
