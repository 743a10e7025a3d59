// Plot axes: round ticks, whole counts, dollars with separators.
#include "ui/plot_axes.h"

#include <QChart>
#include <QChartView>
#include <QLocale>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace quorvel::ui {
namespace {

// Separators whatever the user's locale says about them: the figures table uses commas too.
const QLocale kNumbers(QLocale::English, QLocale::UnitedStates);

// A step of 1, 2 or 5 times a power of ten that cuts `span` into at most `ticks` parts.
double RoundStep(double span, int ticks) {
  const double rough = std::max(span, 1e-9) / ticks;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
    if (factor * power >= rough) return factor * power;
  }
  return 10 * power;
}

QValueAxis* Axis(QChart& chart, Qt::Alignment side, const QString& title, double low, double high,
                 double step, double anchor) {
  auto* axis = new QValueAxis;
  axis->setTitleText(title);
  axis->setRange(low, high);
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickAnchor(anchor);
  axis->setTickInterval(step);
  axis->setLabelFormat("%.0f");
  chart.addAxis(axis, side);
  return axis;
}

}  // namespace

QChart& StartPlot(QChartView& view, const QString& title) {
  QChart* old = view.chart();
  auto* chart = new QChart;
  view.setChart(chart);
  delete old;
  chart->setTitle(title);
  chart->setLocale(kNumbers);
  chart->setLocalizeNumbers(true);
  chart->legend()->setAlignment(Qt::AlignBottom);
  return *chart;
}

QValueAxis* MoneyAxis(QChart& chart, Qt::Alignment side, const QString& title, double low, double high) {
  // A flat line still gets some height around it, and no line runs along an edge.
  const double margin = high > low ? (high - low) / 20 : 1;
  const double step = RoundStep(high - low + 2 * margin, 8);
  // An axis of amounts that cannot be negative starts at 0.
  low = low >= 0 ? std::max(0.0, std::floor((low - margin) / step) * step) : std::floor((low - margin) / step) * step;
  high = std::ceil((high + margin) / step) * step;
  QValueAxis* axis = Axis(chart, side, title, low, high, step, 0);
  axis->setLabelFormat(step < 1 ? "$%.2f" : "$%.0f");
  return axis;
}

QValueAxis* CountAxis(QChart& chart, Qt::Alignment side, const QString& title, double most,
                      double headroom) {
  const double step = std::max(1.0, RoundStep(most, 8));
  const double top = std::max(step, std::ceil(most * headroom / step) * step);
  return Axis(chart, side, title, 0, top, step, 0);
}

QValueAxis* SessionAxis(QChart& chart, Qt::Alignment side, int last) {
  const double step = std::max(1.0, RoundStep(last, 10));
  // Half a session either side, so the first and the last marks are whole.
  return Axis(chart, side, "Session", 0.5, std::max(last, 1) + 0.5, step, 0);
}

void Attach(QChart& chart, QAbstractSeries* series) {
  for (QAbstractAxis* axis : chart.axes()) series->attachAxis(axis);
}

QString MoneyText(double dollars, int decimals) { return "$" + kNumbers.toString(dollars, 'f', decimals); }

QString CountText(double count) { return kNumbers.toString(count, 'f', 0); }

}  // namespace quorvel::ui
