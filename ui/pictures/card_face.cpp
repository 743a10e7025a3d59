// Painting one card face: the white card, its corner index and its centre.
#include <algorithm>
#include <cmath>
#include <optional>

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include "ui/pictures/card_pictures.h"

namespace quorvel::ui {
namespace {

constexpr QStringView kRanks = u"23456789TJQKA";
constexpr QStringView kSuits = u"CDHS";

const QColor kRed(196, 18, 48);
const QColor kBlack(22, 22, 28);
const QColor kEdge(46, 46, 56);

struct CardFace {
  QChar rank;
  Suit suit;
  bool small;
};

std::optional<CardFace> ParseCardName(QStringView name) {
  if (name.size() != 2 && name.size() != 3) {
    return std::nullopt;
  }
  const QChar rank = name[0].toUpper();
  const qsizetype suitIndex = kSuits.indexOf(name[1].toUpper());
  if (!kRanks.contains(rank) || suitIndex < 0) {
    return std::nullopt;
  }
  if (name.size() == 3 && name[2].toUpper() != u'X') {
    return std::nullopt;
  }
  return CardFace{rank, static_cast<Suit>(suitIndex), name.size() == 3};
}

bool IsRed(Suit suit) { return suit == Suit::kDiamonds || suit == Suit::kHearts; }
bool IsCourt(QChar rank) { return rank == u'J' || rank == u'Q' || rank == u'K'; }

QString RankText(QChar rank) { return rank == u'T' ? QStringLiteral("10") : QString(rank); }

// Writes `text` with its cap height starting at `topLeft`, squeezed sideways when it
// is wider than `maxWidth` (the "10" of the small card).
void DrawIndexText(QPainter& painter, QPointF topLeft, qreal maxWidth, const QString& text,
                   const QFont& font) {
  const QFontMetricsF metrics(font);
  const qreal width = metrics.horizontalAdvance(text);
  const qreal squeeze = width > maxWidth ? maxWidth / width : 1.0;
  painter.save();
  painter.translate(topLeft.x(), topLeft.y() + metrics.capHeight());
  painter.scale(squeeze, 1.0);
  painter.setFont(font);
  painter.drawText(QPointF(0, 0), text);
  painter.restore();
}

void PaintBlank(QPainter& painter, const QSizeF& size, qreal radius) {
  const QRectF body(0.5, 0.5, size.width() - 1, size.height() - 1);
  // Card stock: white, a shade warmer towards the foot.
  QLinearGradient stock(body.topLeft(), body.bottomLeft());
  stock.setColorAt(0, QColor(255, 255, 255));
  stock.setColorAt(1, QColor(243, 241, 234));
  // One pixel at card size; a card painted larger (the splash) keeps a fine edge.
  const QTransform& world = painter.worldTransform();
  const qreal magnification = std::hypot(world.m11(), world.m12());
  painter.setPen(QPen(kEdge, std::clamp(1.5 / magnification, 0.45, 1.0)));
  painter.setBrush(stock);
  painter.drawRoundedRect(body, radius, radius);
}

void PaintSuit(QPainter& painter, Suit suit, const QRectF& box) {
  painter.fillPath(SuitPath(suit, box), IsRed(suit) ? kRed : kBlack);
}

// The centre of a large court card: a gold panel holding the court letter over a pip,
// clear of the corner index.
void PaintCourtPanel(QPainter& painter, const CardFace& face) {
  const QColor ink = IsRed(face.suit) ? kRed : kBlack;
  const QRectF panel(10.5, 13.5, 16, 30);
  painter.setPen(QPen(ink, 0.8));
  painter.setBrush(QColor(246, 226, 160));
  painter.drawRoundedRect(panel, 1.5, 1.5);
  const QFont letterFont = PictureFont(14);
  const QString letter(face.rank);
  const qreal letterWidth = QFontMetricsF(letterFont).horizontalAdvance(letter);
  painter.setPen(ink);
  DrawIndexText(painter, QPointF(panel.center().x() - letterWidth / 2, panel.top() + 4),
                panel.width(), letter, letterFont);
  PaintSuit(painter, face.suit, QRectF(panel.center().x() - 3.5, panel.bottom() - 10.5, 7, 7.5));
}

void PaintLarge(QPainter& painter, const CardFace& face) {
  PaintBlank(painter, kLargeCardSize, 3.0);
  painter.setPen(IsRed(face.suit) ? kRed : kBlack);
  DrawIndexText(painter, QPointF(2.5, 2.5), 14, RankText(face.rank), PictureFont(10));
  PaintSuit(painter, face.suit, QRectF(2.5, 14.5, 7, 7.5));
  if (IsCourt(face.rank)) {
    PaintCourtPanel(painter, face);
  } else if (face.rank == u'A') {
    PaintSuit(painter, face.suit, QRectF(6, 19, 19, 20));
  } else {
    PaintSuit(painter, face.suit, QRectF(9, 21, 14, 15));
  }
}

void PaintSmall(QPainter& painter, const CardFace& face) {
  PaintBlank(painter, kSmallCardSize, 2.0);
  painter.setPen(IsRed(face.suit) ? kRed : kBlack);
  DrawIndexText(painter, QPointF(2, 2), 12, RankText(face.rank), PictureFont(10));
  PaintSuit(painter, face.suit, QRectF(3, 13, 10, 10.5));
}

}  // namespace

bool PaintCard(QPainter& painter, QStringView name) {
  const std::optional<CardFace> face = ParseCardName(name);
  if (!face) {
    return false;
  }
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  if (face->small) {
    PaintSmall(painter, *face);
  } else {
    PaintLarge(painter, *face);
  }
  painter.restore();
  return true;
}

}  // namespace quorvel::ui
