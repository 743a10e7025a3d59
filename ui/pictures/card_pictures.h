// The 52 large (30 x 48) and 52 small (16 x 26) card pictures, drawn by our own code.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QStringView>

namespace quorvel::ui {

inline constexpr QSize kLargeCardSize{30, 48};
inline constexpr QSize kSmallCardSize{16, 26};

// The picture of a card by its name: rank ("2".."9", "T", "J", "Q", "K", "A") and
// suit ("C", "D", "H", "S"), with "X" appended for the small picture ("TS", "TSX").
// Names match without regard to case. The pixmap is drawn at `devicePixelRatio`
// and carries it, so it covers exactly the logical size above on any display.
// An unknown name gives a null pixmap.
QPixmap CardPicture(QStringView name, qreal devicePixelRatio);

}  // namespace quorvel::ui
