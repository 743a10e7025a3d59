// The table picture the cards are dealt onto: felt, the dealer's place, the seat spots;
// and the felt it is made of, which the splash picture shares.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QString>

class QPainter;

namespace quorvel::ui {

inline constexpr int kTableWidth = 640;
inline constexpr int kTableHeight = 414;

// The table at `scale` (1.0, 1.25 or 1.6): 640 x 414 at 1.0, each side
// multiplied by the scale and truncated. Spots sit where the cards land.
QImage DrawTablePicture(float scale);

// "bg1.bmp", "vg1.bmp" and "xg1.bmp": the file of each scale.
QString TablePictureFile(float scale);

// Fills `area` with dark green baize: lit from the middle, darker to the edges, with
// a fine fixed grain so that it reads as cloth.
void PaintFelt(QPainter& painter, const QPainterPath& area);

}  // namespace quorvel::ui
