// Drawing the results plots: series, axes that cover them, and a legend kept short.
#include "ui/results_plots.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLegendMarker>
#include <QAreaSeries>
#include <QFileInfo>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>

#include "runs/comparison.h"
#include "runs/required_bankroll.h"
#include "runs/walk_band.h"
#include "runs/test_figures.h"
#include "runs/test_runner.h"
#include "runs/winnings_histogram.h"

namespace quorvel::ui {
namespace {

// Ten colours told apart easily, one per session shown.
constexpr std::array<const char*, kWalksShown> kSessionColours = {
    "#1f77b4", "#ff7f0e", "#2ca02c", "#d62728", "#9467bd",
    "#8c564b", "#e377c2", "#7f7f7f", "#bcbd22", "#17becf"};
constexpr const char* kSystemColour = "#1f77b4";
constexpr const char* kFlatColour = "#ff7f0e";
// Room above the highest value, so a mark or bar there is not cut by the plot's edge.
constexpr double kHeadroom = 1.1;

void Clear(QChart& chart, const QString& title) {
  chart.removeAllSeries();
  for (QAbstractAxis* axis : chart.axes()) {
    chart.removeAxis(axis);
    delete axis;
  }
  chart.setTitle(title);
  chart.legend()->setAlignment(Qt::AlignBottom);
}

QValueAxis* ValueAxis(QChart& chart, Qt::Alignment side, const QString& title, double low,
                      double high) {
  auto* axis = new QValueAxis;
  axis->setTitleText(title);
  // A flat line still gets some height around it.
  if (high <= low) {
    low -= 1;
    high += 1;
  }
  axis->setRange(low, high);
  axis->applyNiceNumbers();
  axis->setLabelFormat("%.0f");
  chart.addAxis(axis, side);
  return axis;
}

void Attach(QChart& chart, QAbstractSeries* series) {
  for (QAbstractAxis* axis : chart.axes()) series->attachAxis(axis);
}

QList<QPointF> Points(const std::vector<WalkPoint>& walk) {
  QList<QPointF> points;
  points.reserve(static_cast<qsizetype>(walk.size()));
  for (const WalkPoint& point : walk) points.append({point.round, point.bankroll});
  return points;
}

}  // namespace

void DrawWalks(QChart& chart, const TestResult& result, int first) {
  Clear(chart, "Bankroll walks: the system solid, its flat-bet twin dashed");
  const auto begin = static_cast<std::size_t>(std::max(first, 0));
  const std::size_t end = std::min(result.sessions.size(), begin + kWalksShown);
  double lastRound = 0;
  double low = result.startingBankroll;
  double high = result.startingBankroll;
  std::vector<QLineSeries*> drawn;
  for (std::size_t index = begin; index < end; ++index) {
    const SessionRecord& session = result.sessions[index];
    const QColor colour(kSessionColours[index - begin]);
    for (const std::vector<WalkPoint>* walk : {&session.marks.walk, &session.flatMarks.walk}) {
      auto* series = new QLineSeries;
      const bool twin = walk == &session.flatMarks.walk;
      series->setName(twin ? QString("Session %1 flat bet").arg(index + 1) : QString("Session %1").arg(index + 1));
      QPen pen(colour, 1.2, twin ? Qt::DashLine : Qt::SolidLine);
      series->setPen(pen);
      series->replace(Points(*walk));
      for (const WalkPoint& point : *walk) {
        lastRound = std::max(lastRound, point.round);
        low = std::min(low, point.bankroll);
        high = std::max(high, point.bankroll);
      }
      chart.addSeries(series);
      drawn.push_back(series);
    }
  }
  ValueAxis(chart, Qt::AlignBottom, "Round", 0, std::max(lastRound, 1.0));
  const double margin = (high - low) * (kHeadroom - 1) / 2;
  ValueAxis(chart, Qt::AlignLeft, "Bankroll", low - margin, high + margin);
  for (QLineSeries* series : drawn) {
    Attach(chart, series);
    // One legend line a session: the dash says which line is the twin.
    if (series->pen().style() == Qt::DashLine) {
      for (QLegendMarker* marker : chart.legend()->markers(series)) marker->setVisible(false);
    }
  }
}

void DrawWinnings(QChart& chart, const WinningsHistogram& histogram) {
  Clear(chart, "Session winnings: sessions per bin of winnings in dollars");
  auto* system = new QBarSet("System");
  auto* flat = new QBarSet("Flat bet");
  system->setColor(QColor(kSystemColour));
  flat->setColor(QColor(kFlatColour));
  QStringList bins;
  int most = 0;
  for (std::size_t bin = 0; bin < histogram.system.size(); ++bin) {
    system->append(histogram.system[bin]);
    flat->append(histogram.flat[bin]);
    most = std::max({most, histogram.system[bin], histogram.flat[bin]});
    bins << QString::fromStdString(BinText(histogram, bin));
  }
  auto* series = new QBarSeries;
  series->append(system);
  series->append(flat);
  chart.addSeries(series);
  auto* axis = new QBarCategoryAxis;
  axis->append(bins);
  chart.addAxis(axis, Qt::AlignBottom);
  QValueAxis* count = ValueAxis(chart, Qt::AlignLeft, "Sessions", 0, most * kHeadroom);
  count->setTickType(QValueAxis::TicksDynamic);
  count->setTickInterval(std::max(1.0, count->max() / 10));
  Attach(chart, series);
}

void DrawStakes(QChart& chart, const TestResult& result) {
  Clear(chart, "Largest stake of each session");
  auto* system = new QScatterSeries;
  auto* flat = new QScatterSeries;
  system->setName("System");
  flat->setName("Flat bet");
  system->setColor(QColor(kSystemColour));
  flat->setColor(QColor(kFlatColour));
  // The twin's larger marks go under the system's, so both show where they are equal.
  flat->setMarkerSize(11);
  system->setMarkerSize(6);
  for (QScatterSeries* series : {system, flat}) series->setBorderColor(Qt::transparent);
  double most = 0;
  for (std::size_t index = 0; index < result.sessions.size(); ++index) {
    const SessionRecord& session = result.sessions[index];
    if (!session.finished) continue;
    const auto number = static_cast<double>(index + 1);
    system->append(number, session.marks.largestStake);
    flat->append(number, session.flatMarks.largestStake);
    most = std::max({most, static_cast<double>(session.marks.largestStake),
                     static_cast<double>(session.flatMarks.largestStake)});
  }
  chart.addSeries(flat);
  chart.addSeries(system);
  ValueAxis(chart, Qt::AlignBottom, "Session", 0, static_cast<double>(result.sessions.size() + 1));
  ValueAxis(chart, Qt::AlignLeft, "Largest stake", 0, most * kHeadroom);
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

// Adds the series, covers them with axes from the origin's side and attaches them.
void AddWithAxes(QChart& chart, const std::vector<QAbstractSeries*>& drawn, const QString& across,
                 double left, double right, const QString& up, double bottom, double top) {
  for (QAbstractSeries* series : drawn) chart.addSeries(series);
  ValueAxis(chart, Qt::AlignBottom, across, left, right);
  ValueAxis(chart, Qt::AlignLeft, up, bottom, top);
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
  return series;
}

}  // namespace

void DrawRuinRisk(QChart& chart, const TestResult& result) {
  if (result.unitInPercent) {
    Clear(chart, "Risk of ruin: not available, the unit is a percent of the bankroll");
    return;
  }
  Clear(chart, "Risk of ruin against the starting bankroll");
  double most = result.startingBankroll;
  std::vector<QAbstractSeries*> drawn = {RuinLine(result, false, "System", QColor(kSystemColour), most),
                                         RuinLine(result, true, "Flat bet", QColor(kFlatColour), most)};
  QLineSeries* bankroll = Line("Your bankroll", Qt::black, Qt::DotLine);
  bankroll->append(result.startingBankroll, 0);
  bankroll->append(result.startingBankroll, 100);
  drawn.push_back(bankroll);
  AddWithAxes(chart, drawn, "Starting bankroll", 0, most * kHeadroom, "Sessions broke (%)", 0, 100);
}

void DrawComparedWinnings(QChart& chart, const std::vector<ComparedSystem>& systems) {
  Clear(chart, "Session winnings: share of sessions that won at most each amount");
  std::vector<QAbstractSeries*> drawn;
  double low = 0;
  double high = 0;
  for (std::size_t s = 0; s < systems.size(); ++s) {
    const TestResult& result = systems[s].result;
    std::vector<double> winnings;
    for (const SessionRecord& session : result.sessions) {
      if (session.finished) winnings.push_back(session.bankroll - result.startingBankroll);
    }
    std::sort(winnings.begin(), winnings.end());
    QLineSeries* series = Line(SystemName(systems[s]), QColor(kSessionColours[s]));
    const double n = static_cast<double>(winnings.size());
    for (std::size_t i = 0; i < winnings.size(); ++i) {
      series->append(winnings[i], 100 * static_cast<double>(i) / n);
      series->append(winnings[i], 100 * static_cast<double>(i + 1) / n);
    }
    if (!winnings.empty()) {
      low = std::min(low, winnings.front());
      high = std::max(high, winnings.back());
    }
    drawn.push_back(series);
  }
  AddWithAxes(chart, drawn, "Session winnings", low, high, "Sessions (%)", 0, 100);
}

void DrawComparedRuinRisk(QChart& chart, const std::vector<ComparedSystem>& systems, bool twinOnce) {
  Clear(chart, "Risk of ruin against the starting bankroll");
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
  AddWithAxes(chart, drawn, "Starting bankroll", 0, most * kHeadroom, "Sessions broke (%)", 0, 100);
}

void DrawComparedWalks(QChart& chart, const std::vector<ComparedSystem>& systems) {
  Clear(chart, "Mean bankroll walk of each system, with the band that holds 90 % of its sessions");
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
  const double margin = (high - low) * (kHeadroom - 1) / 2;
  AddWithAxes(chart, bands, "Round", 0, lastRound, "Bankroll", low - margin, high + margin);
  for (QAbstractSeries* series : bands) {
    if (qobject_cast<QAreaSeries*>(series) == nullptr) continue;
    for (QLegendMarker* marker : chart.legend()->markers(series)) marker->setVisible(false);
  }
}

}  // namespace quorvel::ui
