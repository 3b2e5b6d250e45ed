#include "editor/widgets/TextureLists.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>

#include "editor/widgets/TexturePictureCache.h"
#include "editor/widgets/TextureTableModel.h"

namespace tessmoor {

namespace {

// Beside Qt::UserRole, which holds the texture number.
constexpr int NameRole = Qt::UserRole + 1;

// Qt's own search in an item view starts after the current item and cycles
// through the items of a repeated letter; a texture list is searched from its
// top by name, so "st" typed quickly always finds the first "Stein...".
class NameSearch : public QObject {
 public:
  explicit NameSearch(QComboBox* list) : QObject(list), list_(list) { list->view()->installEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint()) return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    if (!typing_.isValid() || typing_.restart() > QApplication::keyboardInputInterval()) typed_.clear();
    if (!typing_.isValid()) typing_.start();
    typed_ += text;
    JumpToFirstMatch();
    return true;
  }

 private:
  void JumpToFirstMatch() {
    for (int row = 0; row < list_->count(); ++row) {
      if (list_->itemData(row, NameRole).toString().startsWith(typed_, Qt::CaseInsensitive)) {
        list_->view()->setCurrentIndex(list_->model()->index(row, list_->modelColumn()));
        return;
      }
    }
  }

  QComboBox* list_;
  QElapsedTimer typing_;
  QString typed_;
};

}  // namespace

void MakeTextureList(QComboBox* list, const TextureTableModel& textures) {
  if (textures.HasPictures()) list->setIconSize(QSize(TexturePictureCache::Side, TexturePictureCache::Side));
  new NameSearch(list);
}

void FillTextureList(QComboBox* list, TextureTableModel& textures, const TextureListItems& items) {
  textures.Sync();
  list->clear();
  list->addItem(items.noTexture, static_cast<uint>(NoTexture));
  for (int row = 0; row < textures.rowCount(); ++row) {
    if (row == items.leftOut) continue;
    const QModelIndex index = textures.index(row);
    const QString name = index.data(Qt::DisplayRole).toString();
    const QString text = items.numbered ? QString("%1: %2").arg(row).arg(name) : name;
    const QIcon picture = qvariant_cast<QIcon>(index.data(Qt::DecorationRole));
    list->addItem(picture, text, static_cast<uint>(row));
    list->setItemData(list->count() - 1, name, NameRole);
  }
}

}  // namespace tessmoor
