// The progression screen's window: its size and place by the display, nothing of it cut off,
// its spinners' ranges, and the information dialog.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include "progression_fixture.h"

using namespace quorvel;
using namespace quorvel::ui;
using testing::Screen;

class ProgressionWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void WindowFollowsTheDisplayWidth_data() {
    QTest::addColumn<QSize>("display");
    QTest::addColumn<int>("width");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<bool>("list");
    QTest::newRow("640") << QSize(640, 480) << 640 << QPoint(0, 0) << false;
    QTest::newRow("799") << QSize(799, 600) << 640 << QPoint(0, 0) << false;
    // The wide window stands whole on the display, its frame too.
    QTest::newRow("800") << QSize(800, 600) << 640 << QPoint(0, 0) << false;
    QTest::newRow("847") << QSize(847, 600) << 640 << QPoint(0, 0) << false;
    QTest::newRow("848") << QSize(848, 600) << 840 << QPoint(4, 60) << true;
    QTest::newRow("1024") << QSize(1024, 768) << 840 << QPoint(92, 144) << true;
  }

  void WindowFollowsTheDisplayWidth() {
    QFETCH(QSize, display);
    QFETCH(int, width);
    QFETCH(QPoint, place);
    QFETCH(bool, list);
    Screen screen(display);
    TProgression& p = screen.progression;
    QCOMPARE(p.objectName(), QString("Progression"));
    QCOMPARE(p.windowTitle(), QString("Quorvel Progression Screen"));
    QCOMPARE(p.size(), QSize(width, 480));
    QCOMPARE(p.pos(), place);
    // The longest sentence the editor can show, with its amount, must fit whole.
    ProgressionTable table;
    table.ruleAction[99] = kDecreaseBet;
    table.ruleUnits[99] = 99;
    table.ruleTenths[99] = 10;
    p.LoadTable(table);
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    screen.Select(9, 9);
    QCOMPARE(p.Side->isVisible(), list);
    const QStringList problems = testing::FitProblems(p);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    if (list) {
      const QFontMetrics metrics(p.Side->font());
      QVERIFY(metrics.horizontalAdvance(screen.Line(1)) <= p.Side->viewport()->width() - 8);
    }
  }

  void SpinnersStayInTheirRange() {
    Screen screen;
    UpDown& wins = *screen.progression.WinUpDown;
    QSignalSpy clicks(&wins, &UpDown::Click);
    QToolButton* up = wins.findChildren<QToolButton*>().first();
    for (int press = 0; press < 12; ++press) up->click();
    QCOMPARE(wins.Position(), 9);
    QCOMPARE(screen.progression.Num1->text(), QString("9"));
    QCOMPARE(clicks.size(), 12);  // the ends click too, and do not wrap
    wins.Step(-20);
    QCOMPARE(wins.Position(), 0);
    // The counts are typed into, the top one too; no number is not taken.
    QVERIFY(!screen.progression.Num1->isReadOnly() && screen.progression.Tenth1->isReadOnly());
    for (const char* typed : {"x", "", "9"}) {
      screen.progression.Num1->setText(typed);
      wins.TakeTyped();
    }
    QCOMPARE(wins.Position(), 9);
    QCOMPARE(clicks.size(), 14);
    screen.progression.UpDown2->Step(20);
    QCOMPARE(screen.progression.Tenth1->text(), QString("10"));
  }

  void AlertHidesItsReminderWhenClosed() {
    TAlert alert;
    QCOMPARE(alert.objectName(), QString("Alert"));
    QCOMPARE(alert.windowTitle(), QString("Information"));
    QCOMPARE(alert.Okay1->text(), QString("Okay"));
    QCOMPARE(alert.Save->text(),
             QString("Be sure to press the SAVE button if you wish to enable this progression setting."));
    QVERIFY(!alert.Save->isHidden());
    alert.show();
    alert.Okay1->click();
    QCOMPARE(alert.result(), int{QDialog::Accepted});
    QVERIFY(alert.Save->isHidden());
  }
};

QTEST_MAIN(ProgressionWindowTest)
#include "progression_window_test.moc"
