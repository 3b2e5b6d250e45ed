#include "editor/windows/TextureEditorList.h"

#include <utility>

#include "editor/widgets/TextureTableModel.h"
#include "editor/windows/TextureEditorWidgets.h"

namespace tessmoor {

TextureEditorList::TextureEditorList(TextureTableModel& textures, Rename rename, QObject* parent)
    : QSortFilterProxyModel(parent), textures_(textures), rename_(std::move(rename)) {
  setSourceModel(&textures);
  setDynamicSortFilter(true);  // a renamed texture moves to its place at once
}

int TextureEditorList::Texture(const QModelIndex& index) const {
  return index.isValid() ? index.data(TextureTableModel::TextureRole).toInt() : -1;
}

QModelIndex TextureEditorList::RowOf(int texture) {
  textures_.Sync();
  if (texture < 0 || texture >= textures_.rowCount()) return {};
  return mapFromSource(textures_.index(texture));
}

int TextureEditorList::Rows() {
  textures_.Sync();
  return rowCount();
}

Qt::ItemFlags TextureEditorList::flags(const QModelIndex& index) const {
  return QSortFilterProxyModel::flags(index) | Qt::ItemIsEditable;
}

QVariant TextureEditorList::data(const QModelIndex& index, int role) const {
  // The editor's list has always been names alone, one line each.
  if (role == Qt::DecorationRole) return {};
  if (role == Qt::EditRole) role = Qt::DisplayRole;
  return QSortFilterProxyModel::data(index, role);
}

bool TextureEditorList::setData(const QModelIndex& index, const QVariant& value, int role) {
  const int texture = Texture(index);
  if (role != Qt::EditRole || texture < 0) return false;
  rename_(texture, value.toString());
  return true;
}

bool TextureEditorList::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  return NameCollator().compare(left.data().toString(), right.data().toString()) < 0;
}

}  // namespace tessmoor
