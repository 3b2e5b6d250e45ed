#include "editor/widgets/TextureEntryDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <cmath>

#include "editor/widgets/CountText.h"
#include "editor/widgets/TexturePictureCache.h"
#include "editor/widgets/TextureTableModel.h"
#include "texts/CoreTexts.h"

namespace tessmoor {

namespace {

constexpr int Margin = 4;
constexpr int StarSide = 18;

}  // namespace

QString UsageText(const TextureUsage& usage) {
  if (usage.cells == 0) return QCoreApplication::translate("TextureEntryDelegate", "unbenutzt");
  QStringList layers;
  for (int layer = 0; layer < SurfaceCount; ++layer) {
    const int cells = usage.layerCells[static_cast<size_t>(layer)];
    if (cells > 0) layers << QStringLiteral("%1 %2").arg(QString::fromUtf8(SurfaceName(layer))).arg(cells);
  }
  return QStringLiteral("%1: %2")
      .arg(CountText(usage.cells, QT_TRANSLATE_NOOP("CountTextSingular", "Zelle"),
                     QT_TRANSLATE_NOOP("CountTextPlural", "Zellen")),
           layers.join(QStringLiteral(", ")));
}

TextureEntryDelegate::TextureEntryDelegate(Shape shape, Sources sources, QObject* parent)
    : QStyledItemDelegate(parent), shape_(shape), sources_(std::move(sources)) {}

int TextureEntryDelegate::Texture(const QModelIndex& index) const {
  return index.data(TextureTableModel::TextureRole).toInt();
}

QSize TextureEntryDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  if (shape_ == Shape::Tile) return {TilePicture + 2 * Margin, TilePicture + 2 * Margin};
  // The name, the size and frames, and the usage over up to three lines.
  const int lines = 5 * option.fontMetrics.height();
  return {RowPicture + 160, std::max(RowPicture, lines) + 2 * Margin};
}

QRect TextureEntryDelegate::StarRect(const QRect& cell) const {
  if (shape_ == Shape::Tile) return {cell.right() - StarSide + 1, cell.top(), StarSide, StarSide};
  return {cell.right() - StarSide - Margin + 1, cell.top() + Margin, StarSide, StarSide};
}

QString TextureEntryDelegate::DetailText(const QModelIndex& index) const {
  const QSize size = index.data(TextureTableModel::PictureSizeRole).toSize();
  const int frames = index.data(TextureTableModel::FrameCountRole).toInt();
  const QString frameText = CountText(frames, QT_TRANSLATE_NOOP("CountTextSingular", "Bild"),
                                      QT_TRANSLATE_NOOP("CountTextPlural", "Bilder"));
  const QString sizeText = size.isValid() ? QStringLiteral("%1 × %2, ").arg(size.width()).arg(size.height()) : QString();
  return sizeText + frameText + '\n' + UsageText(sources_.usage(Texture(index)));
}

void TextureEntryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  QStyleOptionViewItem background = option;
  initStyleOption(&background, index);
  background.text.clear();
  background.icon = {};
  const QWidget* widget = option.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

  const int texture = Texture(index);
  const int side = shape_ == Shape::Tile ? TilePicture : RowPicture;
  const QRect pictureRect(option.rect.left() + Margin, option.rect.top() + Margin, side, side);
  const QPixmap picture = sources_.pictures.Picture(texture, sources_.shownFrame(texture), side).pixmap(side, side);
  if (!picture.isNull()) {
    const QSize shown = picture.deviceIndependentSize().toSize();
    painter->drawPixmap(QRect(pictureRect.topLeft() + QPoint((side - shown.width()) / 2, (side - shown.height()) / 2),
                              shown),
                        picture);
  }
  const bool favourite = sources_.isFavourite(texture);
  const bool hovered = option.state & QStyle::State_MouseOver;
  if (shape_ == Shape::Row || favourite || hovered) PaintStar(painter, StarRect(option.rect), favourite);
  if (shape_ == Shape::Tile) return;

  const bool selected = option.state & QStyle::State_Selected;
  painter->save();
  painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  const int textLeft = pictureRect.right() + 2 * Margin;
  QRect textRect(textLeft, option.rect.top() + Margin, StarRect(option.rect).left() - Margin - textLeft,
                 option.rect.height() - 2 * Margin);
  QFont bold = option.font;
  bold.setBold(true);
  painter->setFont(bold);
  const QFontMetrics boldMetrics(bold);
  painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop,
                    boldMetrics.elidedText(index.data().toString(), Qt::ElideRight, textRect.width()));
  textRect.setTop(textRect.top() + boldMetrics.height());
  painter->setFont(option.font);
  painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, DetailText(index));
  painter->restore();
}

void TextureEntryDelegate::PaintStar(QPainter* painter, const QRect& rect, bool favourite) const {
  QPainterPath star;
  const QPointF centre = QRectF(rect).center();
  const double outer = rect.width() / 2.0 - 1;
  for (int point = 0; point < 10; ++point) {
    const double radius = point % 2 == 0 ? outer : outer * 0.45;
    const double angle = -M_PI / 2 + point * M_PI / 5;
    const QPointF at = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    point == 0 ? star.moveTo(at) : star.lineTo(at);
  }
  star.closeSubpath();
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  // A favourite's star is filled; any other is an outline, on every background.
  painter->setPen(QPen(favourite ? QColor(160, 110, 0) : QColor(128, 128, 128), 1.2));
  painter->setBrush(favourite ? QBrush(QColor(250, 190, 20)) : QBrush(Qt::NoBrush));
  painter->drawPath(star);
  painter->restore();
}

bool TextureEntryDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) {
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && StarRect(option.rect).contains(mouse->position().toPoint())) {
      sources_.toggleFavourite(Texture(index));
      return true;
    }
  }
  if (event->type() == QEvent::MouseButtonDblClick) {
    // A quick second click on the star toggles it back; it sets no texture.
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (StarRect(option.rect).contains(mouse->position().toPoint())) return true;
  }
  return QStyledItemDelegate::editorEvent(event, model, option, index);
}

bool TextureEntryDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) {
  if (event->type() != QEvent::ToolTip || !index.isValid()) {
    return QStyledItemDelegate::helpEvent(event, view, option, index);
  }
  QString tip = StarRect(option.rect).contains(event->pos())
                    ? QCoreApplication::translate("TextureEntryDelegate", "Favorit an oder aus")
                    : index.data().toString() + '\n' + DetailText(index);
  QToolTip::showText(event->globalPos(), tip, view);
  return true;
}

}  // namespace tessmoor
