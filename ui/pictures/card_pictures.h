// The 52 large (30 x 48) and 52 small (16 x 26) card pictures, drawn by our own code,
// and the drawing pieces the other pictures share with them: suit shapes and the font.
#pragma once

#include <QFont>
#include <QPainterPath>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QStringView>

class QPainter;

namespace quorvel::ui {

inline constexpr QSize kLargeCardSize{30, 48};
inline constexpr QSize kSmallCardSize{16, 26};

// The picture of a card by its name: rank ("2".."9", "T", "J", "Q", "K", "A") and
// suit ("C", "D", "H", "S"), with "X" appended for the small picture ("TS", "TSX").
// Names match without regard to case. The pixmap is drawn at `devicePixelRatio`
// and carries it, so it covers exactly the logical size above on any display.
// An unknown name gives a null pixmap.
QPixmap CardPicture(QStringView name, qreal devicePixelRatio);

// Paints the large or small card `name` (as above) with its top-left corner at the
// painter's origin, in the painter's coordinates; false for an unknown name. The
// splash paints its big cards with this under a scaled painter.
bool PaintCard(QPainter& painter, QStringView name);

enum class Suit { kClubs, kDiamonds, kHearts, kSpades };

// The suit symbol as a filled outline fitting `box`. Drawn as paths rather than
// font glyphs so every machine shows the same shapes.
QPainterPath SuitPath(Suit suit, const QRectF& box);

// The bold sans-serif font of every picture at a fixed pixel size, so the pictures
// do not follow the desktop's font settings.
QFont PictureFont(int pixelSize, QFont::Weight weight = QFont::Bold);

}  // namespace quorvel::ui
