#pragma once
// The texture editor's list: the shared texture table model as the editor shows
// it, sorted by name as a German reader expects, each name editable in place
// (a rename of the texture) and without pictures.

#include <QSortFilterProxyModel>
#include <functional>

namespace tessmoor {

class TextureTableModel;

class TextureEditorList : public QSortFilterProxyModel {
 public:
  // `rename` stores a name typed in place for the texture with that number.
  using Rename = std::function<void(int texture, const QString& name)>;
  TextureEditorList(TextureTableModel& textures, Rename rename, QObject* parent);

  // The texture a row of the list shows, or -1.
  int Texture(const QModelIndex& index) const;
  // The row that shows `texture`, invalid when none does; the rows follow the table first.
  QModelIndex RowOf(int texture);
  int Rows();

  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  TextureTableModel& textures_;
  Rename rename_;
};

}  // namespace tessmoor
