// Card pictures by name: all 104 names, their sizes at each pixel ratio, the lookup
// without regard to case, and unknown names.
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

}  // namespace

class CardNamesTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryNameHasAPictureOfItsSize_data() {
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QSize>("size");
    QTest::newRow("large") << QString() << QSize(30, 48);
    QTest::newRow("small") << QStringLiteral("X") << QSize(16, 26);
  }

  // Asking at ratio 1 first and 2 next also shows that the pictures are kept per ratio.
  void EveryNameHasAPictureOfItsSize() {
    QFETCH(QString, ending);
    QFETCH(QSize, size);
    const QStringList names = AllNames(ending);
    QCOMPARE(names.size(), 52);
    for (const QString& name : names) {
      for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap picture = CardPicture(name, ratio);
        QVERIFY2(!picture.isNull(), qPrintable(name));
        QCOMPARE(picture.devicePixelRatio(), ratio);
        QCOMPARE(picture.size(), size * ratio);
        QCOMPARE(picture.deviceIndependentSize().toSize(), size);
      }
    }
  }

  void EveryCardLooksDifferent_data() {
    QTest::addColumn<QString>("ending");
    QTest::newRow("large") << QString();
    QTest::newRow("small") << QStringLiteral("X");
  }

  void EveryCardLooksDifferent() {
    QFETCH(QString, ending);
    std::set<QByteArray> seen;
    for (const QString& name : AllNames(ending)) {
      const QImage image = CardPicture(name, 1.0).toImage();
      seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                             image.sizeInBytes()));
    }
    QCOMPARE(seen.size(), std::size_t{52});
  }

  void NamesMatchWithoutRegardToCase_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("canonical");
    QTest::newRow("as") << "as" << "AS";
    QTest::newRow("Th") << "Th" << "TH";
    QTest::newRow("qD") << "qD" << "QD";
    QTest::newRow("tsx") << "tsx" << "TSX";
    QTest::newRow("KcX") << "KcX" << "KCX";
    QTest::newRow("2hx") << "2hx" << "2HX";
  }

  void NamesMatchWithoutRegardToCase() {
    QFETCH(QString, name);
    QFETCH(QString, canonical);
    const QImage picture = CardPicture(name, 1.0).toImage();
    QVERIFY(!picture.isNull());
    QCOMPARE(picture, CardPicture(canonical, 1.0).toImage());
  }

  void UnknownNamesGiveNoPicture_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"", "A", "S", "1S", "10S", "AZ", "ZS", "SA", "ASY", "ASXX", "A S",
                             " AS", "XS", "AXS"}) {
      QTest::newRow(name[0] == '\0' ? "empty" : name) << QString::fromLatin1(name);
    }
  }

  void UnknownNamesGiveNoPicture() {
    QFETCH(QString, name);
    QVERIFY(CardPicture(name, 1.0).isNull());
    QVERIFY(CardPicture(name, 2.0).isNull());
  }
};

QTEST_MAIN(CardNamesTest)
#include "card_names_test.moc"
