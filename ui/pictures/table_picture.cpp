// The blackjack table seen from above, drawn in 640 x 414 design coordinates.
#include <array>

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include "ui/pictures/card_pictures.h"
#include "ui/pictures/table_picture.h"

namespace quorvel::ui {
namespace {

const QColor kGold(214, 182, 104);
const QColor kPrint(214, 182, 104, 150);   // markings printed on the felt
const QColor kFaint(214, 182, 104, 95);    // the spots the cards cover

// The rail must leave the cards at x, y = 5 on the felt; along the players' edge
// below the lowest hands it has room to be deeper.
constexpr qreal kRail = 4;
constexpr qreal kNearRail = 8;

struct SeatSpot {
  int number;
  QPointF firstCard;  // top-left of the small card that opens the seat's first row
};
constexpr std::array<SeatSpot, 6> kOtherSeats{{{1, {5, 5}},
                                               {2, {5, 145}},
                                               {3, {5, 285}},
                                               {4, {495, 5}},
                                               {5, {495, 145}},
                                               {6, {495, 285}}}};
constexpr QPointF kDealerCard(200, 35);
constexpr QPointF kUserCard(200, 150);

QPainterPath FeltOutline() {
  QPainterPath felt;
  felt.addRoundedRect(
      QRectF(kRail, kRail, kTableWidth - 2 * kRail, kTableHeight - kRail - kNearRail), 5, 5);
  return felt;
}

// Padded leather round the felt: dark edges with a lit crown along the middle.
void PaintRail(QPainter& painter) {
  const QRectF outer(0, 0, kTableWidth, kTableHeight);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(44, 26, 16));
  painter.drawRoundedRect(outer, 9, 9);
  const QColor crown(150, 98, 60);
  painter.setPen(QPen(crown, 1.3));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(outer.adjusted(1.9, 1.9, -1.9, -kNearRail / 2), 7, 7);
  const QRectF near(0, kTableHeight - kNearRail - 1, kTableWidth, kNearRail + 1);
  QLinearGradient padding(near.topLeft(), near.bottomLeft());
  padding.setColorAt(0.0, QColor(30, 17, 10));
  padding.setColorAt(0.45, crown);
  padding.setColorAt(1.0, QColor(30, 17, 10));
  painter.save();
  painter.setClipRect(near);
  painter.setPen(Qt::NoPen);
  painter.setBrush(padding);
  painter.drawRoundedRect(outer, 9, 9);
  painter.restore();
}

void PaintCentredText(QPainter& painter, QPointF centreBaseline, const QString& text,
                      const QFont& font) {
  painter.setFont(font);
  const qreal width = QFontMetricsF(font).horizontalAdvance(text);
  painter.drawText(QPointF(centreBaseline.x() - width / 2, centreBaseline.y()), text);
}

QFont SpacedFont(int pixelSize, qreal spacing) {
  QFont font = PictureFont(pixelSize);
  font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
  return font;
}

// The dealer's chip rack: tubes of chips standing on edge, seen from above.
void PaintChipRack(QPainter& painter) {
  const QRectF rack(248, 5, 144, 19);
  painter.setPen(QPen(QColor(150, 150, 160), 0.8));
  painter.setBrush(QColor(16, 16, 18));
  painter.drawRoundedRect(rack, 3, 3);
  const std::array<QColor, 8> tubes{QColor(232, 228, 216), QColor(232, 228, 216),
                                    QColor(178, 28, 36),   QColor(178, 28, 36),
                                    QColor(30, 120, 60),   QColor(30, 120, 60),
                                    QColor(30, 30, 34),    QColor(104, 50, 140)};
  const qreal tubeWidth = (rack.width() - 4) / tubes.size();
  for (std::size_t i = 0; i < tubes.size(); ++i) {
    const QRectF tube(rack.left() + 2 + i * tubeWidth + 0.6, rack.top() + 2, tubeWidth - 1.2,
                      rack.height() - 4);
    painter.fillRect(tube, tubes[i]);
    // One chip edge every 1.5 px along the tube.
    painter.setPen(QPen(tubes[i].darker(150), 0.5));
    for (qreal y = tube.top() + 1.5; y < tube.bottom(); y += 1.5) {
      painter.drawLine(QPointF(tube.left(), y), QPointF(tube.right(), y));
    }
  }
}

void PaintCardSpot(QPainter& painter, QPointF topLeft, QSizeF size) {
  painter.setPen(QPen(kFaint, 0.8));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(topLeft, size).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

// The back of a card: maroon with a white margin and a fine lattice.
void PaintCardBack(QPainter& painter, const QRectF& card) {
  painter.setPen(QPen(QColor(40, 40, 48), 0.6));
  painter.setBrush(QColor(250, 250, 246));
  painter.drawRoundedRect(card, 1.5, 1.5);
  const QRectF inner = card.adjusted(1.6, 1.6, -1.6, -1.6);
  painter.fillRect(inner, QColor(128, 22, 38));
  painter.save();
  painter.setClipRect(inner);
  painter.setPen(QPen(QColor(210, 120, 120, 150), 0.5));
  for (qreal d = -inner.height(); d < inner.width(); d += 3) {
    painter.drawLine(inner.topLeft() + QPointF(d, 0),
                     inner.topLeft() + QPointF(d + inner.height(), inner.height()));
    painter.drawLine(inner.bottomLeft() + QPointF(d, 0),
                     inner.bottomLeft() + QPointF(d + inner.height(), -inner.height()));
  }
  painter.restore();
}

// The shoe at the dealer's left: a dark box with the next card showing at its mouth.
void PaintShoe(QPainter& painter) {
  const QRectF body(416, 5, 54, 27);
  painter.setPen(QPen(QColor(110, 110, 118), 0.8));
  painter.setBrush(QColor(28, 28, 32));
  painter.drawRoundedRect(body, 3, 3);
  PaintCardBack(painter, QRectF(421, 13, 44, 16));
  painter.fillRect(QRectF(418, 7, 50, 5), QColor(70, 70, 78));
}

// The discard holder at the dealer's right: used cards squared in a clear tray.
void PaintDiscards(QPainter& painter) {
  const QRectF tray(172, 5, 46, 27);
  painter.setPen(QPen(QColor(200, 210, 220, 120), 0.8));
  painter.setBrush(QColor(255, 255, 255, 28));
  painter.drawRoundedRect(tray, 3, 3);
  for (int i = 0; i < 3; ++i) {
    PaintCardBack(painter, QRectF(176 + i * 1.2, 9 - i * 0.8, 36, 18));
  }
}

void PaintDealerPlace(QPainter& painter) {
  PaintDiscards(painter);
  PaintChipRack(painter);
  PaintShoe(painter);
  painter.setPen(kPrint);
  PaintCentredText(painter, QPointF(320, 33), QStringLiteral("DEALER"), SpacedFont(8, 2));
  PaintCardSpot(painter, kDealerCard, kLargeCardSize);
}

void PaintPayoutLine(QPainter& painter) {
  const QFont font = SpacedFont(10, 1.6);
  const QString text = QStringLiteral("BLACKJACK PAYS 3 TO 2");
  const qreal halfWidth = QFontMetricsF(font).horizontalAdvance(text) / 2;
  painter.setPen(kGold);
  PaintCentredText(painter, QPointF(320, 100), text, font);
  const QSizeF pip(7, 7);
  painter.fillPath(SuitPath(Suit::kSpades, QRectF(QPointF(320 - halfWidth - 14, 92.5), pip)),
                   kGold);
  painter.fillPath(SuitPath(Suit::kHearts, QRectF(QPointF(320 + halfWidth + 6, 92.5), pip)),
                   kGold);
}

// The user's place: a betting circle beside the spot where the first card lands.
void PaintUserSeat(QPainter& painter) {
  const QPointF circle(170, 174);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kPrint, 1.2));
  painter.drawEllipse(circle, 16, 16);
  painter.setPen(QPen(kFaint, 0.7));
  painter.drawEllipse(circle, 13, 13);
  painter.setPen(kPrint);
  PaintCentredText(painter, circle + QPointF(0, 3), QStringLiteral("BET"), SpacedFont(8, 1));
  PaintCardSpot(painter, kUserCard, kLargeCardSize);
}

// The other seats: a numbered disc on each seat's first card, set towards its right
// so that at seat 6 it stays clear of the message box and the hand labels.
void PaintOtherSeats(QPainter& painter) {
  const QFont font = PictureFont(8);
  for (const SeatSpot& seat : kOtherSeats) {
    const QPointF centre = seat.firstCard + QPointF(12, 7);
    painter.setPen(QPen(kPrint, 0.8));
    painter.setBrush(QColor(255, 255, 255, 18));
    painter.drawEllipse(centre, 5, 5);
    painter.setPen(kGold);
    PaintCentredText(painter, centre + QPointF(0, 3), QString::number(seat.number), font);
  }
}

}  // namespace

QImage DrawTablePicture(float scale) {
  QImage image(static_cast<int>(kTableWidth * scale), static_cast<int>(kTableHeight * scale),
               QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                         QPainter::SmoothPixmapTransform);
  painter.scale(scale, scale);
  PaintRail(painter);
  PaintFelt(painter, FeltOutline());
  painter.setPen(QPen(kGold, 0.7));  // gold piping where felt meets rail
  painter.drawPath(FeltOutline());
  PaintDealerPlace(painter);
  PaintPayoutLine(painter);
  PaintUserSeat(painter);
  PaintOtherSeats(painter);
  return image;
}

QString TablePictureFile(float scale) {
  if (scale >= 1.6f) {
    return QStringLiteral("xg1.bmp");
  }
  if (scale >= 1.25f) {
    return QStringLiteral("vg1.bmp");
  }
  return QStringLiteral("bg1.bmp");
}

}  // namespace quorvel::ui
