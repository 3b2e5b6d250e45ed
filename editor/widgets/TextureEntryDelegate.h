#pragma once
// How the texture browser draws one texture: its picture, and beside it as a
// row its name, size, frames and usage, or as a tile the picture alone with the
// rest in its tool tip. A star on each entry marks a favourite; a click on it
// toggles it.

#include <QStyledItemDelegate>
#include <functional>

#include "textures/TextureUsage.h"

namespace tessmoor {

class TexturePictureCache;

class TextureEntryDelegate : public QStyledItemDelegate {
 public:
  enum class Shape { Row, Tile };

  struct Sources {
    TexturePictureCache& pictures;
    std::function<TextureUsage(int texture)> usage;
    std::function<bool(int texture)> isFavourite;
    std::function<void(int texture)> toggleFavourite;
    std::function<int(int texture)> shownFrame;  // the frame to draw now (animation)
  };

  static constexpr int RowPicture = 64;
  static constexpr int TilePicture = 48;

  TextureEntryDelegate(Shape shape, Sources sources, QObject* parent = nullptr);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override;

  // Where the star of an entry drawn in `cell` lies.
  QRect StarRect(const QRect& cell) const;
  // The lines beside the picture: size and frames, then usage.
  QString DetailText(const QModelIndex& index) const;

 private:
  int Texture(const QModelIndex& index) const;
  void PaintStar(QPainter* painter, const QRect& rect, bool favourite) const;

  Shape shape_;
  Sources sources_;
};

// "12 Zellen: Boden 4, Wand 8", or "unbenutzt".
QString UsageText(const TextureUsage& usage);

}  // namespace tessmoor
