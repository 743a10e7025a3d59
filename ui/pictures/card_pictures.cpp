// The card pictures by name, drawn once per name and device pixel ratio and kept.
#include <QPainter>
#include <QPixmapCache>

#include "ui/pictures/card_pictures.h"
#include "ui/pictures/device_pixmap.h"

namespace quorvel::ui {

QPixmap CardPicture(QStringView name, qreal devicePixelRatio) {
  const QString key =
      QStringLiteral("quorvel-card:%1@%2").arg(name.toString().toUpper()).arg(devicePixelRatio);
  QPixmap picture;
  if (QPixmapCache::find(key, &picture)) {
    return picture;
  }
  const QSize size = name.size() == 3 ? kSmallCardSize : kLargeCardSize;
  picture = DevicePixmap(size, devicePixelRatio, Qt::transparent);
  QPainter painter(&picture);
  if (!PaintCard(painter, name)) {
    return {};
  }
  painter.end();
  QPixmapCache::insert(key, picture);
  return picture;
}

}  // namespace quorvel::ui
