// The results screen: the figures table, the four plots, their exports, and how a test opens it.
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QValueAxis>
#include <QtTest>

#include "config/default_settings.h"
#include "runs/figures_text.h"
#include "runs/test_figures.h"
#include "ui/main_screen.h"
#include "ui/results_screen.h"
#include "ui/test_screen.h"
#include "ui_fixture.h"

using namespace quorvel;
using namespace quorvel::ui;

namespace {

struct Session {
  double rounds, winnings, flatWinnings, totalBet;
  float largestStake;
  std::vector<WalkPoint> walk, flatWalk;
};

// Sessions from a bankroll of 1000; the twin bets 10 a round.
TestResult ResultOf(const std::vector<Session>& sessions) {
  TestResult result;
  result.startingBankroll = 1000;
  for (const Session& s : sessions) {
    SessionRecord record;
    record.finished = true;
    record.endCause = SessionEndCause::kRoundCount;
    record.rounds = s.rounds;
    record.bankroll = 1000 + s.winnings;
    record.totalBet = s.totalBet;
    record.marks.largestStake = s.largestStake;
    record.marks.walk = s.walk;
    record.flatUnit = 10;
    record.flatBankroll = 1000 + s.flatWinnings;
    record.flatTotalBet = 10 * s.rounds;
    record.flatMarks.largestStake = 10;
    record.flatMarks.walk = s.flatWalk;
    result.sessions.push_back(record);
  }
  return result;
}

TestResult ThreeSessions() {
  return ResultOf({
      {100, 100, 20, 1000, 40, {{0, 1000}, {50, 1200}, {100, 1100}}, {{0, 1000}, {100, 1020}}},
      {200, -50, -10, 2000, 80, {{0, 1000}, {120, 700}, {200, 950}}, {{0, 1000}, {200, 990}}},
      {300, 100, 40, 3000, 20, {{0, 1000}, {300, 1100}}, {{0, 1000}, {150, 1060}, {300, 1040}}},
  });
}

// `count` sessions whose walks climb by the session's number.
TestResult ManySessions(int count) {
  std::vector<Session> sessions;
  for (int k = 1; k <= count; ++k) {
    sessions.push_back({10, double(k), 0, 100, 10, {{0, 1000}, {10, 1000.0 + k}}, {{0, 1000}, {10, 1000}}});
  }
  return ResultOf(sessions);
}

QString Text(const QTableWidget& table, int row, int column) {
  const QTableWidgetItem* item = table.item(row, column);
  return item != nullptr ? item->text() : QString("(none)");
}

int RowOf(const QTableWidget& table, const QString& label) {
  for (int row = 0; row < table.rowCount(); ++row) {
    if (Text(table, row, 0) == label) return row;
  }
  return -1;
}

QValueAxis* Axis(QChart& chart, Qt::Orientation orientation) {
  for (QAbstractAxis* axis : chart.axes(orientation)) {
    if (auto* value = qobject_cast<QValueAxis*>(axis)) return value;
  }
  return nullptr;
}

// Pixels within a few levels of `colour`: a drawn line leaves some.
int PixelsOf(const QImage& image, QColor colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
              std::abs(pixel.blue() - colour.blue()) < 24) {
        ++count;
      }
    }
  }
  return count;
}

}  // namespace

class ResultsScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void TableShowsTheSystemBesideItsTwin() {
    testing::AnsweringModals modals;
    TResults results(modals, {1024, 768}, QDir::tempPath().toStdString());
    results.ShowResult(ThreeSessions());
    const QTableWidget& table = *results.FiguresTable;
    QCOMPARE(table.objectName(), QString("FiguresTable"));
    QCOMPARE(table.horizontalHeaderItem(0)->text(), QString("Figure"));
    QCOMPARE(table.horizontalHeaderItem(1)->text(), QString("System"));
    QCOMPARE(table.horizontalHeaderItem(2)->text(), QString("Flat bet"));
    // 22 lines a system, then the test's: sessions, two differences, a streak, six session ends.
    QCOMPARE(table.rowCount(), 22 + 10);
    struct Row {
      QString label, system, flat;
    };
    const Row rows[] = {
        {"Rounds", "600", "600"},
        {"Total bet", "$6,000.00", "$6,000.00"},
        {"Winnings", "$150.00", "$50.00"},
        {"Sessions won / lost / even", "2 / 1 / 0", "2 / 1 / 0"},
        {"Session winnings: median", "$100.00", "$20.00"},
        {"Largest stake: mean / max", "$46.67 / $80.00", "$10.00 / $10.00"},
        {"Winnings per hour", "$25.00", "$8.33"},  // over 6 hours at 100 rounds an hour
    };
    for (const Row& row : rows) {
      const int at = RowOf(table, row.label);
      QVERIFY2(at >= 0, qPrintable(row.label));
      QCOMPARE(Text(table, at, 1), row.system);
      QCOMPARE(Text(table, at, 2), row.flat);
    }
    const int sessions = RowOf(table, "Sessions");
    QCOMPARE(sessions, 22);
    QCOMPARE(Text(table, sessions, 1), QString("3"));
    QCOMPARE(table.columnSpan(sessions, 1), 2);
    QCOMPARE(Text(table, RowOf(table, "Sessions ended by the round count"), 1), QString("3"));
  }

  void WalksDrawEachSessionSolidAndItsTwinDashed() {
    testing::AnsweringModals modals;
    TResults results(modals, {1024, 768}, QDir::tempPath().toStdString());
    results.ShowResult(ThreeSessions());
    results.ResultsTabs->setCurrentIndex(1);
    results.show();  // legend markers count as visible only on a shown chart
    QVERIFY(QTest::qWaitForWindowExposed(&results));
    QChart& chart = *results.WalksView->chart();
    const QList<QAbstractSeries*> series = chart.series();
    QCOMPARE(series.size(), 6);
    QStringList colours;
    for (int session = 0; session < 3; ++session) {
      auto* system = qobject_cast<QLineSeries*>(series[2 * session]);
      auto* twin = qobject_cast<QLineSeries*>(series[2 * session + 1]);
      QVERIFY(system != nullptr && twin != nullptr);
      QCOMPARE(system->pen().style(), Qt::SolidLine);
      QCOMPARE(twin->pen().style(), Qt::DashLine);
      QCOMPARE(twin->pen().color(), system->pen().color());
      colours << system->pen().color().name();
      QVERIFY(chart.legend()->markers(system)[0]->isVisible());
      QVERIFY(!chart.legend()->markers(twin)[0]->isVisible());
    }
    QCOMPARE(colours.removeDuplicates(), 0);
    QCOMPARE(qobject_cast<QLineSeries*>(series[2])->at(1), QPointF(120, 700));
    // Rounds 0..300, bankrolls from the low of 700 to the high of 1200.
    QValueAxis* x = Axis(chart, Qt::Horizontal);
    QValueAxis* y = Axis(chart, Qt::Vertical);
    QVERIFY(x->min() <= 0 && x->max() >= 300 && x->max() < 400);
    QVERIFY(y->min() < 700 && y->max() > 1200);
  }

  // Ten finished sessions a page; a stopped test's unfinished and unplayed sessions, which the
  // figures leave out, are in no plot.
  void WalksShowTenSessionsAtATime() {
    testing::AnsweringModals modals;
    TResults results(modals, {1024, 768}, QDir::tempPath().toStdString());
    TestResult stopped = ManySessions(14);
    for (const int unfinished : {2, 12, 13}) stopped.sessions[unfinished].finished = false;
    stopped.sessions[13].marks.walk.clear();
    results.ShowResult(stopped);
    QCOMPARE(results.WalkSessions->count(), 2);
    QCOMPARE(results.WalkSessions->itemText(0), QString("1 to 11"));
    QCOMPARE(results.WalkSessions->itemText(1), QString("12 to 12"));
    QCOMPARE(results.WalksView->chart()->series().size(), 20);
    QCOMPARE(results.WalksView->chart()->series()[4]->name(), QString("Session 4"));
    results.WalkSessions->setCurrentIndex(1);
    results.WalkSessionsChange();
    const QList<QAbstractSeries*> series = results.WalksView->chart()->series();
    QCOMPARE(series.size(), 2);
    QCOMPARE(series[0]->name(), QString("Session 12"));
    // Session 12 climbs to 1012.
    QVERIFY(Axis(*results.WalksView->chart(), Qt::Vertical)->max() >= 1012);
    QCOMPARE(qobject_cast<QScatterSeries*>(results.StakesView->chart()->series()[1])->count(), 11);
  }

  void HistogramCountsEverySessionOnce() {
    testing::AnsweringModals modals;
    TResults results(modals, {1024, 768}, QDir::tempPath().toStdString());
    results.ShowResult(ManySessions(12));
    QChart& chart = *results.WinningsView->chart();
    QCOMPARE(chart.series().size(), 1);
    auto* bars = qobject_cast<QBarSeries*>(chart.series()[0]);
    QVERIFY(bars != nullptr);
    QCOMPARE(bars->count(), 2);
    // Winnings 1..12 and the twin's 0s: 5 bins would be 2.4 wide, so 3 bins 5 wide from 0.
    auto* categories = qobject_cast<QBarCategoryAxis*>(chart.axes(Qt::Horizontal)[0]);
    QCOMPARE(categories->count(), 3);
    QCOMPARE(categories->at(0), QString("$0 to $5"));
    QCOMPARE(categories->at(2), QString("$10 to $15"));
    QCOMPARE(bars->barSets()[0]->label(), QString("System"));
    QCOMPARE(bars->barSets()[0]->at(0), 4.0);
    QCOMPARE(bars->barSets()[0]->at(1), 5.0);
    QCOMPARE(bars->barSets()[0]->at(2), 3.0);
    QCOMPARE(bars->barSets()[1]->at(0), 12.0);
    // Whole sessions only on the count axis: ticks from 0 a whole step apart, the top one above 12.
    const QValueAxis* count = Axis(chart, Qt::Vertical);
    QCOMPARE(count->tickType(), QValueAxis::TicksDynamic);
    QVERIFY(count->min() == 0 && count->tickAnchor() == 0 && count->tickInterval() >= 1);
    QCOMPARE(std::fmod(count->tickInterval(), 1.0), 0.0);
    QVERIFY(count->max() > 12 && std::fmod(count->max(), count->tickInterval()) == 0);
  }

  void StakesAndRuinRiskPlotEachSession() {
    testing::AnsweringModals modals;
    TResults results(modals, {1024, 768}, QDir::tempPath().toStdString());
    results.ShowResult(ThreeSessions());
    QChart& chart = *results.StakesView->chart();
    QCOMPARE(chart.series().size(), 2);
    auto* flat = qobject_cast<QScatterSeries*>(chart.series()[0]);
    auto* system = qobject_cast<QScatterSeries*>(chart.series()[1]);
    QCOMPARE(system->name(), QString("System"));
    QCOMPARE(system->points(), (QList<QPointF>{{1, 40}, {2, 80}, {3, 20}}));
    QCOMPARE(flat->points(), (QList<QPointF>{{1, 10}, {2, 10}, {3, 10}}));
    // The sessions' axis ends at the last session; both series mark with one size.
    QValueAxis* x = Axis(chart, Qt::Horizontal);
    QVERIFY(x->min() < 1 && x->max() > 3 && x->max() < 4);
    QCOMPARE(system->markerSize(), flat->markerSize());
    // The largest stake of 80 sits below the top edge.
    QVERIFY(Axis(chart, Qt::Vertical)->min() <= 0 && Axis(chart, Qt::Vertical)->max() > 80);
    // Risk of ruin: the system's needs 1500, 900 and 1200 break 2, 1 and none of 3 sessions.
    TestResult needs = ThreeSessions();
    const double required[] = {1500, 900, 1200};
    for (std::size_t i = 0; i < 3; ++i) needs.sessions[i].marks.requiredBankroll = required[i];
    results.ShowResult(needs);
    QChart& ruin = *results.RuinView->chart();
    QCOMPARE(ruin.series().size(), 3);
    QCOMPARE(qobject_cast<QLineSeries*>(ruin.series()[0])->points(),
             (QList<QPointF>{{0, 100}, {900, 100}, {900, 200.0 / 3}, {1200, 200.0 / 3}, {1200, 100.0 / 3}, {1500, 100.0 / 3}, {1500, 0}}));
    QCOMPARE(qobject_cast<QLineSeries*>(ruin.series()[2])->points(), (QList<QPointF>{{1000, 0}, {1000, 100}}));
  }

  // Each test's plots are drawn afresh: after two and three tests in a row a plot is the picture
  // the last test alone gives, with one set of axes.
  void PlotsRenderTheLastTestAlone() {
    testing::AnsweringModals modals;
    const auto pictures = [&modals](const std::vector<TestResult>& tests) {
      TResults results(modals, {1024, 768}, QDir::tempPath().toStdString());
      std::vector<QImage> shown;
      // As after each test: the results drawn while the screen is closed, then shown page by page.
      for (const TestResult& test : tests) {
        results.ShowResult(test);
        results.show();
        shown.clear();
        for (int page = 1; page <= 4; ++page) {
          results.ResultsTabs->setCurrentIndex(page);
          QCoreApplication::processEvents();
          shown.push_back(results.ShownPlot()->grab().toImage());
        }
        results.hide();
      }
      return shown;
    };
    const std::vector<QImage> alone = pictures({ThreeSessions()});
    QVERIFY(PixelsOf(alone[0], QColor("#1f77b4")) > 100);
    QVERIFY(PixelsOf(alone[0], Qt::white) < alone[0].width() * alone[0].height());
    for (const auto& tests : {std::vector{ManySessions(12), ThreeSessions()},
                              std::vector{ThreeSessions(), ManySessions(5), ThreeSessions()}}) {
      const std::vector<QImage> after = pictures(tests);
      for (std::size_t plot = 0; plot < alone.size(); ++plot) QVERIFY(after[plot] == alone[plot]);
    }
  }

  void ExportsWriteTheirFiles() {
    testing::StartupDirectory startup;
    testing::AnsweringModals modals;
    TResults results(modals, {1024, 768}, startup.Path());
    const TestResult result = ThreeSessions();
    results.ShowResult(result);
    results.show();
    QVERIFY(QTest::qWaitForWindowExposed(&results));
    const auto file = [&](const char* name) { return QString::fromStdString((startup.Path() / name).string()); };

    modals.saveAnswer = file("figures.csv");
    results.SaveFiguresClick();
    QCOMPARE(testing::FileBytes(modals.saveAnswer).toStdString(), FiguresCsv(ComputeFigures(result)));
    modals.saveAnswer = file("sessions.csv");
    results.SaveSessionsClick();
    QCOMPARE(testing::FileBytes(modals.saveAnswer).toStdString(), SessionsCsv(result));

    QVERIFY(!results.SavePng->isEnabled());  // the figures page has no plot
    results.ResultsTabs->setCurrentIndex(2);
    QCoreApplication::processEvents();  // the page lays its chart out, as before any click
    QVERIFY(results.SavePng->isEnabled());
    modals.saveAnswer = file("winnings.png");
    results.SavePngClick();
    const QImage png(modals.saveAnswer);
    QCOMPARE(png.size(), results.WinningsView->size() * 2);
    QVERIFY(PixelsOf(png, QColor("#1f77b4")) > 100);  // the system's bars
    modals.saveAnswer = file("winnings.svg");
    results.SaveSvgClick();
    const QByteArray svg = testing::FileBytes(modals.saveAnswer);
    QVERIFY(svg.startsWith("<?xml"));
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains("<title>Session winnings"));
    QVERIFY(modals.errors.isEmpty());
  }

  void FailedOrCancelledSaves() {
    testing::StartupDirectory startup;
    testing::AnsweringModals modals;
    TResults results(modals, {1024, 768}, startup.Path());
    results.ShowResult(ThreeSessions());
    modals.saveAnswer = "";  // cancelled: nothing written, nothing said
    results.SaveSessionsClick();
    QVERIFY(modals.errors.isEmpty());
    modals.saveAnswer = QString::fromStdString((startup.Path() / "no" / "such" / "figures.csv").string());
    results.SaveFiguresClick();
    QCOMPARE(modals.errors.size(), 1);
    QVERIFY(modals.errors[0].contains("figures.csv"));
    QVERIFY(std::filesystem::is_directory(startup.Path() / "LogFiles"));
  }

  void FinishedTestOpensTheResults() {
    testing::StartupDirectory startup;
    QVERIFY(SaveData(startup.LastUsedFile(), DefaultSettings()));
    testing::AnsweringModals modals;
    TForm1 form(modals, {1024, 768}, startup.Folders());
    TAutoTest autoTest(modals, form.Controller(), {1024, 768}, startup.Path());
    TResults results(modals, {1024, 768}, startup.Path());
    autoTest.SetResultsScreen(&results);
    form.SetScreens({nullptr, nullptr, nullptr, nullptr, nullptr, &autoTest});
    QVERIFY(!autoTest.ResultsButton->isEnabled());  // no test yet
    int visits = 0;
    modals.actions["AutoTest"] = [&](QDialog&) {
      if (++visits == 1) {
        autoTest.Target->setText("2000");
        autoTest.Edit1->setText("2");
        autoTest.SeedEdit->setText("11");
        autoTest.start1Click();
      }
      return 0;
    };
    form.AutoClick();
    QTRY_COMPARE_WITH_TIMEOUT(visits, 2, 60000);
    QCOMPARE(modals.shown, (QStringList{"AutoTest", "Results", "AutoTest"}));
    QVERIFY(autoTest.ResultsButton->isEnabled());
    QCOMPARE(Text(*results.FiguresTable, RowOf(*results.FiguresTable, "Sessions"), 1), QString("2"));
    QCOMPARE(Text(*results.FiguresTable, RowOf(*results.FiguresTable, "Rounds"), 1), QString("4,000"));
    QCOMPARE(results.WalksView->chart()->series().size(), 4);
    QTest::mouseClick(autoTest.ResultsButton, Qt::LeftButton);
    QCOMPARE(modals.shown.back(), QString("Results"));
    QCOMPARE(modals.shown.size(), 4);
  }
};

QTEST_MAIN(ResultsScreenTest)
#include "results_screen_test.moc"
