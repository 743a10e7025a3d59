// The table pictures the build tool writes beside the program: one file per scale,
// holding the picture drawn at that scale.
#include <QImage>
#include <QTest>

#include "ui/pictures/table_picture.h"

class TableFilesTest : public QObject {
  Q_OBJECT

 private slots:
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

QTEST_MAIN(TableFilesTest)
#include "table_files_test.moc"
