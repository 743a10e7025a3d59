// The four suit symbols as vector outlines.
#include <QTransform>

#include "ui/pictures/card_pictures.h"

namespace quorvel::ui {
namespace {

// Each shape is designed in a unit square, y growing downwards.

QPainterPath UnitHeart() {
  QPainterPath path;
  path.moveTo(0.5, 0.25);
  path.cubicTo(0.5, 0.08, 0.38, 0.0, 0.26, 0.0);
  path.cubicTo(0.1, 0.0, 0.0, 0.13, 0.0, 0.3);
  path.cubicTo(0.0, 0.56, 0.3, 0.72, 0.5, 1.0);
  path.cubicTo(0.7, 0.72, 1.0, 0.56, 1.0, 0.3);
  path.cubicTo(1.0, 0.13, 0.9, 0.0, 0.74, 0.0);
  path.cubicTo(0.62, 0.0, 0.5, 0.08, 0.5, 0.25);
  path.closeSubpath();
  return path;
}

QPainterPath UnitDiamond() {
  QPainterPath path;
  path.moveTo(0.5, 0.0);
  path.quadTo(0.68, 0.28, 0.92, 0.5);
  path.quadTo(0.68, 0.72, 0.5, 1.0);
  path.quadTo(0.32, 0.72, 0.08, 0.5);
  path.quadTo(0.32, 0.28, 0.5, 0.0);
  path.closeSubpath();
  return path;
}

// The flared foot that spades and clubs stand on.
void AddStem(QPainterPath& path, qreal top) {
  path.moveTo(0.46, top);
  path.quadTo(0.44, 0.9, 0.3, 1.0);
  path.lineTo(0.7, 1.0);
  path.quadTo(0.56, 0.9, 0.54, top);
  path.closeSubpath();
}

QPainterPath UnitSpade() {
  QPainterPath path;
  path.moveTo(0.5, 0.0);
  path.cubicTo(0.32, 0.26, 0.0, 0.4, 0.0, 0.62);
  path.cubicTo(0.0, 0.79, 0.12, 0.87, 0.26, 0.87);
  path.cubicTo(0.36, 0.87, 0.44, 0.82, 0.5, 0.74);
  path.cubicTo(0.56, 0.82, 0.64, 0.87, 0.74, 0.87);
  path.cubicTo(0.88, 0.87, 1.0, 0.79, 1.0, 0.62);
  path.cubicTo(1.0, 0.4, 0.68, 0.26, 0.5, 0.0);
  path.closeSubpath();
  AddStem(path, 0.7);
  return path;
}

QPainterPath UnitClub() {
  QPainterPath path;
  constexpr qreal kLobe = 0.235;
  path.addEllipse(QPointF(0.5, 0.25), kLobe, kLobe);
  path.addEllipse(QPointF(0.25, 0.6), kLobe, kLobe);
  path.addEllipse(QPointF(0.75, 0.6), kLobe, kLobe);
  path.addEllipse(QPointF(0.5, 0.52), 0.14, 0.14);
  AddStem(path, 0.55);
  return path;
}

QPainterPath UnitSuit(Suit suit) {
  switch (suit) {
    case Suit::kClubs:
      return UnitClub();
    case Suit::kDiamonds:
      return UnitDiamond();
    case Suit::kHearts:
      return UnitHeart();
    case Suit::kSpades:
      return UnitSpade();
  }
  return {};
}

}  // namespace

QPainterPath SuitPath(Suit suit, const QRectF& box) {
  QPainterPath path = UnitSuit(suit);
  // The lobes overlap; winding fill shows their union instead of holes.
  path.setFillRule(Qt::WindingFill);
  QTransform toBox;
  toBox.translate(box.left(), box.top());
  toBox.scale(box.width(), box.height());
  return toBox.map(path);
}

QFont PictureFont(int pixelSize, QFont::Weight weight) {
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("Arial"), QStringLiteral("Helvetica")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setWeight(weight);
  return font;
}

}  // namespace quorvel::ui
