// The progression screen's picture: stacks of chips rising like a staircase.
#include "ui/pictures/stairs_picture.h"
#include "ui/pictures/device_pixmap.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace quorvel::ui {
namespace {

constexpr QSizeF kDesign(64, 64);

// One chip edge on: a flat band with the white inserts of its rim.
void PaintChipEdge(QPainter& painter, QRectF band, const QColor& colour) {
  painter.setPen(QPen(colour.darker(170), 0.8));
  painter.setBrush(colour);
  painter.drawRoundedRect(band, 2, 2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(244, 240, 230));
  const qreal insert = band.width() / 7;
  for (int i = 1; i < 7; i += 2) {
    painter.drawRect(QRectF(band.left() + i * insert, band.top() + 1.2, insert,
                            band.height() - 2.4));
  }
}

}  // namespace

QPixmap DrawStairsPicture(QSize size, qreal devicePixelRatio) {
  QPixmap picture = DevicePixmap(size, devicePixelRatio, Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size.width() / kDesign.width(), size.height() / kDesign.height());

  const std::array<QColor, 4> colours{QColor(178, 28, 36), QColor(30, 120, 60),
                                      QColor(30, 30, 34), QColor(104, 50, 140)};
  constexpr qreal kChipWidth = 13;
  constexpr qreal kChipHeight = 6;
  constexpr qreal kFloor = 60;
  for (int stack = 0; stack < 4; ++stack) {
    const qreal left = 2 + stack * (kChipWidth + 2.5);
    for (int chip = 0; chip <= stack; ++chip) {
      PaintChipEdge(painter, QRectF(left, kFloor - (chip + 1) * kChipHeight, kChipWidth,
                                    kChipHeight - 0.6),
                    colours[stack]);
    }
  }

  // The arrow climbs from the first stack to over the last.
  const QColor gold(214, 160, 30);
  painter.setPen(QPen(gold, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  const QPointF tip(58, 8);
  painter.drawLine(QPointF(6, 42), tip - QPointF(3.5, -3.5));
  QPainterPath head;
  head.moveTo(tip);
  head.lineTo(tip + QPointF(-11, 1.5));
  head.lineTo(tip + QPointF(-1.5, 11));
  head.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(gold);
  painter.drawPath(head);
  return picture;
}

}  // namespace quorvel::ui
