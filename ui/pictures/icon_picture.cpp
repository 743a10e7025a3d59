// The program's icon: two cards fanned on a round of felt, drawn at any size.
#include "ui/pictures/icon_picture.h"

#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

#include "ui/pictures/card_pictures.h"

namespace quorvel::ui {
namespace {

constexpr qreal kDesign = 256;  // laid out at this size, scaled to fit

// A large card, `height` design pixels tall, turned by `angle` about its foot.
void PaintTurnedCard(QPainter& painter, QStringView name, QPointF foot, qreal angle, qreal height) {
  const qreal scale = height / kLargeCardSize.height();
  painter.save();
  painter.translate(foot);
  painter.rotate(angle);
  painter.scale(scale, scale);
  painter.translate(-kLargeCardSize.width() / 2.0, -kLargeCardSize.height());
  PaintCard(painter, name);
  painter.restore();
}

}  // namespace

void PaintIcon(QPainter& painter, int side) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(side / kDesign, side / kDesign);

  QRadialGradient felt(QPointF(128, 110), 140);
  felt.setColorAt(0.0, QColor(30, 128, 78));
  felt.setColorAt(1.0, QColor(8, 60, 34));
  painter.setPen(QPen(QColor(92, 52, 24), 10));
  painter.setBrush(felt);
  painter.drawEllipse(QRectF(8, 8, 240, 240));

  // Small icons keep the cards large: they are what the eye finds.
  PaintTurnedCard(painter, u"KH", QPointF(112, 214), -14, 168);
  PaintTurnedCard(painter, u"AS", QPointF(146, 218), 12, 168);
  painter.restore();
}

QImage DrawIcon(int side) {
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  PaintIcon(painter, side);
  return image;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int side : {16, 32, 48, 64}) icon.addPixmap(QPixmap::fromImage(DrawIcon(side)));
  return icon;
}

}  // namespace quorvel::ui
