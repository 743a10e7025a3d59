// A blank picture of a logical size drawn at a device pixel ratio, so it stays crisp on dense displays.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>

namespace quorvel::ui {

inline QPixmap DevicePixmap(QSize logicalSize, qreal devicePixelRatio, const QColor& fill) {
  QPixmap picture(logicalSize * devicePixelRatio);
  picture.setDevicePixelRatio(devicePixelRatio);
  picture.fill(fill);
  return picture;
}

}  // namespace quorvel::ui
