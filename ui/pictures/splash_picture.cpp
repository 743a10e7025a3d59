// The splash picture: the title over a fan of cards and stacks of chips on the felt.
#include <algorithm>
#include <array>

#include <QFontMetricsF>
#include <QPainter>

#include "ui/pictures/card_pictures.h"
#include "ui/pictures/device_pixmap.h"
#include "ui/pictures/splash_picture.h"
#include "ui/pictures/table_picture.h"

namespace quorvel::ui {
namespace {

constexpr QSizeF kDesign(640, 480);  // laid out at this size, scaled to fit

QFont TitleFont(int pixelSize) {
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif"),
                    QStringLiteral("Times New Roman")});
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(pixelSize);
  font.setBold(true);
  return font;
}

// Centred text with a soft drop shadow, so it stands off the felt.
void PaintTitleLine(QPainter& painter, qreal baseline, const QString& text, const QFont& font,
                    const QColor& colour) {
  const qreal width = QFontMetricsF(font).horizontalAdvance(text);
  const QPointF origin(kDesign.width() / 2 - width / 2, baseline);
  painter.setFont(font);
  painter.setPen(QColor(0, 0, 0, 150));
  painter.drawText(origin + QPointF(2, 2.5), text);
  painter.setPen(colour);
  painter.drawText(origin, text);
}

// A casino chip seen from above.
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

// A hand of five cards fanned about a point below them; blackjack on top.
void PaintFan(QPainter& painter) {
  const std::array<const char*, 5> cards{"9D", "QC", "7H", "KS", "AS"};
  const QPointF pivot(262, 560);
  constexpr qreal kCardScale = 3.0;
  for (std::size_t i = 0; i < cards.size(); ++i) {
    painter.save();
    painter.translate(pivot);
    painter.rotate(-24 + 12.0 * i);
    painter.translate(-kLargeCardSize.width() * kCardScale / 2, -390);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(QRectF(5, 6, kLargeCardSize.width() * kCardScale,
                                   kLargeCardSize.height() * kCardScale),
                            10, 10);
    painter.scale(kCardScale, kCardScale);
    PaintCard(painter, QString::fromLatin1(cards[i]));
    painter.restore();
  }
}

void PaintChipStacks(QPainter& painter) {
  struct Stack {
    QPointF base;
    QColor colour;
    int height;
  };
  const std::array<Stack, 4> stacks{{{{486, 318}, QColor(178, 28, 36), 6},
                                     {{548, 300}, QColor(30, 30, 34), 9},
                                     {{522, 376}, QColor(30, 120, 60), 4},
                                     {{584, 362}, QColor(104, 50, 140), 3}}};
  for (const Stack& stack : stacks) {
    for (int chip = 0; chip < stack.height; ++chip) {
      PaintChip(painter, stack.base - QPointF(0.4 * chip, 4.5 * chip), 24, stack.colour);
    }
  }
  PaintChip(painter, QPointF(452, 388), 22, QColor(232, 228, 216));
  PaintChip(painter, QPointF(84, 372), 22, QColor(178, 28, 36));
  PaintChip(painter, QPointF(66, 334), 22, QColor(30, 30, 34));
}

}  // namespace

QPixmap DrawSplashPicture(QSize size, qreal devicePixelRatio) {
  QPixmap picture = DevicePixmap(size, devicePixelRatio, Qt::black);
  QPainter painter(&picture);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                         QPainter::SmoothPixmapTransform);
  const qreal fit = std::min(size.width() / kDesign.width(), size.height() / kDesign.height());
  painter.translate((size.width() - kDesign.width() * fit) / 2,
                    (size.height() - kDesign.height() * fit) / 2);
  painter.scale(fit, fit);

  QPainterPath felt;
  felt.addRoundedRect(QRectF(QPointF(0, 0), kDesign).adjusted(6, 6, -6, -6), 14, 14);
  painter.fillRect(QRectF(QPointF(0, 0), kDesign), QColor(40, 24, 15));
  PaintFelt(painter, felt);
  painter.setPen(QPen(QColor(214, 182, 104), 1.2));
  painter.drawPath(felt);

  PaintFan(painter);
  PaintChipStacks(painter);
  const QColor gold(236, 204, 120);
  PaintTitleLine(painter, 78, QStringLiteral("Quorvel"), TitleFont(58), gold);
  PaintTitleLine(painter, 118, QStringLiteral("Progression Tester"), TitleFont(28), gold);
  PaintTitleLine(painter, 446, QStringLiteral("Blackjack betting systems, tested by the million"),
                 TitleFont(15), QColor(226, 226, 218));
  return picture;
}

}  // namespace quorvel::ui
