// The chart grid: its size, the cells the screen's letter labels fill, the row and
// column headings beside them, and the corner kept free for buttons and legends.
#include <set>

#include <QImage>
#include <QTest>

#include "ui/pictures/chart_grid_picture.h"

using quorvel::ui::DrawChartGrid;
using quorvel::ui::kChartColumnWidth;

namespace {

struct ChartRows {
  int left;
  QList<int> tops;
};

// Where the screen puts the labels of the pairs, soft and hard rows.
const QList<ChartRows>& LabelRows() {
  static const QList<ChartRows> rows{
      {69, {82, 106, 134, 158, 182, 208, 234, 258, 282, 308}},
      {362, {82, 106, 130, 154, 181, 207, 232, 255}},
      {360, {357, 382, 405, 426, 450, 474, 498, 522, 547, 567}}};
  return rows;
}

bool HasInk(const QImage& grid, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (qGray(grid.pixel(x, y)) < 110) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace

class ChartGridTest : public QObject {
  Q_OBJECT

 private slots:
  void SizeAtEachPixelRatio_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1") << 1.0;
    QTest::newRow("2") << 2.0;
  }

  void SizeAtEachPixelRatio() {
    QFETCH(qreal, ratio);
    const QPixmap grid = DrawChartGrid(ratio);
    QCOMPARE(grid.devicePixelRatio(), ratio);
    QCOMPARE(grid.size(), QSize(550, 590) * ratio);
    QCOMPARE(grid.toImage().pixel(0, 0), qRgb(255, 255, 255));
  }

  // Light rules may cross a cell, but nothing dark that would blur the letters; the capitals of
  // each row's heading fill the band where the labels' capitals stand.
  void LabelCellsAreClearWithAHeadingLevelWithEachRow() {
    const QImage grid = DrawChartGrid(1.0).toImage();
    for (const ChartRows& table : LabelRows()) {
      for (const int top : table.tops) {
        const QRect cells(table.left, top, 10 * kChartColumnWidth - 1, 15);
        QVERIFY2(!HasInk(grid, cells), qPrintable(QStringLiteral("row at %1").arg(top)));
        QVERIFY2(HasInk(grid, QRect(table.left - 40, top + 4, 38, 9)), qPrintable(QStringLiteral("row at %1").arg(top)));
        QVERIFY(!HasInk(grid, QRect(table.left - 40, top + 16, 38, 1)));
      }
    }
  }

  void EveryColumnHasAnUpCardHeading() {
    const QImage grid = DrawChartGrid(1.0).toImage();
    for (const ChartRows& table : LabelRows()) {
      for (int column = 0; column < 10; ++column) {
        const QRect header(table.left + column * kChartColumnWidth, table.tops.front() - 22,
                           kChartColumnWidth - 2, 16);
        std::set<QRgb> shades;
        for (int y = header.top(); y <= header.bottom(); ++y) {
          for (int x = header.left(); x <= header.right(); ++x) {
            shades.insert(grid.pixel(x, y));
          }
        }
        QVERIFY2(shades.size() > 4, qPrintable(QStringLiteral("column %1").arg(column)));
      }
    }
  }

  // The close button sits at 326; the legends below it, up to 449.
  void ButtonsAndLegendsCornerIsEmpty() {
    const QImage grid = DrawChartGrid(1.0).toImage();
    for (int y = 326; y <= 455; ++y) {
      for (int x = 0; x <= 270; ++x) {
        QCOMPARE(grid.pixel(x, y), qRgb(255, 255, 255));
      }
    }
  }
};

QTEST_MAIN(ChartGridTest)
#include "chart_grid_test.moc"
