// The room a window manager's frame takes around a window, measured on a probe window.
#pragma once

#include <QSize>

namespace quorvel::ui {

// Shows a small probe window until the window manager frames it and returns the frame's
// width and height; where nothing frames it within a moment (no window manager, or a slow
// one), the usual allowance.
QSize MeasureWindowFrame();

}  // namespace quorvel::ui
