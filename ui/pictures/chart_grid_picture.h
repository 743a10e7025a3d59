// The charts screen's grid: row and column headings of the three chart tables.
#pragma once

#include <QPixmap>

namespace quorvel::ui {

inline constexpr int kChartGridWidth = 550;
inline constexpr int kChartGridHeight = 590;
// Every letter pair of a chart row takes one column of this width.
inline constexpr int kChartColumnWidth = 18;

// The 550 x 590 grid at `devicePixelRatio`, drawn `scale` times its size on a display too small for it.
QPixmap DrawChartGrid(qreal devicePixelRatio, qreal scale = 1);

}  // namespace quorvel::ui
