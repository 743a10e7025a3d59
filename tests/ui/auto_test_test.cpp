// Automatic tests from the window: the test screen, a seeded test end to end, STOP, the log.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include "config/default_settings.h"
#include "ui/main_screen.h"
#include "ui/test_lifetime.h"
#include "ui/test_progress_panel.h"
#include "ui/test_screen.h"
#include "ui_fixture.h"

using namespace quorvel;
using namespace quorvel::ui;

namespace {

// The main screen with its test screen; the test plays the user at the test screen.
struct Window : testing::MainWindow {
  explicit Window(QSize display = {1024, 768}, const std::optional<SettingsFile>& settings = {})
      : MainWindow(display, settings), autoTest(modals, form.Controller(), display, form.Folders().writable) {
    form.SetScreens({nullptr, nullptr, nullptr, nullptr, nullptr, &autoTest});
  }
  TAutoTest autoTest;
};

// One session of 500 rounds, finished, with its log ready to review.
void RunShortTest(Window& window) {
  QVERIFY(window.form.Controller().StartTests(1, 500, 3, 1) == std::nullopt);
  QTRY_VERIFY(window.form.Controller().WorkersDone());
  window.form.Controller().FinishTest();
}

void Fill(TAutoTest& screen, const QString& hands, const QString& sessions, const QString& seed) {
  screen.Target->setText(hands);
  screen.Edit1->setText(sessions);
  screen.SeedEdit->setText(seed);
}

}  // namespace

class AutoTestTest : public QObject {
  Q_OBJECT
 private slots:
  void ListItemsFillTheHandsBox() {
    Window window;
    TAutoTest& screen = window.autoTest;
    const QStringList expected = {"500000",   "1000000",  "10000000", "20000000", "30000000",
                                  "40000000", "50000000", "60000000", "70000000", "80000000",
                                  "90000000", "100000000", "0"};
    QCOMPARE(screen.numtests->count(), 13);
    QCOMPARE(screen.numtests->itemText(12), QString("no limit"));
    for (int item = 0; item < screen.numtests->count(); ++item) {
      screen.numtests->setCurrentIndex(item);
      screen.numtestsChange();
      QCOMPARE(screen.Target->text(), expected[item]);
    }
    QCOMPARE(screen.Edit1->maxLength(), 2);
  }

  void BadNumbersAreRefusedBeforeTheTestStarts() {
    Window window;
    TAutoTest& screen = window.autoTest;
    struct Case {
      QString hands, sessions, seed, error, perHour = "100";
    };
    const Case cases[] = {
        {"abc", "3", "", "'abc' is not a valid floating point value"},
        {"2500", "x", "", "'x' is not a valid integer value"},
        {"2500", "0", "", "The number of sessions must be from 1 to 99."},
        {"2500", "-1", "", "The number of sessions must be from 1 to 99."},
        {"1e30", "3", "", "The number of hands per session must be from 1 to 100000000, or 0 for no limit."},
        {"2500", "3", "seven", "'seven' is not a valid seed: give a whole number from 0 to 4294967295"},
        {"2500", "3", "", "'0' is not a valid number of rounds per hour: give a whole number from 1 to 10000", "0"},
    };
    for (const Case& c : cases) {
      Fill(screen, c.hands, c.sessions, c.seed);
      screen.RoundsPerHour->setText(c.perHour);
      screen.start1Click();
      QCOMPARE(window.modals.errors.back(), c.error);
      QCOMPARE(window.form.Table().run.testRunning, 0);
      QVERIFY(!window.form.Controller().Running());
    }
  }

  void SeededTestMatchesTheCommandLine() {
    Window window({1024, 768}, DefaultSettings());
    TAutoTest& screen = window.autoTest;
    const QString saved = QString::fromStdString((window.startup.Path() / "gui.txt").string());
    int visits = 0;
    window.modals.actions["AutoTest"] = [&](QDialog&) {
      if (++visits == 1) {
        Fill(screen, "20000", "3", "4242");
        screen.EndAtBust->setChecked(true);  // the command line below goes broke alike
        screen.RoundsPerHour->setText("60");
        screen.start1Click();
      } else {
        // Back on the test screen after the last session: review and save.
        screen.ReviewClick();
        window.modals.saveAnswer = saved;
        screen.SaveLogClick();
      }
      return 0;
    };
    window.form.AutoClick();
    QVERIFY(window.form.Controller().Running() || window.form.Controller().WorkersDone());
    QCOMPARE(window.form.Auto->text(), QString("STOP"));
    QVERIFY(window.form.Progress->isVisibleTo(&window.form));
    QTRY_COMPARE_WITH_TIMEOUT(visits, 2, 60000);
    QCOMPARE(window.form.Auto->text(), QString("AUTO"));
    // Sessions went broke before their 20000 rounds, as on the command line below.
    QCOMPARE(window.form.counter1->text().toDouble(), window.form.Controller().Result().handsPlayed);
    QVERIFY(window.form.Controller().Result().handsPlayed < 60000);
    QCOMPARE(screen.LastSeed->text(), QString("Seed of the last test: 4242"));
    QCOMPARE(window.form.Controller().Result().roundsPerHour, 60);
    QVERIFY(screen.LogShown());
    const QStringList page = screen.Log1->toPlainText().split('\n');
    QCOMPARE(page.size(), 108);
    QVERIFY(page[1].startsWith("  1"));
    QVERIFY(page[3].startsWith("  3"));

    const QString cli = QString::fromStdString((window.startup.Path() / "cli.txt").string());
    QProcess run;
    run.start(QCoreApplication::applicationDirPath() + "/quorvel-cli",
              {"test", "--settings", QString::fromStdString(window.startup.LastUsedFile().string()),
               "--sessions", "3", "--hands", "20000", "--seed", "4242", "--end-at-bust", "--log", cli});
    QVERIFY(run.waitForFinished(60000));
    QCOMPARE(run.exitCode(), 0);
    const QByteArray expected = testing::FileBytes(cli);
    QVERIFY(expected.size() > 108 * 2);
    QCOMPARE(testing::FileBytes(saved), expected);
    QVERIFY(window.modals.errors.isEmpty());
  }

  void EveryEndIsReportedOnceAndOnlyTheLastSessionOpensScreens_data() {
    QTest::addColumn<QString>("hands");
    QTest::addColumn<QString>("end");
    QTest::newRow("STOP") << "0" << "stop";
    QTest::newRow("RESET") << "0" << "reset";
    QTest::newRow("closing the window") << "0" << "close";
    QTest::newRow("STOP once the workers are done") << "500" << "stop";
    QTest::newRow("the last session") << "500" << "poll";
  }

  void EveryEndIsReportedOnceAndOnlyTheLastSessionOpensScreens() {
    QFETCH(QString, hands);
    QFETCH(QString, end);
    Window window;
    TForm1& form = window.form;
    window.modals.actions["AutoTest"] = [&](QDialog&) {
      if (window.modals.shown.size() == 1) {
        Fill(window.autoTest, hands, "1", "5");
        window.autoTest.start1Click();
      }
      return 0;
    };
    int ends = 0;
    QObject::connect(&form.Lifetime(), &TestLifetime::Ended, [&] { ++ends; });
    form.show();
    form.AutoClick();
    // DEAL, OPTIONS and "Shuffle Now" do nothing during a test, and look it; RESET stays.
    QVERIFY(!form.Deal->isEnabled() && !form.OptButton->isEnabled() && !form.Shuffle1->isEnabled());
    QVERIFY(form.Reset1->isEnabled());
    TestController& controller = form.Controller();
    if (hands == "0") {
      QTRY_VERIFY(controller.Progress().Rounds() > 0);
    } else {
      QTRY_VERIFY(controller.WorkersDone());
    }
    QElapsedTimer clock;
    clock.start();
    if (end == "stop") form.AutoClick();
    if (end == "reset") form.Reset1Click();
    if (end == "close") form.close();
    QVERIFY2(clock.elapsed() < 200, qPrintable(QString("%1 ms").arg(clock.elapsed())));  // at once
    // The poll's tick falls due after the end (or is the end): it finds the test ended.
    form.Lifetime().Poll();
    form.Lifetime().Poll();
    QCoreApplication::processEvents();
    QCOMPARE(ends, 1);
    QVERIFY(!form.Lifetime().PollActive());
    QCOMPARE(form.Auto->text(), QString("AUTO"));
    QVERIFY(!form.Progress->isVisibleTo(&form));
    QCOMPARE(controller.Phase(), end == "poll" ? TestPhase::kFinished : TestPhase::kStopped);
    QCOMPARE(window.modals.shown.size(), end == "poll" ? 2 : 1);
    QVERIFY(form.Deal->isEnabled() && form.OptButton->isEnabled() && form.Shuffle1->isEnabled());
    QVERIFY(!form.QPanel->isHidden());  // the wide layout shows its panels again
    if (end == "stop" && hands == "0") {  // the stopped session is shown, not logged
      QCOMPARE(form.counter1->text().toDouble(), controller.Result().handsPlayed);
      QCOMPARE(form.Q2->text(), QString("Test stopped before its session finished."));
      QCOMPARE(controller.Stats().sessionWinnings[1], 0);
    }
    if (end == "reset") {
      QCOMPARE(form.newwinnings->text(), QString("1000"));
      QCOMPARE(form.counter1->text(), QString(""));
    }
  }

  void CloseWithTheLogShownReturnsToSetupAndAFailedSaveIsReported() {
    Window window;
    TAutoTest& screen = window.autoTest;
    RunShortTest(window);
    screen.show();
    emit screen.Edit1->editingFinished();  // leaving the sessions box keeps the finished test's log
    screen.ReviewClick();
    QVERIFY(screen.LogShown());
    QVERIFY(!screen.Log1->toPlainText().split('\n')[8].isEmpty());
    QVERIFY(!screen.SaveLog->isHidden());
    // A failed save is reported.
    window.modals.saveAnswer = QString::fromStdString((window.startup.Path() / "no" / "such" / "log.txt").string());
    screen.SaveLogClick();
    QCOMPARE(window.modals.errors.size(), 1);
    QVERIFY(window.modals.errors[0].contains("log.txt"));
    QVERIFY(std::filesystem::is_directory(window.startup.Path() / "LogFiles"));
    screen.Close1Click();
    QVERIFY(!screen.LogShown());
    QVERIFY(screen.isVisible());
    screen.Close1Click();
    QVERIFY(!screen.isVisible());
  }

  void StatsDuringATestShowLiveFiguresAndTheTestRunsOn() {
    Window window;
    TAutoTest& screen = window.autoTest;
    window.modals.actions["AutoTest"] = [&](QDialog&) {
      Fill(screen, "0", "2", "9");  // only STOP ends it
      screen.start1Click();
      return 0;
    };
    window.form.AutoClick();
    TestController& controller = window.form.Controller();
    QVERIFY(window.form.QPanel->isHidden());
    QTRY_VERIFY(controller.Progress().Rounds() > 0);
    QElapsedTimer clock;
    clock.start();
    window.form.Stats1Click();
    QVERIFY(clock.elapsed() < 100);  // no pause
    QVERIFY(!window.form.QPanel->isHidden());
    QVERIFY(window.form.counter1->text().toDouble() > 0);
    QVERIFY(window.form.Q2->text().contains("0 sessions finished"));
    const uint64_t before = controller.Progress().Rounds();
    QTRY_VERIFY_WITH_TIMEOUT(window.form.QPanel->isHidden(), 3000);
    QVERIFY(clock.elapsed() >= 1900);
    QVERIFY(controller.Progress().Rounds() > before);  // the test ran on
    window.form.AutoClick();
    QVERIFY(!controller.Running());
  }

  void CompactLayoutBelow800() {
    Window window({640, 480});
    TAutoTest& screen = window.autoTest;
    QCOMPARE(screen.size(), QSize(640, 480));
    QCOMPARE(screen.Panel1->pos(), QPoint(456, 208));
    QCOMPARE(screen.Review->pos(), QPoint(448, 344));
    QCOMPARE(screen.numtests->pos(), QPoint(176, 142));
    QCOMPARE(screen.font().pointSize(), 8);
    // AUTO leaves the hidden statistics panel's lines alone; a test start shows the memo as the
    // settings it applies say.
    TForm1& form = window.form;
    form.Q2->setText("End session after 3 lost.");
    form.AutoClick();
    QCOMPARE(form.Q2->text(), QString("End session after 3 lost."));
    form.Memo1->setVisible(form.Active().progression.progressionEnabled == 0);
    window.modals.actions["AutoTest"] = [&](QDialog&) {
      Fill(screen, "0", "1", "5");
      screen.start1Click();
      return 0;
    };
    form.AutoClick();
    QCOMPARE(form.Memo1->isHidden(), form.Active().progression.progressionEnabled == 0);
    form.AutoClick();
  }
};

QTEST_MAIN(AutoTestTest)
#include "auto_test_test.moc"
