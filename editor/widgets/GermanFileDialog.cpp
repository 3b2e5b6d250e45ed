#include "editor/widgets/GermanFileDialog.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMimeDatabase>
#include <QTreeView>
#include <algorithm>
#include <utility>

namespace tessmoor {

namespace {

// The columns of QFileSystemModel.
constexpr int SizeColumn = 1;
constexpr int TypeColumn = 2;
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
// longer and would be cut ("8. Dez...6 22:08").
void WidenColumns(QFileDialog& dialog) {
  auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  if (!details) return;
  QHeaderView* header = details->header();
  const QFontMetrics metrics(details->font());
  const std::pair<int, QString> widest[] = {{SizeColumn, QStringLiteral("999,99 KiB")},
                                            {TypeColumn, QStringLiteral("Tessmoor-Modell")},
                                            {DateColumn, QStringLiteral("28. Sept. 2026 22:08")}};
  for (const auto& [column, text] : widest) {
    const int wanted = metrics.horizontalAdvance(text) + 3 * metrics.averageCharWidth();
    if (header->sectionSize(column) < wanted) header->resizeSection(column, wanted);
  }
  // Wide enough for every column beside the side bar, without scrolling.
  const int sideBarAndMargins = 24 * metrics.averageCharWidth();
  dialog.resize(std::max(dialog.width(), header->length() + sideBarAndMargins), dialog.height());
}

}  // namespace

QString FileTypeName(const QFileInfo& file) {
  const QString suffix = file.suffix().toLower();
  // Named even where the program's MIME types are not installed (a build run in place).
  if (suffix == "tmm") return QStringLiteral("Tessmoor-Karte");
  if (suffix == "tcm") return QStringLiteral("Tessmoor-Modell");
  const QMimeType type = QMimeDatabase().mimeTypeForFile(file);
  if (!type.isDefault() && !type.comment().isEmpty()) return type.comment();
  return suffix.isEmpty() ? QStringLiteral("Datei") : suffix.toUpper() + QStringLiteral("-Datei");
}

QString FileTimeText(const QDateTime& time) { return QLocale().toString(time, QStringLiteral("d. MMM yyyy HH:mm")); }

void SpeakGerman(QFileDialog& dialog) {
  auto* list = new GermanFileList(&dialog);
  dialog.setIconProvider(&list->typeNames);
  dialog.setProxyModel(list);
  WidenColumns(dialog);
}

}  // namespace tessmoor
