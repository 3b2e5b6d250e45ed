#include "editor/mapview/ToolBarIcons.h"

#include <QPainter>
#include <QPixmap>
#include <functional>

namespace tessmoor {

namespace {

constexpr int IconSize = 16;

QIcon DrawIcon(const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(IconSize, IconSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  draw(painter);
  painter.end();
  return QIcon(pixmap);
}

}  // namespace

QIcon OpenIcon() {
  return DrawIcon([](QPainter& p) {
    p.setPen(QColor(96, 72, 0));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(1, 4, 13, 10);  // folder body
    p.drawRect(1, 2, 5, 2);    // its tab
    p.setBrush(QColor(255, 230, 140));
    p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(13, 14), QPoint(1, 14)}));
  });
}

QIcon SaveIcon() {
  return DrawIcon([](QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(40, 60, 140));
    p.drawRect(1, 1, 13, 13);  // disk
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);  // label
    p.setBrush(QColor(180, 180, 180));
    p.drawRect(4, 9, 7, 5);  // shutter
  });
}

QIcon SelectIcon() {
  return DrawIcon([](QPainter& p) {
    p.setPen(QPen(QColor(200, 0, 0), 1, Qt::DashLine));
    p.drawRect(1, 1, 10, 10);  // the selection frame
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(7, 6), QPoint(7, 15), QPoint(9, 13), QPoint(11, 15), QPoint(12, 14), QPoint(10, 12),
                            QPoint(13, 12)}));  // the pointer
  });
}

QIcon BrushIcon() {
  return DrawIcon([](QPainter& p) {
    p.setPen(QPen(QColor(120, 70, 20), 2));
    p.drawLine(13, 2, 7, 8);  // handle
    p.setPen(Qt::black);
    p.setBrush(QColor(0, 90, 220));
    p.drawPolygon(QPolygon({QPoint(6, 7), QPoint(9, 10), QPoint(4, 15), QPoint(1, 14), QPoint(2, 11)}));  // bristles
  });
}

QIcon RectangleIcon() {
  return DrawIcon([](QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(0, 90, 220));
    p.drawRect(2, 3, 11, 9);  // the painted rectangle
  });
}

QIcon FillIcon() {
  return DrawIcon([](QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(120, 120, 120));
    p.drawPolygon(QPolygon({QPoint(2, 7), QPoint(8, 1), QPoint(14, 7), QPoint(8, 13)}));  // bucket
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 90, 220));
    p.drawEllipse(11, 10, 4, 5);  // the drop
  });
}

QIcon PropertiesIcon() {
  return DrawIcon([](QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(2, 1, 11, 14);  // sheet
    for (int y = 4; y <= 12; y += 3) {
      p.drawLine(4, y, 5, y);   // field label
      p.drawLine(7, y, 11, y);  // field value
    }
  });
}

QIcon TextureEditorIcon() {
  return DrawIcon([](QPainter& p) {
    const QColor brick(170, 70, 40);
    const QColor mortar(210, 200, 180);
    p.fillRect(1, 1, 14, 14, mortar);
    for (int row = 0; row < 4; ++row) {
      const int shift = (row % 2) * 3;
      for (int x = 1 - shift; x < 15; x += 7) {
        const int left = std::max(x, 1);
        const int right = std::min(x + 5, 14);
        if (right > left) p.fillRect(left, 1 + row * 4, right - left + 1, 3, brick);
      }
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 15, 15);
  });
}

}  // namespace tessmoor
