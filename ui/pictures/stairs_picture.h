// The progression screen's picture: stacks of chips rising like a staircase.
#pragma once

#include <QPixmap>
#include <QSize>

namespace quorvel::ui {

// Four stacks of one to four chips seen edge on, with an arrow rising over
// them; `size` logical pixels at `devicePixelRatio`, on a transparent ground.
QPixmap DrawStairsPicture(QSize size, qreal devicePixelRatio);

}  // namespace quorvel::ui
