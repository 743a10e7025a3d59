// The charts screen's grid: three tables whose empty cells the screen fills with the
// decision letters, one 18-pixel column per dealer up card.
#include <array>
#include <vector>

#include <QFontMetricsF>
#include <QPainter>

#include "ui/pictures/card_pictures.h"
#include "ui/pictures/device_pixmap.h"
#include "ui/pictures/chart_grid_picture.h"

namespace quorvel::ui {
namespace {

constexpr int kColumns = 10;
// The screen's letter labels are 15 pixels high; their letters stand on a baseline
// 14 pixels below the label top, capitals reaching up to 3 pixels below it.
constexpr qreal kInkTop = 3;
constexpr qreal kBaseline = 14;
constexpr qreal kHeadingWidth = 44; // the row-heading column left of the cells
constexpr qreal kHeaderHeight = 20; // the band of up-card headings

const QColor kInk(24, 40, 66);
const QColor kHeaderFill(31, 58, 95);
const QColor kHeadingFill(226, 233, 242);
const QColor kStripe(243, 246, 250);
const QColor kRule(184, 196, 210);
const QColor kBorder(96, 116, 142);

struct ChartTable {
  const char* title;
  qreal left;  // where the screen's labels start
  std::vector<const char*> rows;
  std::vector<int> tops;  // the label tops, one per row
};

const std::array<ChartTable, 3>& Tables() {
  static const std::array<ChartTable, 3> tables{{
      {"PAIRS", 69,
       {"A,A", "T,T", "9,9", "8,8", "7,7", "6,6", "5,5", "4,4", "3,3", "2,2"},
       {82, 106, 134, 158, 182, 208, 234, 258, 282, 308}},
      {"SOFT TOTALS", 362,
       {"A,9", "A,8", "A,7", "A,6", "A,5", "A,4", "A,3", "A,2"},
       {82, 106, 130, 154, 181, 207, 232, 255}},
      {"HARD TOTALS", 360,
       {"17", "16", "15", "14", "13", "12", "11", "10", "9", "8"},
       {357, 382, 405, 426, 450, 474, 498, 522, 547, 567}},
  }};
  return tables;
}

// Row edges sit halfway between one row's letters and the next; the top edge keeps
// the same margin, the bottom one stays tight, as the legend boxes start just below.
std::vector<qreal> RowEdges(const std::vector<int>& tops) {
  std::vector<qreal> edges;
  for (std::size_t i = 1; i < tops.size(); ++i) {
    edges.push_back((tops[i - 1] + kBaseline + tops[i] + kInkTop) / 2);
  }
  const qreal firstMargin = (tops[1] + kInkTop - tops[0] - kBaseline) / 2;
  edges.insert(edges.begin(), tops.front() + kInkTop - firstMargin);
  edges.push_back(tops.back() + kBaseline + 3);
  return edges;
}

// Column edges fall one pixel before each column, in the blank side of the letters.
qreal ColumnEdge(const ChartTable& table, int column) {
  return table.left + column * kChartColumnWidth - 0.5;
}

void PaintCells(QPainter& painter, const ChartTable& table, const std::vector<qreal>& edges) {
  const qreal left = ColumnEdge(table, 0) - kHeadingWidth;
  const qreal right = ColumnEdge(table, kColumns);
  for (std::size_t row = 0; row + 1 < edges.size(); ++row) {
    if (row % 2 == 1) {
      painter.fillRect(QRectF(left, edges[row], right - left, edges[row + 1] - edges[row]),
                       kStripe);
    }
  }
  painter.fillRect(QRectF(left, edges.front(), kHeadingWidth, edges.back() - edges.front()),
                   kHeadingFill);
  painter.setPen(QPen(kRule, 1));
  for (std::size_t row = 1; row + 1 < edges.size(); ++row) {
    painter.drawLine(QPointF(left, edges[row]), QPointF(right, edges[row]));
  }
  for (int column = 1; column < kColumns; ++column) {
    const qreal x = ColumnEdge(table, column);
    painter.drawLine(QPointF(x, edges.front()), QPointF(x, edges.back()));
  }
}

// Drawn last, over the fills: the frame and the line between headings and cells.
void PaintBorder(QPainter& painter, const ChartTable& table, const std::vector<qreal>& edges) {
  const qreal left = ColumnEdge(table, 0) - kHeadingWidth;
  const qreal right = ColumnEdge(table, kColumns);
  painter.setPen(QPen(kBorder, 1));
  painter.drawLine(QPointF(ColumnEdge(table, 0), edges.front()),
                   QPointF(ColumnEdge(table, 0), edges.back()));
  painter.drawRect(QRectF(left, edges.front() - kHeaderHeight, right - left,
                          edges.back() - edges.front() + kHeaderHeight));
}

void PaintHeadings(QPainter& painter, const ChartTable& table, const std::vector<qreal>& edges) {
  const qreal left = ColumnEdge(table, 0) - kHeadingWidth;
  const qreal right = ColumnEdge(table, kColumns);
  const qreal headerTop = edges.front() - kHeaderHeight;
  painter.fillRect(QRectF(left, headerTop, right - left, kHeaderHeight), kHeaderFill);

  painter.setPen(Qt::white);
  painter.setFont(PictureFont(12));
  static const std::array<const char*, kColumns> upCards{"2", "3", "4", "5", "6",
                                                         "7", "8", "9", "10", "A"};
  for (int column = 0; column < kColumns; ++column) {
    const QRectF cell(ColumnEdge(table, column), headerTop, kChartColumnWidth, kHeaderHeight);
    painter.drawText(cell, Qt::AlignCenter, QString::fromLatin1(upCards[column]));
  }

  // Row headings stand on the labels' baseline, so heading and letters read level.
  painter.setPen(kInk);
  const QFont headingFont = PictureFont(14);
  painter.setFont(headingFont);
  const QFontMetricsF metrics(headingFont);
  for (std::size_t row = 0; row < table.rows.size(); ++row) {
    const QString heading = QString::fromLatin1(table.rows[row]);
    painter.drawText(QPointF(ColumnEdge(table, 0) - 6 - metrics.horizontalAdvance(heading),
                             table.tops[row] + kBaseline),
                     heading);
  }

  painter.setFont(PictureFont(11, QFont::Normal));
  painter.setPen(kBorder);
  painter.drawText(QRectF(ColumnEdge(table, 0), headerTop - 17, right - ColumnEdge(table, 0), 15),
                   Qt::AlignCenter, QStringLiteral("Dealer's up card"));
  painter.setFont(PictureFont(15));
  painter.setPen(kInk);
  painter.drawText(QRectF(left, headerTop - 40, right - left, 20), Qt::AlignCenter,
                   QString::fromLatin1(table.title));
}

}  // namespace

QPixmap DrawChartGrid(qreal devicePixelRatio, qreal scale) {
  QPixmap grid = DevicePixmap(QSize(kChartGridWidth, kChartGridHeight) * scale, devicePixelRatio, Qt::white);
  QPainter painter(&grid);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(scale, scale);
  for (const ChartTable& table : Tables()) {
    const std::vector<qreal> edges = RowEdges(table.tops);
    PaintCells(painter, table, edges);
    PaintHeadings(painter, table, edges);
    PaintBorder(painter, table, edges);
  }
  return grid;
}

}  // namespace quorvel::ui
