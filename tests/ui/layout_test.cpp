// The main screen's layout by display width, and where cards land on the table.
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/display_geometry.h"
#include "ui/main_screen.h"
#include "ui/table_image.h"
#include "ui_fixture.h"

using namespace quorvel;
using namespace quorvel::ui;

class LayoutTest : public QObject {
  Q_OBJECT
 private slots:
  void ChoosesScaleFontAndPictureByWidth_data();
  void ChoosesScaleFontAndPictureByWidth();
  void CardPlacesFollowTheHandArea();
  void DesignedLayoutBelow800();
  void WideLayoutScalesLabelsPanelsAndButtons_data();
  void WideLayoutScalesLabelsPanelsAndButtons();
};

void LayoutTest::ChoosesScaleFontAndPictureByWidth_data() {
  QTest::addColumn<int>("width");
  QTest::addColumn<float>("scale");
  QTest::addColumn<int>("fontSize");
  QTest::addColumn<QString>("file");
  QTest::addColumn<bool>("wide");
  QTest::newRow("640") << 640 << 1.0f << 10 << "bg1.bmp" << false;
  QTest::newRow("799") << 799 << 1.0f << 10 << "bg1.bmp" << false;
  QTest::newRow("800") << 800 << 1.0f << 10 << "bg1.bmp" << true;
  QTest::newRow("801") << 801 << 1.25f << 12 << "vg1.bmp" << true;
  QTest::newRow("1200") << 1200 << 1.25f << 12 << "vg1.bmp" << true;
  QTest::newRow("1201") << 1201 << 1.6f << 14 << "xg1.bmp" << true;
  QTest::newRow("1920") << 1920 << 1.6f << 14 << "xg1.bmp" << true;
}

void LayoutTest::ChoosesScaleFontAndPictureByWidth() {
  QFETCH(int, width);
  QFETCH(float, scale);
  QFETCH(int, fontSize);
  QFETCH(QString, file);
  QFETCH(bool, wide);
  const DisplayGeometry geometry = ChooseGeometry(width);
  QCOMPARE(geometry.scale, scale);
  QCOMPARE(int{geometry.fontSize}, fontSize);
  QCOMPARE(QString::fromStdString(geometry.backgroundFile), file);
  QCOMPARE(geometry.wideLayout, wide);
}

void LayoutTest::CardPlacesFollowTheHandArea() {
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

void LayoutTest::DesignedLayoutBelow800() {
  testing::StartupDirectory startup;
  testing::AnsweringModals modals;
  TForm1 form(modals, {640, 480}, startup.Folders());
  QVERIFY(!form.Geometry().wideLayout);
  QCOMPARE(form.Image1->geometry(), QRect(0, 20, 640, 414));
  QCOMPARE(form.Label4->pos(), QPoint(377, 82));
  QCOMPARE(form.text1->pos(), QPoint(385, 189));
  QCOMPARE(form.dealer4->pos(), QPoint(350, 400));
  QCOMPARE(form.Deal->geometry(), QRect(408, 129, 65, 24));
  QCOMPARE(form.Reset1->geometry(), QRect(176, 129, 65, 24));
  QCOMPARE(form.Panel20->geometry(), QRect(387, 1, 120, 23));
  QCOMPARE(form.Suspend->geometry(), QRect(200, 250, 300, 60));
  QVERIFY(form.Panel1->isHidden());
  QVERIFY(form.QPanel->isHidden());
  QVERIFY(form.Tracking1->menuAction()->isVisible());
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QCOMPARE(form.centralWidget()->size(), QSize(737, 459));
  QVERIFY(modals.errors.isEmpty());
}

void LayoutTest::WideLayoutScalesLabelsPanelsAndButtons_data() {
  QTest::addColumn<QSize>("display");
  QTest::addColumn<QSize>("picture");
  QTest::addColumn<QPoint>("label4");
  QTest::addColumn<QPoint>("dealer4");
  QTest::addColumn<QPoint>("reset");
  QTest::addColumn<int>("split");
  QTest::addColumn<int>("t20");
  QTest::addColumn<int>("h456");
  QTest::addColumn<int>("fifth");
  QTest::addColumn<QRect>("panel5");
  QTest::addColumn<int>("statsLeft");
  QTest::addColumn<int>("memoHeight");
  QTest::newRow("800") << QSize(800, 600) << QSize(640, 414) << QPoint(377, 82)
                       << QPoint(350, 400) << QPoint(176, 129) << 630 << 20 << 456 << 128
                       << QRect(4, 252, 150, 28) << 312 << 235;
  QTest::newRow("1024") << QSize(1024, 768) << QSize(800, 517) << QPoint(471, 102)
                        << QPoint(437, 500) << QPoint(220, 161) << 790 << 25 << 570 << 160
                        << QRect(4, 315, 187, 35) << 390 << 293;
  QTest::newRow("1920") << QSize(1920, 1080) << QSize(1024, 662) << QPoint(603, 131)
                        << QPoint(560, 640) << QPoint(281, 206) << 1024 << 32 << 729 << 204
                        << QRect(4, 403, 240, 44) << 499 << 376;
}

void LayoutTest::WideLayoutScalesLabelsPanelsAndButtons() {
  QFETCH(QSize, display);
  QFETCH(QSize, picture);
  QFETCH(QPoint, label4);
  QFETCH(QPoint, dealer4);
  QFETCH(QPoint, reset);
  QFETCH(int, split);
  QFETCH(int, t20);
  QFETCH(int, h456);
  QFETCH(int, fifth);
  QFETCH(QRect, panel5);
  QFETCH(int, statsLeft);
  QFETCH(int, memoHeight);
  testing::StartupDirectory startup;
  testing::AnsweringModals modals;
  TForm1 form(modals, display, startup.Folders());
  const int formHeight = display.height() - form.MainMenu1->sizeHint().height();

  QCOMPARE(form.size(), display);
  QCOMPARE(form.Image1->geometry(), QRect(QPoint(0, t20), picture));
  QCOMPARE(form.Label4->pos(), label4);
  QCOMPARE(form.dealer4->pos(), dealer4);
  QCOMPARE(form.Reset1->pos(), reset);
  QCOMPARE(form.Reset1->size(), QSize(65, 24));
  QCOMPARE(form.QPanel->geometry(), QRect(0, h456 - 20, split, formHeight - h456));
  QCOMPARE(form.Panel1->geometry(), QRect(split, t20, display.width() - split, formHeight - t20));
  QCOMPARE(form.Panel2->width(), display.width());
  QCOMPARE(form.Panel18->x(), fifth);
  QCOMPARE(form.Panel21->x(), 4 * fifth);
  QCOMPARE(form.Panel5->geometry(), panel5);
  QCOMPARE(form.StatsPanel->x(), statsLeft);
  QCOMPARE(form.Memo1->height(), memoHeight);
  QCOMPARE(form.Label4->font().pointSize(), int{form.Geometry().fontSize});
  QVERIFY(!form.QPanel->isHidden());
  QVERIFY(!form.Panel1->isHidden());
  QVERIFY(!form.Tracking1->menuAction()->isVisible());
  QVERIFY(modals.errors.isEmpty());
}

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
