// The pictures of the splash screen and the about box.
#pragma once

#include <QPixmap>
#include <QSize>

namespace quorvel::ui {

// The splash picture, `size` logical pixels, at `devicePixelRatio`.
QPixmap DrawSplashPicture(QSize size, qreal devicePixelRatio);

}  // namespace quorvel::ui
