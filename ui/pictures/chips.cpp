// A casino chip seen from above.
#include <QPainter>

#include "ui/pictures/table_picture.h"

namespace quorvel::ui {

void PaintChip(QPainter& painter, QPointF centre, qreal radius, const QColor& colour) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(centre);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 90));
  painter.drawEllipse(QPointF(radius * 0.1, radius * 0.14), radius, radius);

  painter.setBrush(colour);
  painter.setPen(QPen(colour.darker(160), radius * 0.06));
  painter.drawEllipse(QPointF(0, 0), radius, radius);

  // The six white inserts round the edge.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(244, 240, 230));
  const QRectF insert(-radius * 0.16, -radius * 0.97, radius * 0.32, radius * 0.24);
  for (int i = 0; i < 6; ++i) {
    painter.drawRoundedRect(insert, radius * 0.04, radius * 0.04);
    painter.rotate(60);
  }

  painter.setBrush(colour.lighter(118));
  painter.setPen(QPen(QColor(244, 240, 230, 200), radius * 0.05, Qt::DashLine));
  painter.drawEllipse(QPointF(0, 0), radius * 0.64, radius * 0.64);
  painter.setPen(QPen(colour.darker(130), radius * 0.04));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QPointF(0, 0), radius * 0.42, radius * 0.42);
  painter.restore();
}

}  // namespace quorvel::ui
