// The Compare screen: systems chosen, run on the same sessions as `quorvel-cli compare`, STOP, and refusals.
#include <QChartView>
#include <QBarSeries>
#include <QBarSet>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "config/default_settings.h"
#include "ui/compare_screen.h"
#include "ui_fixture.h"

using namespace quorvel;
using namespace quorvel::ui;

namespace {

QString Example(const char* name) { return QCoreApplication::applicationDirPath() + "/examples/" + name; }

struct Screen {
  testing::StartupDirectory startup;
  testing::AnsweringModals modals;
  TCompare compare{modals, {1280, 1024}, startup.Folders(), [] {
                     return ReadActiveSettingsBytes(EncodeSettings(DefaultSettings()), {}).settings;
                   }};
  void Add(const QString& file) {
    modals.openAnswer = file;
    compare.AddFileClick();
  }
  void Plan(const QString& sessions, const QString& hands, const QString& seed) {
    compare.CompareSessions->setText(sessions);
    compare.CompareHands->setText(hands);
    compare.CompareSeed->setText(seed);
  }
};

}  // namespace

class CompareScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void FiguresEqualTheCommandLineOnTheSameSeed() {
    Screen screen;
    screen.Add(Example("flat-bet.sav"));
    screen.Add(Example("martingale.sav"));
    screen.Plan("4", "2000", "8");
    const QTableWidget& table = *screen.compare.CompareTable;
    // One column a system and the twin once: the two deal alike at the same unit. Going
    // broke, the martingale plays fewer rounds, and each system gets its own twin.
    for (const bool endAtBust : {false, true}) {
      screen.compare.CompareEndAtBust->setChecked(endAtBust);
      screen.compare.RunClick();
      QCOMPARE(screen.compare.RunCompare->text(), QString("STOP"));
      QTRY_COMPARE_WITH_TIMEOUT(screen.compare.RunCompare->text(), QString("Run"), 60000);
      QVERIFY(screen.modals.errors.isEmpty());
      QCOMPARE(table.columnCount(), endAtBust ? 5 : 4);
      QCOMPARE(table.horizontalHeaderItem(1)->text(), QString("flat-bet.sav"));
      QCOMPARE(table.horizontalHeaderItem(endAtBust ? 4 : 3)->text(),
               QString(endAtBust ? "martingale.sav flat bet" : "Flat bet"));
      QCOMPARE(screen.compare.CompareRuin->chart()->series().size(), endAtBust ? 4 : 3);
      // Each system's sessions in bins they all share.
      auto* bars = qobject_cast<QBarSeries*>(screen.compare.CompareWinnings->chart()->series().value(0));
      QVERIFY(bars != nullptr && bars->count() == 2);
      for (const QBarSet* set : bars->barSets()) QCOMPARE(set->sum(), 4.0);
    }
    QCOMPARE(table.item(0, 0)->text() + " " + table.item(0, 1)->text(), QString("Rounds 8,000"));
    QCOMPARE(table.item(2, 0)->text(), QString("Winnings"));
    QVERIFY(table.item(2, 1)->text().startsWith("$"));
    QCOMPARE(screen.compare.CompareWalks->chart()->series().size(), 4);  // a band and a mean each

    const QString saved = QString::fromStdString((screen.startup.Path() / "gui.csv").string());
    screen.modals.saveAnswer = saved;
    screen.compare.SaveFiguresClick();
    const QString cli = QString::fromStdString((screen.startup.Path() / "cli.csv").string());
    QProcess run;
    run.start(QCoreApplication::applicationDirPath() + "/quorvel-cli",
              {"compare", Example("flat-bet.sav"), Example("martingale.sav"), "--sessions", "4", "--hands",
               "2000", "--seed", "8", "--end-at-bust", "--csv", cli});
    QVERIFY(run.waitForFinished(60000));
    QCOMPARE(run.exitCode(), 0);
    const QByteArray expected = testing::FileBytes(cli);
    QVERIFY(expected.contains("bankroll for 5 % risk of ruin"));
    QCOMPARE(testing::FileBytes(saved), expected);
  }

  void StopEndsTheComparisonAtOnce() {
    Screen screen;
    screen.Add(Example("paroli.sav"));
    screen.Add(Example("flat-bet.sav"));
    screen.compare.AddCurrentClick();
    screen.Plan("2", "10000000", "3");
    screen.compare.RunClick();
    QTRY_VERIFY_WITH_TIMEOUT(screen.compare.Run().Progress().systemsDone.load() == 1, 60000);
    QElapsedTimer clock;
    clock.start();
    screen.compare.RunClick();  // STOP
    QVERIFY(clock.elapsed() < 500);
    QVERIFY(!screen.compare.Run().Running());
    QCOMPARE(screen.compare.RunCompare->text(), QString("Run"));
    QVERIFY(screen.compare.CompareProgress->value() < 50);  // one system of three, and a little
    QCOMPARE(screen.compare.CompareFiles->item(2)->text(), QString("current settings"));
    // The system the stop never reached is not run, not a row of zeros; its twin stands beside it.
    const QTableWidget& table = *screen.compare.CompareTable;
    QCOMPARE(table.columnCount(), 7);
    QCOMPARE(table.horizontalHeaderItem(1)->text(), QString("paroli.sav"));
    QCOMPARE(table.item(0, 1)->text(), QString("20,000,000"));
    for (const int column : {5, 6}) {
      QVERIFY(table.horizontalHeaderItem(column)->text().endsWith(" (not run)"));
      QCOMPARE(table.item(0, column)->text(), QString());
    }
    auto* bars = static_cast<QBarSeries*>(screen.compare.CompareWinnings->chart()->series().value(0));
    QCOMPARE(bars->count(), table.horizontalHeaderItem(3)->text().endsWith(" (not run)") ? 1 : 2);
  }

  void TooFewSystemsOrBadNumbersAreRefused() {
    Screen screen;
    screen.Add(Example("flat-bet.sav"));
    screen.Add(QString::fromStdString((screen.startup.Path() / "missing.sav").string()));
    QCOMPARE(screen.compare.CompareFiles->count(), 1);
    QVERIFY(screen.modals.errors.back().contains("missing.sav"));
    screen.compare.RunClick();
    QCOMPARE(screen.modals.errors.back(), QString("Choose two to eight settings to compare."));
    screen.Add(Example("paroli.sav"));
    screen.compare.CompareRoundsPerHour->setText("0");
    screen.compare.RunClick();
    QVERIFY(screen.modals.errors.back().startsWith("'0' is not a valid number of rounds per hour"));
    for (int i = 0; i < 6; ++i) screen.compare.AddCurrentClick();
    QCOMPARE(screen.compare.CompareFiles->count(), 8);
    screen.compare.AddCurrentClick();
    QCOMPARE(screen.modals.errors.back(), QString("Compare at most eight settings."));
    QVERIFY(!screen.compare.Run().Running());
  }
};

QTEST_MAIN(CompareScreenTest)
#include "compare_screen_test.moc"
