#include "editor/widgets/TextureLists.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>

#include "editor/widgets/TexturePictureCache.h"

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

void MakeTextureList(QComboBox* list, TexturePictureCache* pictures) {
  if (pictures) list->setIconSize(QSize(TexturePictureCache::Side, TexturePictureCache::Side));
  new NameSearch(list);
}

void AddTextureItem(QComboBox* list, const QString& text, const QString& name, int index,
                    TexturePictureCache* pictures) {
  if (pictures) {
    list->addItem(pictures->Picture(index), text, static_cast<uint>(index));
  } else {
    list->addItem(text, static_cast<uint>(index));
  }
  list->setItemData(list->count() - 1, name, NameRole);
}

}  // namespace tessmoor
