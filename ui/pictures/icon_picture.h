// The program's icon: two cards fanned on a round of felt, drawn at any size.
#pragma once

class QPainter;

namespace quorvel::ui {

// Paints the icon into the square of `side` pixels at the painter's origin.
// The same strokes make the scalable icon and every bitmap size.
void PaintIcon(QPainter& painter, int side);

}  // namespace quorvel::ui
