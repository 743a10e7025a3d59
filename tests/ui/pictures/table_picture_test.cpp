// The table picture: its size at each scale, the felt, the marked spots where cards land, the
// felt left plain where the screen's controls sit, and the file of each scale that the build
// tool writes beside the program.
#include <algorithm>
#include <set>

#include <QImage>
#include <QTest>

#include "ui/pictures/table_picture.h"

using quorvel::ui::DrawTablePicture;

namespace {

// Felt is dark and green; print, rail and spots are not. Silver label text of
// luminance 190 needs the felt below 90 to stay legible.
bool IsPlainFelt(QRgb pixel) {
  return qGreen(pixel) > qRed(pixel) + 20 && qGreen(pixel) > qBlue(pixel) + 10 &&
         qGray(pixel) < 90;
}

QRect Scaled(const QRect& design, float scale) {
  return QRect(QPoint(static_cast<int>(design.left() * scale),
                      static_cast<int>(design.top() * scale)),
               QPoint(static_cast<int>((design.right() + 1) * scale) - 1,
                      static_cast<int>((design.bottom() + 1) * scale) - 1));
}

// The first non-felt pixel in `area`, or a null point when all of it is plain felt.
QPoint FirstMarking(const QImage& table, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (!IsPlainFelt(table.pixel(x, y))) {
        return {x, y};
      }
    }
  }
  return {};
}

int Brightest(const QImage& table, const QRect& area) {
  int brightest = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      brightest = std::max(brightest, qGray(table.pixel(x, y)));
    }
  }
  return brightest;
}

void AddScales() {
  QTest::addColumn<float>("scale");
  QTest::newRow("1.0") << 1.0f;
  QTest::newRow("1.25") << 1.25f;
  QTest::newRow("1.6") << 1.6f;
}

}  // namespace

class TablePictureTest : public QObject {
  Q_OBJECT

 private slots:
  void SizeFollowsTheScale_data() {
    QTest::addColumn<float>("scale");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("file");
    QTest::newRow("1.0") << 1.0f << QSize(640, 414) << "bg1.bmp";
    QTest::newRow("1.25") << 1.25f << QSize(800, 517) << "vg1.bmp";
    QTest::newRow("1.6") << 1.6f << QSize(1024, 662) << "xg1.bmp";
  }

  void SizeFollowsTheScale() {
    QFETCH(float, scale);
    QFETCH(QSize, size);
    QFETCH(QString, file);
    QCOMPARE(DrawTablePicture(scale).size(), size);
    QCOMPARE(quorvel::ui::TablePictureFile(scale), file);
  }

  void FeltIsGreenClothNotAFlatFill_data() { AddScales(); }

  void FeltIsGreenClothNotAFlatFill() {
    QFETCH(float, scale);
    const QImage table = DrawTablePicture(scale);
    const QRect middle = Scaled(QRect(220, 300, 100, 40), scale);
    QCOMPARE(FirstMarking(table, middle), QPoint());
    std::set<QRgb> shades;
    for (int x = middle.left(); x <= middle.right(); ++x) {
      shades.insert(table.pixel(x, middle.center().y()));
    }
    QVERIFY2(shades.size() > 10, "the felt has grain");
    const QRgb rail = table.pixel(Scaled(QRect(2, 200, 1, 1), scale).topLeft());
    QVERIFY2(qGray(rail) < 110 && !IsPlainFelt(rail), "a dark rail at the edge");
  }

  void SpotsAreMarkedWhereCardsLand_data() {
    QTest::addColumn<float>("scale");
    QTest::addColumn<QRect>("card");
    for (const float scale : {1.0f, 1.25f, 1.6f}) {
      const QString s = QString::number(scale);
      QTest::addRow("user@%s", qPrintable(s)) << scale << QRect(200, 150, 30, 48);
      QTest::addRow("dealer@%s", qPrintable(s)) << scale << QRect(200, 35, 30, 48);
      int seat = 1;
      for (const int x : {5, 495}) {
        for (const int y : {5, 145, 285}) {
          QTest::addRow("seat%d@%s", seat++, qPrintable(s)) << scale << QRect(x, y, 16, 26);
        }
      }
    }
  }

  // A spot is brighter than the plain felt around the table's middle.
  void SpotsAreMarkedWhereCardsLand() {
    QFETCH(float, scale);
    QFETCH(QRect, card);
    const QImage table = DrawTablePicture(scale);
    const int felt = Brightest(table, Scaled(QRect(220, 300, 100, 40), scale));
    const int spot = Brightest(table, Scaled(card, scale));
    QVERIFY2(spot > felt + 20, qPrintable(QStringLiteral("spot %1, felt %2").arg(spot).arg(felt)));
  }

  void ControlsSitOnPlainFelt_data() {
    QTest::addColumn<float>("scale");
    QTest::addColumn<QRect>("area");
    const QList<QPoint> labels{{377, 62},  {365, 169}, {385, 169}, {350, 198},
                               {365, 238}, {385, 238}, {350, 262}, {365, 298},
                               {385, 298}, {350, 322}, {365, 356}, {385, 356},
                               {350, 380}};
    for (const float scale : {1.0f, 1.25f, 1.6f}) {
      const QString s = QString::number(scale);
      QTest::addRow("buttons@%s", qPrintable(s)) << scale << QRect(170, 105, 311, 33);
      QTest::addRow("message@%s", qPrintable(s)) << scale << QRect(200, 230, 301, 61);
      for (const QPoint& label : labels) {
        QTest::addRow("label(%d,%d)@%s", label.x(), label.y(), qPrintable(s))
            << scale << QRect(label, QSize(120, 14));
      }
    }
  }

  void ControlsSitOnPlainFelt() {
    QFETCH(float, scale);
    QFETCH(QRect, area);
    const QPoint marking = FirstMarking(DrawTablePicture(scale), Scaled(area, scale));
    QVERIFY2(marking.isNull(), qPrintable(QStringLiteral("marking at %1,%2")
                                              .arg(marking.x())
                                              .arg(marking.y())));
  }

  void EachScaleHasItsFile_data() {
    QTest::addColumn<float>("scale");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::newRow("bg1") << 1.0f << "bg1.bmp" << QSize(640, 414);
    QTest::newRow("vg1") << 1.25f << "vg1.bmp" << QSize(800, 517);
    QTest::newRow("xg1") << 1.6f << "xg1.bmp" << QSize(1024, 662);
  }

  // The tests run in the program's folder, where the build laid the files out.
  void EachScaleHasItsFile() {
    QFETCH(float, scale);
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QImage written;
    QVERIFY2(written.load(file, "BMP"), qPrintable(file));
    QCOMPARE(written.size(), size);
    const QImage drawn = quorvel::ui::DrawTablePicture(scale);
    QCOMPARE(written.convertToFormat(QImage::Format_RGB32), drawn);
  }
};

QTEST_MAIN(TablePictureTest)
#include "table_picture_test.moc"
