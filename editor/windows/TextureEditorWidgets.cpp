#include "editor/windows/TextureEditorWidgets.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <utility>

#include "document/Windows1252.h"
#include "editor/widgets/PlainButton.h"
#include "textures/TextureName.h"

namespace tessmoor {

QString ShownName(const TextureFrame& frame) { return QString::fromStdString(FrameNameText(frame)); }

const QCollator& NameCollator() {
  static const QCollator collator(QLocale(QLocale::German, QLocale::Germany));
  return collator;
}

QValidator::State Windows1252Validator::validate(QString& input, int&) const {
  return IsWindows1252Representable(input.toStdString()) ? Acceptable : Invalid;
}

QWidget* TextureNameDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const {
  QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
  if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    line->setObjectName(QStringLiteral("EdtTextureName"));
    line->setMaxLength(TextureNameCapacity);
    line->setValidator(new Windows1252Validator(line));
    editor_ = line;
  }
  return editor;
}

void TextureNameDelegate::CancelEditing() {
  if (editor_) emit closeEditor(editor_, QAbstractItemDelegate::RevertModelCache);
}

TexturePreview::TexturePreview(std::function<void(QPainter&)> paint, QWidget* parent)
    : QWidget(parent), paint_(std::move(paint)) {}

void TexturePreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paint_(painter);
}

namespace {

QIcon ToolIcon(ToolShape shape) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 128));
  switch (shape) {
    case ToolShape::ArrowUp:
      painter.drawPolygon(QPolygonF({{8, 2}, {14, 9}, {10, 9}, {10, 14}, {6, 14}, {6, 9}, {2, 9}}));
      break;
    case ToolShape::ArrowDown:
      painter.drawPolygon(QPolygonF({{8, 14}, {14, 7}, {10, 7}, {10, 2}, {6, 2}, {6, 7}, {2, 7}}));
      break;
    case ToolShape::Plus:
      painter.drawRect(QRectF(2, 6.5, 12, 3));
      painter.drawRect(QRectF(6.5, 2, 3, 12));
      break;
    case ToolShape::Minus:
      painter.drawRect(QRectF(2, 6.5, 12, 3));
      break;
  }
  return QIcon(pixmap);
}

}  // namespace

QToolButton* MakeToolButton(const char* name, const QString& hint, ToolShape shape, QWidget* parent,
                            const QRect& geometry) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(hint);
  button->setIcon(ToolIcon(shape));
  button->setAutoRaise(true);
  button->setGeometry(geometry);
  return button;
}

QPushButton* MakeButton(const char* name, const QString& text, QWidget* parent, const QRect& geometry) {
  QPushButton* button = MakePlainButton(name, text, parent);
  button->setGeometry(geometry);
  return button;
}

}  // namespace tessmoor
