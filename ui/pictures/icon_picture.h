// The program's icon: two cards fanned on a round of felt, drawn at any size.
#pragma once

#include <QIcon>
#include <QImage>

class QPainter;

namespace quorvel::ui {

// Paints the icon into the square of `side` pixels at the painter's origin.
// The same strokes make the scalable icon and every bitmap size.
void PaintIcon(QPainter& painter, int side);

// The icon as a bitmap of `side` x `side` pixels on a clear ground.
QImage DrawIcon(int side);

// The icon of the program's windows, at the bitmap sizes window lists ask for.
QIcon ProgramIcon();

}  // namespace quorvel::ui
