// The table picture the cards are dealt onto: felt, the dealer's place, the seat spots.
#pragma once

#include <QImage>

namespace quorvel::ui {

// The table at `scale` (1.0, 1.25 or 1.6): 640 x 414 at 1.0, each side
// multiplied by the scale and truncated. Spots sit where the cards land.
QImage DrawTablePicture(float scale);

// "bg1.bmp", "vg1.bmp" and "xg1.bmp": the file of each scale.
QString TablePictureFile(float scale);

}  // namespace quorvel::ui
