// Drawing the results plots: series, axes that cover them, a legend kept short, tooltips.
#include "ui/results_plots.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QFontMetrics>
#include <QLegendMarker>
#include <QAreaSeries>
#include <QFileInfo>
#include <QLineSeries>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>

#include "runs/comparison.h"
#include "runs/figures_text.h"
#include "runs/required_bankroll.h"
#include "runs/test_runner.h"
#include "runs/walk_band.h"
#include "runs/winnings_histogram.h"
#include "ui/plot_axes.h"

namespace quorvel::ui {
namespace {

// Ten colours told apart easily, one per session shown.
constexpr std::array<const char*, kWalksShown> kSessionColours = {
    "#1f77b4", "#ff7f0e", "#2ca02c", "#d62728", "#9467bd",
    "#8c564b", "#e377c2", "#7f7f7f", "#bcbd22", "#17becf"};
constexpr const char* kSystemColour = "#1f77b4";
constexpr const char* kFlatColour = "#ff7f0e";
// The room a bin label leaves at its sides.
constexpr int kLabelPadding = 10;

QList<QPointF> Points(const std::vector<WalkPoint>& walk) {
  QList<QPointF> points;
  points.reserve(static_cast<qsizetype>(walk.size()));
  for (const WalkPoint& point : walk) points.append({point.round, point.bankroll});
  return points;
}

void ShowTip(bool shown, const QString& text) {
  if (shown) {
    QToolTip::showText(QCursor::pos(), text);
  } else {
    QToolTip::hideText();
  }
}

}  // namespace

std::vector<std::size_t> FinishedSessions(const TestResult& result) {
  std::vector<std::size_t> finished;
  for (std::size_t index = 0; index < result.sessions.size(); ++index) {
    if (result.sessions[index].finished) finished.push_back(index);
  }
  return finished;
}

std::vector<QString> WalkPages(const TestResult& result) {
  const std::vector<std::size_t> finished = FinishedSessions(result);
  std::vector<QString> pages;
  for (std::size_t first = 0; first < finished.size(); first += kWalksShown) {
    const std::size_t last = std::min(first + kWalksShown, finished.size()) - 1;
    pages.push_back(QString("%1 to %2").arg(finished[first] + 1).arg(finished[last] + 1));
  }
  return pages;
}

void DrawWalks(QChartView& view, const TestResult& result, int page) {
  QChart& chart = StartPlot(view, "Bankroll walks: the system solid, its flat-bet twin dashed");
  // Ten sessions' names stand in one column beside the plot, none cut.
  chart.legend()->setAlignment(Qt::AlignRight);
  const std::vector<std::size_t> finished = FinishedSessions(result);
  const auto begin = std::min(finished.size(), static_cast<std::size_t>(std::max(page, 0)) * kWalksShown);
  const std::size_t end = std::min(finished.size(), begin + kWalksShown);
  double lastRound = 0;
  double low = result.startingBankroll;
  double high = result.startingBankroll;
  std::vector<QLineSeries*> drawn;
  for (std::size_t shown = begin; shown < end; ++shown) {
    const std::size_t index = finished[shown];
    const SessionRecord& session = result.sessions[index];
    const QColor colour(kSessionColours[shown - begin]);
    for (const bool twin : {false, true}) {
      const std::vector<WalkPoint>& walk = twin ? session.flatMarks.walk : session.marks.walk;
      auto* series = new QLineSeries;
      const QString name = QString("Session %1").arg(index + 1) + (twin ? " flat bet" : "");
      series->setName(name);
      series->setPen(QPen(colour, 1.2, twin ? Qt::DashLine : Qt::SolidLine));
      series->replace(Points(walk));
      for (const WalkPoint& point : walk) {
        lastRound = std::max(lastRound, point.round);
        low = std::min(low, point.bankroll);
        high = std::max(high, point.bankroll);
      }
      QObject::connect(series, &QLineSeries::hovered, series, [name](const QPointF& point, bool state) {
        ShowTip(state, QString("%1: %2 after round %3").arg(name, MoneyText(point.y()), CountText(point.x())));
      });
      chart.addSeries(series);
      drawn.push_back(series);
    }
  }
  CountAxis(chart, Qt::AlignBottom, "Round", std::max(lastRound, 1.0), 1.0);
  MoneyAxis(chart, Qt::AlignLeft, "Bankroll", low, high);
  for (QLineSeries* series : drawn) {
    Attach(chart, series);
    // One legend line a session: the dash says which line is the twin.
    if (series->pen().style() == Qt::DashLine) {
      for (QLegendMarker* marker : chart.legend()->markers(series)) marker->setVisible(false);
    }
  }
}

namespace {

// Sessions per bin of one series of winnings.
struct BinCounts {
  QString name;
  std::vector<int> counts;
  QColor colour;
};

// Counts in the bins of `histogram`, a bar of each series side by side per bin.
void DrawBinCounts(QChartView& view, const QString& title, const WinningsHistogram& histogram,
                   const std::vector<BinCounts>& drawn) {
  QChart& chart = StartPlot(view, title);
  QStringList bins;
  for (std::size_t bin = 0; bin < histogram.system.size(); ++bin) {
    bins << QString::fromStdString(ScreenText(BinText(histogram, bin), true));
  }
  auto* series = new QBarSeries;
  int most = 0;
  for (const BinCounts& counts : drawn) {
    auto* set = new QBarSet(counts.name);
    set->setColor(counts.colour);
    for (const int count : counts.counts) {
      set->append(count);
      most = std::max(most, count);
    }
    QObject::connect(set, &QBarSet::hovered, set, [set, bins](bool state, int bin) {
      ShowTip(state, QString("%1: %2 sessions won %3").arg(set->label(), CountText(set->at(bin)), bins.value(bin)));
    });
    series->append(set);
  }
  chart.addSeries(series);
  auto* axis = new QBarCategoryAxis;
  axis->append(bins);
  // Level where each label fits its bin's share of the plot's width (half a bin more at each
  // end), else on their side, where the axis grows to hold them: never cut short, at any size.
  const QFontMetrics metrics(axis->labelsFont());
  int widest = 0;
  for (const QString& bin : bins) widest = std::max(widest, metrics.horizontalAdvance(bin));
  const auto shares = static_cast<qreal>(bins.size() + 2);
  QObject::connect(&chart, &QChart::plotAreaChanged, axis, [axis, widest, shares](const QRectF& plot) {
    axis->setLabelsAngle(widest <= plot.width() / shares - kLabelPadding ? 0 : -90);
  });
  chart.addAxis(axis, Qt::AlignBottom);
  CountAxis(chart, Qt::AlignLeft, "Sessions", most);
  Attach(chart, series);
}

}  // namespace

void DrawWinnings(QChartView& view, const WinningsHistogram& histogram) {
  DrawBinCounts(view, "Session winnings: sessions per bin of winnings in dollars", histogram,
                {{"System", histogram.system, QColor(kSystemColour)}, {"Flat bet", histogram.flat, QColor(kFlatColour)}});
}

void DrawStakes(QChartView& view, const TestResult& result) {
  QChart& chart = StartPlot(view, "Largest stake of each session");
  auto* system = new QScatterSeries;
  auto* flat = new QScatterSeries;
  system->setName("System");
  flat->setName("Flat bet");
  // One size for both: the twin's squares are open, so a system dot on one still shows.
  for (QScatterSeries* series : {system, flat}) series->setMarkerSize(9);
  system->setColor(QColor(kSystemColour));
  system->setBorderColor(Qt::transparent);
  flat->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
  flat->setBrush(Qt::NoBrush);
  flat->setPen(QPen(QColor(kFlatColour), 1.5));
  double most = 0;
  for (const std::size_t index : FinishedSessions(result)) {
    const SessionRecord& session = result.sessions[index];
    const auto number = static_cast<double>(index + 1);
    system->append(number, session.marks.largestStake);
    flat->append(number, session.flatMarks.largestStake);
    most = std::max({most, static_cast<double>(session.marks.largestStake),
                     static_cast<double>(session.flatMarks.largestStake)});
  }
  for (QScatterSeries* series : {system, flat}) {
    QObject::connect(series, &QScatterSeries::hovered, series, [series](const QPointF& point, bool state) {
      ShowTip(state, QString("Session %1, %2: largest stake %3")
                         .arg(CountText(point.x()), series->name(), MoneyText(point.y(), 2)));
    });
  }
  chart.addSeries(flat);
  chart.addSeries(system);
  SessionAxis(chart, Qt::AlignBottom, static_cast<int>(result.sessions.size()));
  MoneyAxis(chart, Qt::AlignLeft, "Largest stake", 0, most);
  Attach(chart, system);
  Attach(chart, flat);
}

namespace {

// How many points of each mean walk are drawn.
constexpr std::size_t kBandPoints = 200;

QString SystemName(const ComparedSystem& system) { return QFileInfo(QString::fromStdString(system.name)).fileName(); }

QLineSeries* Line(const QString& name, const QColor& colour, Qt::PenStyle style = Qt::SolidLine) {
  auto* series = new QLineSeries;
  series->setName(name);
  series->setPen(QPen(colour, 2, style));
  return series;
}

// Adds the series, covers them with a dollar axis across and `up` (a share in percent, or
// dollars over low..high) and attaches them.
void AddWithAxes(QChart& chart, const std::vector<QAbstractSeries*>& drawn, const QString& across,
                 double left, double right, const QString& up) {
  for (QAbstractSeries* series : drawn) chart.addSeries(series);
  MoneyAxis(chart, Qt::AlignBottom, across, left, right);
  CountAxis(chart, Qt::AlignLeft, up, 100, 1.0);
  for (QAbstractSeries* series : drawn) Attach(chart, series);
}

// A step line of the share of sessions broke against the starting bankroll,
// widening `most` to its largest need.
QLineSeries* RuinLine(const TestResult& result, bool twin, const QString& name, const QColor& colour,
                      double& most) {
  QLineSeries* series = Line(name, colour, twin ? Qt::DashLine : Qt::SolidLine);
  for (const RuinPoint& point : RuinRiskSteps(RequiredBankrolls(result, twin))) {
    series->append(point.bankroll, point.risk * 100);
    most = std::max(most, point.bankroll);
  }
  QObject::connect(series, &QLineSeries::hovered, series, [name](const QPointF& point, bool state) {
    ShowTip(state, QString("%1: %2 % of sessions broke from %3").arg(name, CountText(point.y()), MoneyText(point.x())));
  });
  return series;
}

}  // namespace

void DrawRuinRisk(QChartView& view, const TestResult& result) {
  if (result.unitInPercent) {
    StartPlot(view, "Risk of ruin: not available, the unit is a percent of the bankroll");
    return;
  }
  QChart& chart = StartPlot(view, "Risk of ruin against the starting bankroll");
  double most = result.startingBankroll;
  std::vector<QAbstractSeries*> drawn = {RuinLine(result, false, "System", QColor(kSystemColour), most),
                                         RuinLine(result, true, "Flat bet", QColor(kFlatColour), most)};
  QLineSeries* bankroll = Line("Your bankroll", Qt::black, Qt::DotLine);
  bankroll->append(result.startingBankroll, 0);
  bankroll->append(result.startingBankroll, 100);
  drawn.push_back(bankroll);
  AddWithAxes(chart, drawn, "Starting bankroll", 0, most, "Sessions broke (%)");
}

void DrawComparedWinnings(QChartView& view, std::span<const ComparedSystem> systems) {
  // Bins every system shares: those of all their finished sessions' winnings at once.
  std::vector<std::vector<double>> winnings;
  TestResult all;
  for (const ComparedSystem& system : systems) {
    std::vector<double>& these = winnings.emplace_back();
    for (const SessionRecord& session : system.result.sessions) {
      if (!session.finished) continue;
      these.push_back(session.bankroll - system.result.startingBankroll);
      SessionRecord& shared = all.sessions.emplace_back();
      shared.finished = true;
      shared.bankroll = shared.flatBankroll = these.back();
    }
  }
  const WinningsHistogram bins = HistogramOfWinnings(all);
  std::vector<BinCounts> drawn;
  for (std::size_t s = 0; s < systems.size() && !bins.system.empty(); ++s) {
    BinCounts& counts = drawn.emplace_back(SystemName(systems[s]), std::vector<int>(bins.system.size()),
                                           QColor(kSessionColours[s]));
    for (const double won : winnings[s]) {
      const auto bin = static_cast<std::size_t>(std::floor((won - bins.low) / bins.width));
      ++counts.counts[std::min(bin, counts.counts.size() - 1)];
    }
  }
  DrawBinCounts(view, "Session winnings: sessions of each system per bin of winnings in dollars", bins, drawn);
}

void DrawComparedRuinRisk(QChartView& view, std::span<const ComparedSystem> systems, bool twinOnce) {
  QChart& chart = StartPlot(view, "Risk of ruin against the starting bankroll");
  std::vector<QAbstractSeries*> drawn;
  double most = 1;
  for (std::size_t s = 0; s < systems.size(); ++s) {
    // A percent unit has no bankroll that holds for another: nothing to draw.
    if (systems[s].result.unitInPercent) continue;
    const QColor colour(kSessionColours[s]);
    drawn.push_back(RuinLine(systems[s].result, false, SystemName(systems[s]), colour, most));
    if (!twinOnce) drawn.push_back(RuinLine(systems[s].result, true, SystemName(systems[s]) + " flat bet", colour, most));
  }
  if (twinOnce && !systems.empty() && !systems.front().result.unitInPercent) {
    drawn.push_back(RuinLine(systems.front().result, true, "Flat bet", Qt::black, most));
  }
  AddWithAxes(chart, drawn, "Starting bankroll", 0, most, "Sessions broke (%)");
}

void DrawComparedWalks(QChartView& view, std::span<const ComparedSystem> systems) {
  QChart& chart = StartPlot(view, "Mean bankroll walk of each system, with the band that holds 90 % of its sessions");
  std::vector<QAbstractSeries*> drawn;
  std::vector<QAbstractSeries*> bands;
  double lastRound = 1;
  double low = 0;
  double high = 0;
  bool first = true;
  for (std::size_t s = 0; s < systems.size(); ++s) {
    const WalkBand band = BandOfWalks(systems[s].result, kBandPoints);
    if (band.rounds.empty()) continue;
    QColor colour(kSessionColours[s]);
    QLineSeries* mean = Line(SystemName(systems[s]), colour);
    auto* lower = new QLineSeries;
    auto* upper = new QLineSeries;
    for (std::size_t k = 0; k < band.rounds.size(); ++k) {
      mean->append(band.rounds[k], band.mean[k]);
      lower->append(band.rounds[k], band.low[k]);
      upper->append(band.rounds[k], band.high[k]);
      if (first) low = high = band.mean[k];
      first = false;
      low = std::min(low, band.low[k]);
      high = std::max(high, band.high[k]);
    }
    lastRound = std::max(lastRound, band.rounds.back());
    auto* area = new QAreaSeries(upper, lower);
    colour.setAlpha(50);
    area->setBrush(colour);
    area->setPen(Qt::NoPen);
    bands.push_back(area);
    drawn.push_back(mean);
  }
  // The bands go under every mean line.
  bands.insert(bands.end(), drawn.begin(), drawn.end());
  for (QAbstractSeries* series : bands) chart.addSeries(series);
  CountAxis(chart, Qt::AlignBottom, "Round", lastRound, 1.0);
  MoneyAxis(chart, Qt::AlignLeft, "Bankroll", low, high);
  for (QAbstractSeries* series : bands) {
    Attach(chart, series);
    if (qobject_cast<QAreaSeries*>(series) == nullptr) continue;
    for (QLegendMarker* marker : chart.legend()->markers(series)) marker->setVisible(false);
  }
}

}  // namespace quorvel::ui
