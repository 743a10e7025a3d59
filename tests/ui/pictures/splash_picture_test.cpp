// The splash picture: its size and pixel ratio, and that it shows felt, cards and a
// gold title where a title belongs.
#include <QImage>
#include <QTest>

#include "ui/pictures/splash_picture.h"

using quorvel::ui::DrawSplashPicture;

namespace {

int CountPixels(const QImage& image, const QRect& area, bool (*matches)(QRgb)) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      count += matches(image.pixel(x, y)) ? 1 : 0;
    }
  }
  return count;
}

bool IsFelt(QRgb pixel) { return qGreen(pixel) > qRed(pixel) + 30 && qGreen(pixel) > 40; }
bool IsCardWhite(QRgb pixel) { return qRed(pixel) > 235 && qGreen(pixel) > 235 && qBlue(pixel) > 225; }
bool IsGold(QRgb pixel) {
  return qRed(pixel) > 190 && qGreen(pixel) > 150 && qBlue(pixel) < 150 &&
         qRed(pixel) > qBlue(pixel) + 60;
}

}  // namespace

class SplashPictureTest : public QObject {
  Q_OBJECT

 private slots:
  void SizeAndPixelRatio_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("640x480@1") << QSize(640, 480) << 1.0;
    QTest::newRow("640x480@2") << QSize(640, 480) << 2.0;
    QTest::newRow("648x488@1.5") << QSize(648, 488) << 1.5;
  }

  void SizeAndPixelRatio() {
    QFETCH(QSize, size);
    QFETCH(qreal, ratio);
    const QPixmap splash = DrawSplashPicture(size, ratio);
    QCOMPARE(splash.devicePixelRatio(), ratio);
    QCOMPARE(splash.size(), size * ratio);
  }

  void ShowsFeltCardsAndTitle() {
    const QImage splash = DrawSplashPicture(QSize(640, 480), 1.0).toImage();
    const QRect whole = splash.rect();
    QVERIFY(CountPixels(splash, whole, IsFelt) > whole.width() * whole.height() / 3);
    QVERIFY2(CountPixels(splash, QRect(60, 150, 420, 220), IsCardWhite) > 10000,
             "a fan of cards below the title");
    QVERIFY2(CountPixels(splash, QRect(100, 20, 440, 110), IsGold) > 1500, "the gold title");
  }
};

QTEST_MAIN(SplashPictureTest)
#include "splash_picture_test.moc"
