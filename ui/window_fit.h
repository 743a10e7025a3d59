// Laid-out windows made smaller where the display has less room than they were designed for.
#pragma once

#include <QSize>

class QWidget;

namespace quorvel::ui {

// Shrinks the fonts, fixed sizes, margins and spacing of `window` (whose size its layout
// sets) to the largest scale at which it and its frame fit `display`, the desktop's free
// area; a window that fits is left as it is. Returns the scale.
float FitLaidOutWindow(QWidget& window, QSize display);

}  // namespace quorvel::ui
