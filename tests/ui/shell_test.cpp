// The shell: the about box, help, closing, and the settings file left alone.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include "ui/about_box.h"
#include "ui/alert_dialog.h"
#include "ui/charts_screen.h"
#include "ui/help_window.h"
#include "ui/main_screen.h"
#include "ui/options_screen.h"
#include "ui/progression_screen.h"
#include "ui/results_screen.h"
#include "ui/table_image.h"
#include "ui/test_screen.h"
#include "ui_fixture.h"

using namespace quorvel;
using namespace quorvel::ui;

class ShellTest : public QObject {
  Q_OBJECT
 private slots:
  void MenusHoldTheirItemsAndSpacers() {
    testing::MainWindow window({640, 480});
    TForm1& form = window.form;
    QStringList top;
    for (QAction* item : form.MainMenu1->actions()) top << item->text();
    QCOMPARE(top, (QStringList{"&Options", "", "&Charts", "", "&Tracking", "", "&Stats", "", "&Help"}));
    QStringList options;
    for (QAction* item : form.Options1->actions()) options << (item->isSeparator() ? "-" : item->text());
    QCOMPARE(options, (QStringList{"&Configure", "&Shuffle Now", "C&ompare Systems...", "-", "&Exit"}));
    QCOMPARE(form.TWindow->text(), QString("&Window Open"));
    QCOMPARE(form.Contents->text(), QString("&Contents"));
    QCOMPARE(form.About1->text(), QString("&About"));
    QCOMPARE(form.windowTitle(), QString("Quorvel Main Screen"));
  }

  void AboutBoxOpensModally() {
    testing::MainWindow window({640, 480});
    TForm1& form = window.form;
    TAboutBox about(&form);
    form.SetScreens({nullptr, &about, nullptr, nullptr});
    form.About1Click();
    QCOMPARE(window.modals.shown, QStringList{"AboutBox"});
    QCOMPARE(about.OkayButton->text(), QString("&Okay"));
  }

  void HelpShowsOurPagesOrSaysItIsMissing() {
    testing::MainWindow window({640, 480});
    TForm1& form = window.form;
    THelpWindow missing(window.modals, window.startup.Path() / "help" / "index.html");
    form.SetScreens({nullptr, nullptr, nullptr, &missing});
    form.ContentsClick();
    QCOMPARE(window.modals.errors.size(), 1);
    QVERIFY(window.modals.errors[0].startsWith("Cannot open help file"));
    QVERIFY(!missing.isVisible());

    const QString source = qEnvironmentVariable("QUORVEL_SOURCE_DIR");
    THelpWindow help(window.modals, std::filesystem::path(qPrintable(source)) / "data" / "help" / "index.html");
    form.SetScreens({nullptr, nullptr, nullptr, &help});
    form.ContentsClick();
    QVERIFY(help.isVisible());
    QVERIFY(help.Browser->toPlainText().contains("DEAL"));
    // Each table button's key, as its tip says it, is in the help too.
    for (QPushButton* button : {form.Deal, form.Reset1, form.Auto, form.OptButton}) {
      const QString key = button->toolTip().section('(', 1).chopped(1);
      QVERIFY2(!key.isEmpty() && help.Browser->toPlainText().contains(key), qPrintable(button->toolTip()));
    }
    QCOMPARE(window.modals.errors.size(), 1);

    // A screen open modally over the main screen blocks it, not help.
    struct BlockWatch : QObject {
      bool blocked = false;
      bool eventFilter(QObject*, QEvent* event) override {
        blocked = blocked || event->type() == QEvent::WindowBlocked;
        return false;
      }
    } helpWatch, formWatch;
    form.show();
    help.installEventFilter(&helpWatch);
    form.installEventFilter(&formWatch);
    QDialog screen(&form);
    QTimer::singleShot(0, &screen, &QDialog::accept);
    ModalSeam().Exec(screen);
    QVERIFY(formWatch.blocked);
    QVERIFY(!helpWatch.blocked);
  }

  void ClosingWithoutOptionsLeavesTheLastUsedFile() {
    testing::StartupDirectory startup;
    testing::AnsweringModals modals;
    {
      TForm1 form(modals, {1024, 768}, startup.Folders());
      form.show();
      form.DealClick();
      form.Exit1Click();
      QVERIFY(!form.isVisible());
    }
    QVERIFY(!std::filesystem::exists(startup.LastUsedFile()));
  }

  void FirstStartDealsByTheDefaults() {
    testing::MainWindow window({1024, 768});
    TForm1& form = window.form;
    const Simulator& table = form.Table();
    QCOMPARE(table.money.bankroll, 1000.0);
    QCOMPARE(table.money.bet, 10.0f);
    QCOMPARE(table.engine.Rules().decks, 6);
    QVERIFY(table.engine.chart.Loaded());
    QCOMPARE(form.newwinnings->text(), QString("1000"));
    QCOMPARE(form.Label1->text(), QString("10"));
    TForm1 second(window.modals, {1024, 768}, window.startup.Folders());  // every start deals other cards
    QVERIFY(second.Table().engine.shoe.cards != table.engine.shoe.cards);
  }

  void DamagedLastUsedFileIsSaidAndKeptUntilReplaced() {
    // The file's contents ("folder": a folder in its place) and the reason given.
    const std::pair<QByteArray, QString> cases[] = {
        {QByteArray(300, '\x01'), "ends after 300 of its 537 fixed bytes"},
        {QByteArray(600, '\xAB'), "more"},
        {QByteArray(1 << 22, '\xAB'), "more"},
        {QByteArray(), "ends after 0 of its 537 fixed bytes"},
        {"folder", "is a folder"},
    };
    for (const auto& [contents, reason] : cases) {
      testing::StartupDirectory startup;
      const QString file = QString::fromStdString(startup.LastUsedFile().string());
      if (contents == "folder") {
        QVERIFY(QDir().mkpath(file));
      } else {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(contents);
      }
      testing::AnsweringModals modals;
      TAlert alert;
      TProgression progression(modals, alert, {1024, 768});
      TStrategy options(modals, progression, {1024, 768}, startup.Path());
      {
        TForm1 form(modals, {1024, 768}, startup.Folders());
        form.SetScreens({nullptr, nullptr, nullptr, nullptr, &options, nullptr});
        QCOMPARE(modals.errors.size(), 1);
        QVERIFY2(modals.errors[0].startsWith("The last-used settings file " + file + " is damaged: "),
                 qPrintable(modals.errors[0]));
        QVERIFY(modals.errors[0].contains(reason));
        QCOMPARE(form.Table().money.bankroll, 1000.0);  // the new user's settings
        QCOMPARE(form.Table().engine.Rules().decks, 6);
        form.Reset1Click();
        QCOMPARE(form.Table().money.bankroll, 1000.0);
        form.show();
        form.Exit1Click();
      }
      if (contents != "folder") QCOMPARE(QFile(file).size(), contents.size());  // untouched
      // New settings applied: the damaged file is kept beside the new one.
      TForm1 form(modals, {1024, 768}, startup.Folders());
      form.SetScreens({nullptr, nullptr, nullptr, nullptr, &options, nullptr});
      QString shown;
      modals.actions["Strategy"] = [&](QDialog& dialog) {
        dialog.show();
        shown = options.BRDollar->text();
        options.BRDollar->setText("700");
        options.BitBtn1->click();
        return 0;
      };
      form.OptButtonClick();
      QCOMPARE(shown, QString("1000"));  // the defaults, not the damage
      QCOMPARE(form.Table().money.bankroll, 700.0);
      QVERIFY(QFileInfo::exists(file + ".damaged"));
      if (contents != "folder") QCOMPARE(QFile(file + ".damaged").size(), contents.size());
    }
  }

  // Each screen walked as a screen reader walks it, and whole on a laptop's screen; the results
  // screen with a test's pages.
  void EveryScreenFitsAndNamesItsControls() {
    testing::MainWindow window({1366, 768});
    TForm1& form = window.form;
    TAlert alert;
    TProgression progression(window.modals, alert, {1366, 768});
    TStrategy options(window.modals, progression, {1024, 768}, window.startup.Path());
    TAutoTest tests(window.modals, form.Controller(), {1366, 768}, window.startup.Path());
    TCharts charts(window.modals, {1024, 768}, window.startup.Path() / "chartdata");
    TResults results(window.modals, {1366, 768}, window.startup.Path());
    TestResult result;
    result.sessions.resize(2);
    for (SessionRecord& session : result.sessions) session.finished = true;
    results.ShowResult(result);
    TAboutBox about;
    for (QWidget* screen : std::initializer_list<QWidget*>{&form, &progression, &options, &tests, &charts,
                                                           &results, &about, &alert}) {
      screen->show();
      QVERIFY(QTest::qWaitForWindowExposed(screen));
      const QStringList unnamed = testing::UnnamedControls(*screen);
      QVERIFY2(unnamed.isEmpty(), qPrintable(screen->objectName() + ": " + unnamed.join(", ")));
      const QStringList problems = testing::FitProblems(*screen, screen == &form ? static_cast<QWidget*>(form.Image1) : charts.Image1);
      QVERIFY2(problems.isEmpty(), qPrintable(screen->objectName() + ": " + problems.join("; ")));
      screen->hide();
    }
  }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
