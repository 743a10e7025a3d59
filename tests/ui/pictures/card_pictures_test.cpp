// Card pictures: all 104 names, their sizes at each pixel ratio, the lookup without regard to
// case, unknown names; white stock with a dark rounded edge, red ink for hearts and diamonds,
// black for clubs and spades.
#include <set>

#include <QImage>
#include <QTest>

#include "ui/pictures/card_pictures.h"

using quorvel::ui::CardPicture;

namespace {

QStringList AllNames(const QString& ending) {
  QStringList names;
  for (const QChar suit : QStringLiteral("CDHS")) {
    for (const QChar rank : QStringLiteral("23456789TJQKA")) {
      names << QString(rank) + suit + ending;
    }
  }
  return names;
}

bool IsRedInk(QRgb pixel) {
  return qAlpha(pixel) == 255 && qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 110;
}

bool IsBlackInk(QRgb pixel) {
  return qAlpha(pixel) == 255 && qRed(pixel) < 70 && qGreen(pixel) < 70 && qBlue(pixel) < 70;
}

struct InkCount {
  int red = 0;
  int black = 0;
};

// Ink inside the edge only: the edge itself is dark on every card.
InkCount CountInk(const QImage& image) {
  InkCount count;
  const int margin = image.width() / 8;
  for (int y = margin; y < image.height() - margin; ++y) {
    for (int x = margin; x < image.width() - margin; ++x) {
      const QRgb pixel = image.pixel(x, y);
      count.red += IsRedInk(pixel) ? 1 : 0;
      count.black += IsBlackInk(pixel) ? 1 : 0;
    }
  }
  return count;
}

}  // namespace

class CardPicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryNameHasAPictureOfItsSizeAndLooksDifferent_data() {
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QSize>("size");
    QTest::newRow("large") << QString() << QSize(30, 48);
    QTest::newRow("small") << QStringLiteral("X") << QSize(16, 26);
  }

  // Asking at ratio 1 first and 2 next also shows that the pictures are kept per ratio.
  void EveryNameHasAPictureOfItsSizeAndLooksDifferent() {
    QFETCH(QString, ending);
    QFETCH(QSize, size);
    const QStringList names = AllNames(ending);
    QCOMPARE(names.size(), 52);
    std::set<QByteArray> seen;
    for (const QString& name : names) {
      for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap picture = CardPicture(name, ratio);
        QVERIFY2(!picture.isNull(), qPrintable(name));
        QCOMPARE(picture.devicePixelRatio(), ratio);
        QCOMPARE(picture.size(), size * ratio);
        QCOMPARE(picture.deviceIndependentSize().toSize(), size);
      }
      const QImage image = CardPicture(name, 1.0).toImage();
      seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    QCOMPARE(seen.size(), std::size_t{52});
  }

  // Names match without regard to case; an unknown name has no picture (canonical "").
  void NamesMatchWithoutRegardToCase_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("canonical");
    for (const auto& [name, canonical] : {std::pair{"as", "AS"}, {"Th", "TH"}, {"qD", "QD"}, {"tsx", "TSX"},
                                          {"KcX", "KCX"}, {"2hx", "2HX"}}) {
      QTest::newRow(name) << name << canonical;
    }
    for (const char* name : {"", "A", "S", "1S", "10S", "AZ", "ZS", "SA", "ASY", "ASXX", "A S",
                             " AS", "XS", "AXS"}) {
      QTest::newRow(name[0] == '\0' ? "empty" : name) << QString::fromLatin1(name) << QString();
    }
  }

  void NamesMatchWithoutRegardToCase() {
    QFETCH(QString, name);
    QFETCH(QString, canonical);
    if (canonical.isEmpty()) {
      QVERIFY(CardPicture(name, 1.0).isNull());
      QVERIFY(CardPicture(name, 2.0).isNull());
      return;
    }
    const QImage picture = CardPicture(name, 1.0).toImage();
    QVERIFY(!picture.isNull());
    QCOMPARE(picture, CardPicture(canonical, 1.0).toImage());
  }

  void SuitsHaveTheirColour_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("red");
    QTest::addColumn<qreal>("ratio");
    for (const qreal ratio : {1.0, 2.0}) {
      for (const char* ending : {"", "X"}) {
        for (const char* rank : {"2", "T", "Q", "A"}) {
          for (const char* suit : {"C", "D", "H", "S"}) {
            const QString name = QString::fromLatin1(rank) + suit + ending;
            const bool red = suit[0] == 'D' || suit[0] == 'H';
            QTest::addRow("%s@%g", qPrintable(name), ratio) << name << red << ratio;
          }
        }
      }
    }
  }

  void SuitsHaveTheirColour() {
    QFETCH(QString, name);
    QFETCH(bool, red);
    QFETCH(qreal, ratio);
    const InkCount ink = CountInk(CardPicture(name, ratio).toImage());
    const int some = static_cast<int>(12 * ratio * ratio);
    if (red) {
      QVERIFY2(ink.red >= some, qPrintable(QString::number(ink.red)));
      QCOMPARE(ink.black, 0);
    } else {
      QVERIFY2(ink.black >= some, qPrintable(QString::number(ink.black)));
      QCOMPARE(ink.red, 0);
    }
  }

  void CardsAreWhiteWithADarkRoundedEdge_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("large") << "7C";
    QTest::newRow("small") << "7CX";
  }

  void CardsAreWhiteWithADarkRoundedEdge() {
    QFETCH(QString, name);
    const QImage card = CardPicture(name, 1.0).toImage();
    const int w = card.width();
    const int h = card.height();
    for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1),
                                QPoint(w - 1, h - 1)}) {
      QVERIFY2(qAlpha(card.pixel(corner)) < 128, "corners are rounded off");
    }
    for (const QPoint edge : {QPoint(w / 2, 0), QPoint(0, h / 2), QPoint(w - 1, h / 2),
                              QPoint(w / 2, h - 1)}) {
      QVERIFY2(qGray(card.pixel(edge)) < 120, "a dark edge all round");
    }
    int white = 0;
    for (int y = 1; y < h - 1; ++y) {
      for (int x = 1; x < w - 1; ++x) {
        white += qGray(card.pixel(x, y)) > 225 ? 1 : 0;
      }
    }
    QVERIFY2(white > (w - 2) * (h - 2) / 2, "mostly white card stock");
  }
};

QTEST_MAIN(CardPicturesTest)
#include "card_pictures_test.moc"
