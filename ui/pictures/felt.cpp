// The green baize of the table and the splash.
#include <random>

#include <QPainter>
#include <QRadialGradient>

#include "ui/pictures/table_picture.h"

namespace quorvel::ui {
namespace {

// A tile of faint light and dark specks; fixed seed, so every build draws the same
// picture.
QImage GrainTile() {
  constexpr int kTile = 96;
  QImage tile(kTile, kTile, QImage::Format_ARGB32_Premultiplied);
  std::mt19937 random(20240611u);
  std::uniform_int_distribution<int> strength(0, 13);
  std::bernoulli_distribution light(0.5);
  for (int y = 0; y < kTile; ++y) {
    auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
    for (int x = 0; x < kTile; ++x) {
      const int alpha = strength(random);
      const int value = light(random) ? alpha : 0;  // premultiplied white or black
      line[x] = qRgba(value, value, value, alpha);
    }
  }
  return tile;
}

}  // namespace

void PaintFelt(QPainter& painter, const QPainterPath& area) {
  const QRectF bounds = area.boundingRect();
  // A unit radial gradient stretched over the area: an oval pool of light.
  QRadialGradient light(QPointF(0, 0), 1.0);
  light.setColorAt(0.0, QColor(22, 106, 64));
  light.setColorAt(0.6, QColor(14, 82, 48));
  light.setColorAt(1.0, QColor(6, 50, 28));
  QBrush lightBrush(light);
  lightBrush.setTransform(QTransform()
                              .translate(bounds.center().x(), bounds.center().y())
                              .scale(bounds.width() * 0.68, bounds.height() * 0.78));
  painter.fillPath(area, lightBrush);
  painter.fillPath(area, QBrush(GrainTile()));
}

}  // namespace quorvel::ui
