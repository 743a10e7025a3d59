// What every results plot shares: a chart emptied for a new drawing, and axes that read well.
#pragma once

#include <QString>
#include <Qt>

class QAbstractSeries;
class QChart;
class QChartView;
class QValueAxis;

namespace quorvel::ui {

// A new, empty chart in the view, titled; numbers on its axes show thousands separated.
// Each drawing gets a chart of its own: the labels of axes removed from a chart while it is
// hidden stay drawn under the new ones.
QChart& StartPlot(QChartView& view, const QString& title);

// A dollar axis over low..high, ticks at round amounts: "$-1,200".
QValueAxis* MoneyAxis(QChart& chart, Qt::Alignment side, const QString& title, double low, double high);
// A count axis from 0 with a tick at every whole step and none between: 0, 2, 4 ...;
// `headroom` leaves room above the largest count.
QValueAxis* CountAxis(QChart& chart, Qt::Alignment side, const QString& title, double most,
                      double headroom = 1.1);
// Sessions 1..last, one tick per whole step, ending at the last session.
QValueAxis* SessionAxis(QChart& chart, Qt::Alignment side, int last);

// Attaches the series to every axis of the chart.
void Attach(QChart& chart, QAbstractSeries* series);

// "$-1,234.50"-style text for a tooltip, and "1,234" for a count.
QString MoneyText(double dollars, int decimals = 0);
QString CountText(double count);

}  // namespace quorvel::ui
