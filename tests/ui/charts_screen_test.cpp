// The charts screen: caption and row letters from the chart file of the rules, and damaged files.
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

#include "ui/charts_screen.h"
#include "ui/main_screen.h"
#include "ui_fixture.h"

using namespace quorvel;
using namespace quorvel::ui;

namespace {

// The letters of one row straight from the file's bytes.
QString RowFromFile(const QByteArray& bytes, int row) {
  QString text;
  for (int column = 0; column < 10; ++column) {
    const char code = bytes[row * 10 + column];
    if (code == 'r') text += "Ry";
    else if (code == 'Q') text += "Rs";
    else if (code == 'd') text += "Ds";
    else text += QString(QChar(code)) + ' ';
  }
  return text;
}

}  // namespace

class ChartsScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void ShowsTheChartOfTheRules_data() {
    QTest::addColumn<int>("decks");
    QTest::addColumn<bool>("h17");
    QTest::addColumn<bool>("late");
    QTest::addColumn<bool>("noDas");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("file");
    QTest::newRow("6sdn") << 6 << false << false << false
                          << "Basic Strategy Chart, 6 decks, S17, DAS, no surrender" << "6sdn.dat";
    QTest::newRow("2hnl") << 2 << true << true << true
                          << "Basic Strategy Chart, 2 decks, H17,NDAS, late surrender" << "2hnl.dat";
    QTest::newRow("8sdl") << 8 << false << true << false
                          << "Basic Strategy Chart, 8 decks, S17, DAS, late surrender" << "8sdl.dat";
    QTest::newRow("4hnn") << 4 << true << false << true
                          << "Basic Strategy Chart, 4 decks, H17,NDAS, no surrender" << "4hnn.dat";
  }

  void ShowsTheChartOfTheRules() {
    QFETCH(int, decks);
    QFETCH(bool, h17);
    QFETCH(bool, late);
    QFETCH(bool, noDas);
    QFETCH(QString, caption);
    QFETCH(QString, file);
    testing::StartupDirectory startup;
    testing::AnsweringModals modals;
    TCharts charts(modals, {1024, 768}, startup.Path() / "chartdata");
    charts.ChartData(static_cast<uint8_t>(decks), h17, late, noDas);
    QCOMPARE(modals.shown, QStringList{"Charts"});
    QCOMPARE(charts.windowTitle(), caption);
    const QByteArray bytes = testing::FileBytes(startup.Path() / "chartdata" / qPrintable(file));
    QCOMPARE(bytes.size(), 280);
    for (int row = 0; row < kChartRows; ++row) {
      QCOMPARE(charts.rowLabels[row]->text(), RowFromFile(bytes, row));
      QCOMPARE(charts.rowLabels[row]->text().size(), 20);
    }
    QCOMPARE(charts.rowLabels[0]->objectName(), QString("c1r1"));
    QCOMPARE(charts.rowLabels[10]->objectName(), QString("c2r1"));
    QCOMPARE(charts.rowLabels[27]->objectName(), QString("c3r10"));
    QCOMPARE(charts.rowLabels[27]->pos(), QPoint(390, 567));
    // Legend and letters whole and apart; the surrender legend only with surrender.
    charts.show();
    QVERIFY(QTest::qWaitForWindowExposed(&charts));
    const QStringList problems = testing::FitProblems(charts, charts.Image1);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    for (QPlainTextEdit* memo : {charts.Memo1, charts.Memo2, charts.Memo3}) {
      QVERIFY(memo->isHidden() || memo->verticalScrollBar()->maximum() == 0);
    }
    QCOMPARE(charts.Memo3->isVisible(), late);
  }

  void MissingOrShortFileLeavesUnreadRowsEmpty() {
    testing::StartupDirectory startup;
    testing::AnsweringModals modals;
    TCharts charts(modals, {1024, 768}, startup.Path() / "chartdata");
    charts.ChartData(3, false, false, false);  // there is no 3-deck chart
    QCOMPARE(charts.windowTitle(), QString("Basic Strategy Chart, 3 decks, S17, DAS, no surrender"));
    for (QLabel* label : charts.rowLabels) QCOMPARE(label->text(), QString());

    const QByteArray whole = testing::FileBytes(startup.Path() / "chartdata" / "6sdn.dat");
    QFile cut(QString::fromStdString((startup.Path() / "chartdata" / "6sdn.dat").string()));
    QVERIFY(cut.open(QIODevice::WriteOnly | QIODevice::Truncate));
    cut.write(whole.left(100));
    cut.close();
    charts.ChartData(6, false, false, false);
    for (int row = 0; row < 10; ++row) QCOMPARE(charts.rowLabels[row]->text(), RowFromFile(whole, row));
    for (int row = 10; row < kChartRows; ++row) QCOMPARE(charts.rowLabels[row]->text(), QString());
    QCOMPARE(modals.shown.size(), 2);
  }

  void ChartsMenuShowsTheActiveRules() {
    testing::MainWindow window({1024, 768});
    TForm1& form = window.form;
    TCharts charts(window.modals, {1024, 768}, window.startup.Path() / "chartdata");
    form.SetScreens({&charts, nullptr, nullptr, nullptr});
    form.Chart1Click();
    QCOMPARE(charts.windowTitle(), QString("Basic Strategy Chart, 6 decks, S17, DAS, no surrender"));
    QCOMPARE(charts.rowLabels[0]->text(), QString("Y Y Y Y Y Y Y Y Y Y "));
    QCOMPARE(charts.grab().toImage().pixelColor(charts.width() - 3, 300), QColor(Qt::white));
  }
};

QTEST_MAIN(ChartsScreenTest)
#include "charts_screen_test.moc"
