// The screens' layout by display size, and where cards land on the table.
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/alert_dialog.h"
#include "ui/charts_screen.h"
#include "ui/display_geometry.h"
#include "ui/main_screen.h"
#include "ui/options_screen.h"
#include "ui/progression_screen.h"
#include "ui/table_image.h"
#include "ui_fixture.h"

using namespace quorvel;
using namespace quorvel::ui;

class LayoutTest : public QObject {
  Q_OBJECT
 private slots:
  void FitsEveryCommonDisplay_data() {
    QTest::addColumn<QSize>("display");
    QTest::addColumn<float>("scale");
    // The largest scale whose layout fits under the menu and inside the window's frame.
    const std::pair<QSize, float> rows[] = {
        {{800, 600}, 1.0f},    {{1024, 768}, 1.25f}, {{1280, 720}, 1.0f},  {{1280, 800}, 1.25f},
        {{1366, 768}, 1.25f},  {{1440, 900}, 1.25f}, {{1536, 864}, 1.25f}, {{1600, 900}, 1.25f},
        {{1920, 1080}, 1.6f},  {{2560, 1440}, 1.6f}, {{1200, 1000}, 1.25f}, {{1440, 1040}, 1.6f}};
    for (const auto& [display, scale] : rows) {
      QTest::newRow(qPrintable(QString("%1x%2").arg(display.width()).arg(display.height()))) << display << scale;
    }
  }

  void FitsEveryCommonDisplay() {
    QFETCH(QSize, display);
    QFETCH(float, scale);
    testing::MainWindow window(display);
    TForm1& form = window.form;
    QCOMPARE(form.Geometry().scale, scale);
    QVERIFY(form.Geometry().wideLayout);
    QVERIFY(form.width() + kFrameAllowance.width <= display.width());
    QVERIFY(form.height() + kFrameAllowance.height <= display.height());
    // The widest values a long test leaves: ten-digit counts, large sums of money.
    for (QLabel* count : {form.test1, form.test2, form.counter1}) count->setText("1733801123");
    for (QLabel* money : {form.newwinnings, form.oldwinnings}) money->setText("-123456789");
    form.PHLabel->setText("$-12345.67");
    form.Label1->setText("12345678");
    form.bettotal->setText("$1980000000000.00");
    form.ELabel->setText("-0.01234");
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QStringList problems = testing::FitProblems(form, form.Image1);
    // The options and charts screens, shrunk where they must be, fit whole too.
    TAlert alert;
    TProgression progression(window.modals, alert, display);
    TStrategy options(window.modals, progression, display, window.startup.Path());
    TCharts charts(window.modals, display, window.startup.Path() / "chartdata");
    charts.ChartData(6, false, true, false);
    for (QDialog* screen : std::initializer_list<QDialog*>{&options, &charts}) {
      screen->show();
      QVERIFY(QTest::qWaitForWindowExposed(screen));
      if (screen->width() + kFrameAllowance.width > display.width() ||
          screen->height() + kFrameAllowance.height > display.height()) problems << screen->objectName() + " too large";
      problems << testing::FitProblems(*screen, charts.Image1);
    }
    // The chart grid shrinks with the letters over it.
    if (std::abs(charts.Image1->pixmap().deviceIndependentSize().width() - charts.Image1->width()) > 1) problems << "grid unscaled";
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    QVERIFY(window.modals.errors.isEmpty());
  }

  void CardPlacesFollowTheHandArea() {
    struct Case {
      int position;
      float scale;
      int x, y;
      bool small;
    };
    const Case cases[] = {
        {0, 1.0f, 200, 150, false},   {1, 1.0f, 225, 154, false},  {41, 1.0f, 21, 9, true},
        {283, 1.25f, 343, 48, false}, {282, 1.6f, 400, 56, false}, {283, 1.6f, 440, 62, true},
        {9, 1.0f, 425, 154, true},    {5, 1.25f, 406, 192, true},  {3, 1.6f, 440, 246, true},
        {2, 1.6f, 400, 240, false},   {165, 1.0f, 575, 9, true},  {280, 1.0f, 200, 35, false},
    };
    for (const Case& c : cases) {
      const CardPlace place = GetImagePosition(c.position, c.scale);
      QCOMPARE(place.cardX, c.x);
      QCOMPARE(place.cardY, c.y);
      QCOMPARE(UsesSmallPicture(place.cardX), c.small);
    }
  }

  void DesignedLayoutBelow800() {
    testing::MainWindow window({640, 480});
    TForm1& form = window.form;
    QVERIFY(!form.Geometry().wideLayout);
    QCOMPARE(form.Image1->geometry(), QRect(0, 20, 640, 414));
    QCOMPARE(form.Label4->pos(), QPoint(377, 82));
    QCOMPARE(form.text1->pos(), QPoint(385, 189));
    QCOMPARE(form.dealer4->pos(), QPoint(350, 400));
    QCOMPARE(form.Deal->geometry(), QRect(408, 129, 65, 24));
    QCOMPARE(form.Reset1->geometry(), QRect(176, 129, 65, 24));
    QCOMPARE(form.Panel20->pos(), QPoint(387, 1));
    QCOMPARE(form.Suspend->geometry(), QRect(200, 250, 300, 60));
    QVERIFY(form.Panel1->isHidden());
    QVERIFY(form.QPanel->isHidden());
    QVERIFY(form.Tracking1->menuAction()->isVisible());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.centralWidget()->size(), QSize(737, 459));
    QVERIFY(window.modals.errors.isEmpty());
  }

  void WideLayoutScalesLabelsPanelsAndButtons_data() {
    QTest::addColumn<QSize>("display");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QPoint>("label4");
    QTest::addColumn<QPoint>("dealer4");
    QTest::addColumn<QPoint>("reset");
    QTest::addColumn<int>("split");
    QTest::addColumn<int>("t20");
    QTest::addColumn<int>("h456");
    QTest::addColumn<QRect>("panel5");
    QTest::addColumn<int>("statsLeft");
    QTest::addColumn<int>("memoHeight");
    QTest::newRow("800") << QSize(800, 600) << QSize(640, 414) << QPoint(377, 82)
                         << QPoint(350, 400) << QPoint(176, 129) << 630 << 20 << 456
                         << QRect(4, 252, 150, 28) << 312 << 235;
    QTest::newRow("1024") << QSize(1024, 768) << QSize(800, 517) << QPoint(471, 102)
                          << QPoint(437, 500) << QPoint(220, 161) << 790 << 25 << 570
                          << QRect(4, 315, 187, 35) << 390 << 293;
    QTest::newRow("1920") << QSize(1920, 1080) << QSize(1024, 662) << QPoint(603, 131)
                          << QPoint(560, 640) << QPoint(281, 206) << 1024 << 32 << 729
                          << QRect(4, 403, 240, 44) << 499 << 376;
  }

  void WideLayoutScalesLabelsPanelsAndButtons() {
    QFETCH(QSize, display);
    QFETCH(QSize, picture);
    QFETCH(QPoint, label4);
    QFETCH(QPoint, dealer4);
    QFETCH(QPoint, reset);
    QFETCH(int, split);
    QFETCH(int, t20);
    QFETCH(int, h456);
    QFETCH(QRect, panel5);
    QFETCH(int, statsLeft);
    QFETCH(int, memoHeight);
    testing::MainWindow window(display);
    TForm1& form = window.form;
    const QSize room = display - QSize(kFrameAllowance.width, kFrameAllowance.height);
    const int formHeight = room.height() - form.MainMenu1->sizeHint().height();

    QCOMPARE(form.size(), room);
    QCOMPARE(form.Image1->geometry(), QRect(QPoint(0, t20), picture));
    QCOMPARE(form.Label4->pos(), label4);
    QCOMPARE(form.dealer4->pos(), dealer4);
    QCOMPARE(form.Reset1->pos(), reset);
    QCOMPARE(form.Reset1->size(), QSize(Scaled(65, form.Geometry().scale), 24));
    QCOMPARE(form.QPanel->geometry(), QRect(0, h456 - 20, split, formHeight - (h456 - 20)));
    const int sideTop = std::max(t20, 25);
    QCOMPARE(form.Panel1->geometry(), QRect(split, sideTop, room.width() - split, formHeight - sideTop));
    QCOMPARE(form.Panel2->width(), room.width());
    QCOMPARE(form.Panel18->x(), room.width() / 5);
    QCOMPARE(form.Panel21->x(), 4 * (room.width() / 5));
    // The counters keep their places and grow to the widest count's width.
    QCOMPARE(form.Panel5->pos(), panel5.topLeft());
    QCOMPARE(form.Panel5->height(), panel5.height());
    QVERIFY(form.Panel5->width() >= panel5.width());
    QCOMPARE(form.StatsPanel->x(), statsLeft);
    // Where the panel is short, the memo gives up height rather than cover the counters.
    QVERIFY(form.Memo1->height() <= memoHeight && form.Memo1->height() >= memoHeight * 9 / 10);
    QCOMPARE(form.Label4->font().pointSize(), int{form.Geometry().fontSize});
    QVERIFY(!form.QPanel->isHidden());
    QVERIFY(!form.Panel1->isHidden());
    QVERIFY(!form.Tracking1->menuAction()->isVisible());
    QVERIFY(window.modals.errors.isEmpty());
  }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
